#include "app/ribaku_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <exception>

#include "app/audio_plugin_loader.h"
#include "app/cool_menu.h"
#include "app/editor_panel.h"
#include "app/error_box.h"
#include "app/image_view.h"
#include "app/qt_text.h"
#include "app/status_line.h"
#include "app/toolbar.h"
#include "app/welcome_panel.h"
#include "layouts/layout_file_error.h"
#include "render/picture_loader.h"

// The pictures compiled into the program live in a static library, whose resources must be
// registered by hand.
static void RegisterCompiledResources() {
    Q_INIT_RESOURCE(resources);
}

namespace ribaku {
namespace {

constexpr int kHallPanelWidth = 92;
constexpr int kTilesetLoadDelayMs = 100;
constexpr int kMusicStartDelayMs = 300;

TMouseButton MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return TMouseButton::Left;
        case Qt::RightButton:
            return TMouseButton::Right;
        default:
            return TMouseButton::Middle;
    }
}

}  // namespace

TRibaku::TRibaku(const std::filesystem::path& programDir)
    : folders_(LocateProgramFolders(programDir)), programDir_(folders_.data), game_(*this) {
    setWindowTitle(QStringLiteral("Ribaku 5.36 "));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    clock_.start();
    RegisterCompiledResources();
    Init();
}

TRibaku::~TRibaku() = default;

void TRibaku::Guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ShowError(BoxParent(), error);
    }
}

void TRibaku::Init() {
    std::filesystem::current_path(programDir_);
    CreateParts();
    CreateHelpDialog();
    ReadSettings();
    BuildMainMenu();
    ConnectToolbarAndWelcome();
    PlaceWindow();
    ArrangeClientArea();
    try {
        game_.catalog.LoadFiles(game_.state);
        game_.catalog.AddPersonalFiles(game_.state, settings_.BoardNumber, settings_.MidiNumber);
    } catch (const MissingFilesError& missing) {
        // Without music or layouts there is nothing to play: say what is missing, then close.
        startupFailed_ = true;
        ShowError(this, missing);
        return;
    }
    ReadHallOfFame();
    BuildLayoutMenu();
    BuildMusicMenu();
    menuBar()->addMenu(menu(QStringLiteral("&Help")));  // the Help menu stays last
    CheckLayoutEntry();
    ApplyCoolOptions();
    ShowPanelHOF();

    game_.state.TilesLeft = kTileCount;
    game_.state.TileTotal = kTileCount;
    Guarded([this] { ApplyLayoutLoaded(game_.catalog.LoadStartupLayout(game_.state)); });
    ActiveTilesetBackground();
    game_.ColorHighlight();

    connect(&timer_, &QTimer::timeout, this, [this] { Guarded([this] { game_.Tick(); }); });
    timer_.start(50);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &TRibaku::ApplicationStateChanged);
}

void TRibaku::CreateParts() {
    pieces_ = render::LoadBoardPieces(QStringLiteral(":/res"));
    renderer_ = std::make_unique<render::BoardRenderer>(game_, tileset_, background_, pieces_);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    tools_ = new Toolbar(client);
    editorPanel_ = new EditorPanel(client);
    askLayoutFile = [this](const std::string& name) { return AskLayoutFileByDialog(name); };
    board_ =
        new ImageView(renderer_->Screen(), {render::kBoardWidth, render::kBoardHeight}, client);
    board_->hide();  // until start-up has drawn it
    renderer_->screenChanged = [this](const QRect& area) { board_->update(area); };
    renderer_->SetScale(board_->devicePixelRatioF());
    board_->onRatioChange = [this](qreal ratio) { renderer_->SetScale(ratio); };
    hallPanel_.SetPicture(render::LoadDecorativePicture(programDir_ / "hof.bmp"));
    hofBox_ = new ImageView(hallPanel_.HofBox(), hallPanel_.HofBox().size(), client);
    hallPanel_.boxChanged = [this](const QRect& area) { hofBox_->update(area); };
    board_->onRelease = [this](QPoint at, Qt::MouseButton button) {
        Guarded([&] { game_.ButtonDown(at.x(), at.y(), MouseButtonOf(button)); });
        if (Editing()) ShowEditorTilesLeft();
    };
    board_->onMove = [this](QPoint at) { Guarded([&] { game_.FormMouseMove(at.x(), at.y()); }); };
    board_->onLeave = [this] { Guarded([this] { game_.PointerLeft(); }); };
    status_ = new StatusLine(client);
    // The captions toggle what their menu entries toggle.
    status_->onMovesCaptionClicked = [this] {
        action(QStringLiteral("Show &Moves Left"))->trigger();
    };
    status_->onTimeCaptionClicked = [this] {
        action(QStringLiteral("&Show Time Left"))->trigger();
    };
    welcome_ = new WelcomePanel(board_);
    welcome_->hide();
    SetStatusText(" ");
}

void TRibaku::ReadSettings() {
    const int screenWidth = screen()->geometry().width();
    std::error_code missing;
    settingsFound_ = std::filesystem::exists(folders_.playerFiles / "Ribaku.ini", missing);
    try {
        settings_ = ReadSettingsFile(folders_.playerFiles / "Ribaku.ini", screenWidth);
    } catch (const std::exception& error) {
        ShowError(this, error);
        settingsUnreadable_ = true;
        settings_ = Settings{};
        settings_.PreviousRes = screenWidth;
    }
    game_.options = settings_.options;
    game_.state.LayoutNumber = settings_.BoardNumber;
    game_.state.GameSeed = settings_.RandomSeed;
    game_.catalog.ProgramDir = programDir_;
    game_.catalog.PersonalDir = folders_.personal;
    game_.catalog.PlayerFilesDir = folders_.playerFiles;
    game_.catalog.MusicNumber = settings_.MidiNumber;
    if (game_.options.Res800) display_.SwitchTo800x600(MakeDisplaySwitch());
    const bool wide = screen()->geometry().width() >= 800;
    game_.state.BoardOriginX = wide ? 36 : -5;
    game_.state.BoardOriginY = wide ? 25 : 0;
}

void TRibaku::ReadHallOfFame() {
    try {
        game_.hall.Load(game_.catalog);
    } catch (const std::exception& error) {
        ShowError(this, error);
        hallUnreadable_ = true;
    }
}

void TRibaku::ConnectToolbarAndWelcome() {
    const auto bind = [this](QAbstractButton* button, std::function<void()> handler) {
        if (!handler) {
            button->setEnabled(false);  // its room is not built yet
            return;
        }
        connect(button, &QAbstractButton::clicked, this, [this, handler] {
            Guarded(handler);
            SyncMarks();
        });
    };
    bind(tools_->button(Toolbar::New), [this] { game_.NewGame(); });
    bind(tools_->button(Toolbar::Back), [this] { game_.Back(); });
    bind(tools_->button(Toolbar::Hint), [this] { game_.Hint(); });
    bind(tools_->button(Toolbar::Shuffle), [this] { game_.Shuffle1Click(); });
    bind(tools_->button(Toolbar::Pause), [this] { game_.PauseClick(); });
    bind(tools_->button(Toolbar::Music), [this] { game_.music.SetMusicClick(); });
    bind(tools_->button(Toolbar::Help), [this] { game_.CallHelp(HelpPage::Help); });
    bind(tools_->button(Toolbar::About), [this] { game_.CallHelp(HelpPage::About); });
    bind(tools_->button(Toolbar::HallOfFame), [this] { game_.CallHelp(HelpPage::HallOfFame); });
    bind(tools_->button(Toolbar::Exit), [this] { close(); });

    bind(welcome_->classic, [this] { game_.RandomSolitaireGame1Click(); });
    bind(welcome_->riversEasy, [this] { game_.FourRivers(Difficulty::Easy); });
    bind(welcome_->riversHard, [this] { game_.FourRivers(Difficulty::Hard); });
    bind(welcome_->twoPlayers, [this] { game_.TwoPlayers(); });
    bind(welcome_->memoryEasy, [this] { game_.Memory(Difficulty::Easy); });
    bind(welcome_->memoryHard, [this] { game_.Memory(Difficulty::Hard); });
    bind(welcome_->clicksNewGame, [this] { game_.MahJonggClicks(); });
    bind(welcome_->help, [this] { game_.CallHelp(HelpPage::Help); });
    bind(welcome_->exit, [this] { close(); });
}

void TRibaku::RevealClicks() {
    clicksSeparator_->setVisible(true);
    action(QStringLiteral("Mah-Jongg Clicks"))->setVisible(true);
    welcome_->RevealClicks();
}

void TRibaku::ArrangeClientArea() {
    const Options& o = game_.options;
    int y = 0;
    const QSize boardSize = board_->size();
    const int width = boardSize.width() + (o.ShowHallFame ? kHallPanelWidth : 0);
    // "Show Toolbar" shows the editor's panel in its place while a layout is edited.
    QWidget* top = Editing() ? static_cast<QWidget*>(editorPanel_) : tools_;
    tools_->setVisible(o.Toolbar1 && top == tools_);
    editorPanel_->setVisible(o.Toolbar1 && top == editorPanel_);
    if (o.Toolbar1) {
        const int height = top == tools_ ? Toolbar::kHeight : EditorPanel::kHeight;
        top->setGeometry(0, 0, width, height);
        y += height;
    }
    board_->move(0, y);
    hofBox_->move(boardSize.width(), y);
    hofBox_->setVisible(o.ShowHallFame);
    y += boardSize.height();
    status_->setVisible(o.ShowTitle);
    if (o.ShowTitle) {
        status_->setGeometry(0, y, width, StatusLine::kHeight);
        y += StatusLine::kHeight;
    }
    centralWidget()->setFixedSize(width, y);
    setFixedSize(width, y + menuBar()->sizeHint().height());
}

// At the remembered place when the screen is as wide as at the last exit, but never where
// the window cannot be seen; otherwise centred. A first start has no place to remember.
void TRibaku::PlaceWindow() {
    const QRect screenRect = screen()->geometry();
    // A 640-pixel screen shows what fits of the board, so the window never runs off it.
    if (screenRect.width() == 640) board_->setFixedSize(640, 480 - StatusLine::kHeight);
    if (settingsFound_ && settings_.PreviousRes == screenRect.width()) {
        const QPoint place(settings_.XPos, settings_.YPos);
        for (QScreen* candidate : QGuiApplication::screens()) {
            const QRect visible = candidate->availableGeometry();
            // Enough of the title bar must lie on a screen to take the window back.
            if (visible.intersects(QRect(place, QSize(120, 30)))) {
                move(std::clamp(place.x(), visible.left() - 60, visible.right() - 120),
                     std::clamp(place.y(), visible.top(), visible.bottom() - 30));
                return;
            }
        }
    }
    if (screenRect.width() == 640) {
        game_.options.ShowHallFame = false;
        game_.options.Toolbar1 = false;
        SyncMarks();
        move(0, 0);
        return;
    }
    ArrangeClientArea();
    move((screenRect.width() - frameGeometry().width()) / 2,
         (screenRect.height() - frameGeometry().height()) / 2);
}

void TRibaku::ApplyCoolOptions() {
    const Options& o = game_.options;
    tools_->setBackgroundPicture(o.CoolToolbar);
    tools_->setFlat(o.FlatButtons);
    for (QMenu* m : menus_)
        static_cast<CoolMenu*>(m)->setBand(o.CoolMenu1);
    if (o.CoolMouse) {
        const QPixmap arrow(QStringLiteral(":/res/techno.png"));
        setCursor(arrow.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(arrow, 0, 0));
    } else {
        unsetCursor();
    }
}

void TRibaku::ApplicationStateChanged(Qt::ApplicationState state) {
    // Under one of our modal dialogs the main window is not the active one: the help dialog
    // has paused the game itself, and resumes it when it closes.
    if (startupFailed_ || !isVisible() || QApplication::activeModalWidget()) return;
    if (state == Qt::ApplicationActive)
        Guarded([this] { game_.FormActivate(); });
    else if (state == Qt::ApplicationInactive)
        Guarded([this] { game_.FormDeactivate(); });
}

void TRibaku::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    emit shown();  // before anything else, so that the splash goes however start-up ends
    if (startupFailed_) {
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    Guarded([this] { FormShow(); });
}

void TRibaku::FormShow() {
    if (game_.state.GameMode != gmNone) return;
    // The tileset, then the music, load a moment after the first screen is up, so that
    // neither delays it. Whatever needs tiles sooner loads the tileset at once.
    QTimer::singleShot(kTilesetLoadDelayMs, this, [this] { EnsureTileset(); });
    QTimer::singleShot(kMusicStartDelayMs, this, [this] { Guarded([this] { StartMusic(); }); });
    board_->show();
    ShowBackground();
    welcome_->move((board_->width() - welcome_->width()) / 2,
                   (board_->height() - welcome_->height()) / 2);
    game_.SetMode(gmWelcome);
    if (game_.options.StartupGame) game_.NewGame();
}

void TRibaku::closeEvent(QCloseEvent* event) {
    if (!startupFailed_ && Editing() && !MayCloseEditor()) {
        event->ignore();
        return;
    }
    if (!startupFailed_) Guarded([this] { FormCloseQuery(); });
    event->accept();
}

// Each file on its own: one that cannot be written does not keep the others from it.
void TRibaku::FormCloseQuery() {
    timer_.stop();
    disconnect(qApp, &QGuiApplication::applicationStateChanged, this, nullptr);
    // An installed copy's folder for them is made at the first write.
    Guarded([this] { std::filesystem::create_directories(folders_.playerFiles); });
    if (!settingsUnreadable_) {
        Guarded(
            [this] { WriteSettingsFile(folders_.playerFiles / "Ribaku.ini", SettingsToWrite()); });
    }
    if (!hallUnreadable_) Guarded([this] { game_.hall.Write(game_.catalog); });
    display_.Restore();
}

Settings TRibaku::SettingsToWrite() const {
    Settings out = settings_;
    out.options = game_.options;
    out.BoardNumber = game_.state.ClassicLayoutNumber();
    out.MidiNumber = game_.catalog.MusicNumber;
    out.RandomSeed = game_.state.GameSeed;
    out.XPos = x();
    out.YPos = y();
    out.WPos = frameGeometry().width();
    out.HPos = frameGeometry().height();
    out.PreviousRes = screen()->geometry().width();
    return out;
}

QAction* TRibaku::action(const QString& caption) const {
    for (QMenu* m : menus_)
        for (QAction* a : m->actions())
            if (a->text() == caption) return a;
    return nullptr;
}

QMenu* TRibaku::menu(const QString& title) const {
    for (QMenu* m : menus_)
        if (m->title() == title) return m;
    return nullptr;
}

// ---- GameView -------------------------------------------------------------------------

void TRibaku::FullRedraw() {
    EnsureTileset();
    renderer_->FullRedraw();
}
void TRibaku::RedrawTile(int tile) {
    EnsureTileset();
    renderer_->RedrawTile(tile);
}
void TRibaku::RedrawHighlight(int tile) {
    EnsureTileset();
    renderer_->RedrawHighlight(tile);
}

void TRibaku::RedrawBox(const TCellPos& cell) {
    EnsureTileset();
    renderer_->RedrawBox(cell);
}
void TRibaku::ShowBackground() {
    renderer_->ShowBackground();
}
void TRibaku::RepaintNow() {
    board_->repaint();
}

// Sleeping on the window's thread holds the clicks, the timer and a close until the
// animation is over.
void TRibaku::HoldFrame(int ms) {
    board_->repaint();
    QThread::msleep(static_cast<unsigned long>(ms));
}
void TRibaku::ShowPanelHOF() {
    if (game_.options.ShowHallFame) hallPanel_.ShowPanelHOF(game_.PanelHOF());
}

void TRibaku::ShowWelcomePanel(bool shown) {
    welcome_->setVisible(shown);
}

void TRibaku::ShowPauseState(bool paused) {
    if (QAction* pause = action(paused ? QStringLiteral("&Pause") : QStringLiteral("&Continue")))
        pause->setText(paused ? QStringLiteral("&Continue") : QStringLiteral("&Pause"));
    tools_->showPaused(paused);
}

void TRibaku::SetStatusText(const std::string& text) {
    status_->setStatus(Text(text));
}

void TRibaku::PlaySound(const std::string& name) {
    // Made at the first effect: the audio system is not needed to show the first screen.
    // A missing plugin is looked for once, not at every click.
    if (!effectsLoadTried_) effects_ = LoadSoundEffects(programDir_, game_.options);
    effectsLoadTried_ = true;
    if (effects_) effects_->Play(name);
}

// Over the help dialog when it is open, so that the question never hides behind it.
QWidget* TRibaku::BoxParent() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : this;
}

bool TRibaku::Ask(const std::string& title, const std::string& text) {
    return QMessageBox::question(BoxParent(), Text(title), Text(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TRibaku::Tell(const std::string& title, const std::string& text) {
    QMessageBox::information(BoxParent(), Text(title), Text(text));
}

uint32_t TRibaku::NowMs() {
    return static_cast<uint32_t>(clock_.elapsed());
}

TimeOfDay TRibaku::UtcTimeOfDay() {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return TimeOfDay{t.hour(), t.minute(), t.second(), t.msec()};
}

}  // namespace ribaku
