// The "&Background" and "Tileset" menus: built-in pictures, a file of the player's own,
// and the fallback to a file dialog when a picture is missing.
#include <QFileDialog>
#include <QMenuBar>

#include "app/ribaku_window.h"
#include "app/single_size_pictures.h"

namespace ribaku {

QAction* TRibaku::AddChoice(QMenu* menu, QActionGroup* group, const char* caption, int setting,
                            std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setCheckable(true);
    action->setData(setting);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, handler] {
        Guarded(handler);
        SyncMarks();
    });
    return action;
}

void TRibaku::BuildBackgroundMenu() {
    QMenu* menu = AddMenu("&Background");
    backgroundGroup_ = new QActionGroup(menu);
    // The remembered file comes back without a dialog; choosing the entry again asks.
    AddChoice(menu, backgroundGroup_, "Load from disk", 3,
              [this] { LoadBackgroundClick(game_.options.Background == 3); });
    menu->addSeparator();
    AddChoice(menu, backgroundGroup_, "None", 2, [this] { None1Click(); });
    for (auto [caption, setting] : {std::pair{"&Dragons", 1}, std::pair{"Andromeda", 4},
                                    std::pair{"&Kanji (classic)", 0}, std::pair{"Catpats", 5}})
        AddChoice(menu, backgroundGroup_, caption, setting,
                  [this, setting = setting] { ChooseBackground(setting); });
}

void TRibaku::BuildTilesetMenu() {
    QMenu* menu = AddMenu("Tileset");
    tilesetGroup_ = new QActionGroup(menu);
    AddChoice(menu, tilesetGroup_, "Load from disk", 0,
              [this] { Load1Click(game_.options.Tileset == 0); });
    menu->addSeparator();
    for (auto [caption, setting] : {std::pair{"Orange borders", 1}, std::pair{"Dark borders", 2},
                                    std::pair{"Blue borders", 3}, std::pair{"Few Colors", 4}})
        AddChoice(menu, tilesetGroup_, caption, setting,
                  [this, setting = setting] { ChooseTileset(setting); });
}

// The remembered file when it exists and nobody asked to choose again, else the player's
// choice; a file that does not exist, or whose name the system refuses (too long, say), is
// asked for again. Cancelling gives nothing.
std::optional<std::filesystem::path> TRibaku::AskPictureFile(const render::PictureDialog& dialog,
                                                             std::string& lastLoaded, bool ask) {
    for (;;) {
        if (ask || lastLoaded.empty()) {
            QFileDialog files(this, QString::fromUtf8(dialog.title),
                              QString::fromStdString((programDir_ / dialog.folder).string()),
                              QString::fromUtf8(dialog.filter));
            files.setFileMode(QFileDialog::ExistingFile);
            // Only the toolkit's own dialog takes a filter of ours.
            files.setOption(QFileDialog::DontUseNativeDialog);
            files.setProxyModel(new SingleSizePictures(&files));
            if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
                return std::nullopt;
            lastLoaded = files.selectedFiles().front().toStdString();
        }
        std::error_code error;
        if (std::filesystem::exists(lastLoaded, error)) return std::filesystem::path(lastLoaded);
        lastLoaded.clear();
        ask = true;
    }
}

// The welcome screen shows the background alone, with no board drawn.
void TRibaku::RedrawAfterPictureChange() {
    if (game_.state.GameMode == gmWelcome)
        ShowBackground();
    else if (game_.state.GameMode != gmNone)
        game_.DrawBoard();
}

void TRibaku::ChooseBackground(int setting) {
    if (background_.NouveauFond(programDir_ / render::BuiltInBackground(setting)) ==
        render::PictureLoad::FileMissing) {
        game_.options.LastLoadedBackground.clear();
        LoadBackgroundClick(true);
        return;
    }
    game_.options.Background = setting;
    RedrawAfterPictureChange();
}

void TRibaku::None1Click() {
    background_.FillTeal();
    game_.options.Background = 2;
    RedrawAfterPictureChange();
}

// A cancelled dialog keeps the picture shown; at start-up, when nothing is shown yet, the
// plain background stands in.
void TRibaku::LoadBackgroundClick(bool askEvenIfRemembered) {
    Options& o = game_.options;
    const auto file =
        AskPictureFile(render::kBackgroundDialog, o.LastLoadedBackground, askEvenIfRemembered);
    if (!file) {
        if (game_.state.GameMode == gmNone) None1Click();
        return;
    }
    if (background_.NouveauFond(*file) == render::PictureLoad::Loaded) o.Background = 3;
    RedrawAfterPictureChange();
}

void TRibaku::ChooseTileset(int setting) {
    tilesetPending_ = false;
    if (tileset_.LoadTileset(programDir_ / render::BuiltInTileset(setting)) ==
        render::PictureLoad::FileMissing) {
        game_.options.LastLoadedTileset.clear();
        Load1Click(true);
        return;
    }
    game_.options.Tileset = setting;
    RedrawAfterPictureChange();
}

void TRibaku::Load1Click(bool askEvenIfRemembered) {
    tilesetPending_ = false;
    Options& o = game_.options;
    const auto file =
        AskPictureFile(render::kTilesetDialog, o.LastLoadedTileset, askEvenIfRemembered);
    if (!file) return;
    if (tileset_.LoadTileset(*file) == render::PictureLoad::Loaded) o.Tileset = 0;
    RedrawAfterPictureChange();
}

// At start-up: the pictures the settings name, a remembered file loading without a dialog.
// The tileset waits until the first screen is up, which shows no tile (EnsureTileset).
void TRibaku::ActiveTilesetBackground() {
    const Options& o = game_.options;
    Guarded([&] {
        if (o.Background == 3)
            LoadBackgroundClick(false);
        else if (o.Background == 2)
            None1Click();
        else
            ChooseBackground(o.Background);
    });
    tilesetPending_ = true;
    SyncMarks();
}

void TRibaku::EnsureTileset() {
    if (!tilesetPending_) return;
    tilesetPending_ = false;
    const Options& o = game_.options;
    Guarded([&] {
        if (o.Tileset == 0)
            Load1Click(false);
        else
            ChooseTileset(o.Tileset);
    });
    SyncMarks();
}

}  // namespace ribaku
