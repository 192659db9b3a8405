// The main menu `VO`: every entry, shortcut and separator, and the binding of the check
// marks to the engine's options.
#include <QMenuBar>

#include "app/cool_menu.h"
#include "app/ribaku_window.h"
#include "app/toolbar.h"

namespace ribaku {

QAction* TRibaku::AddCommand(QMenu* menu, const char* caption, const QKeySequence& key,
                             std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setShortcut(key);
    if (handler) {
        // A command may set an option's mark, as the specific-game commands do "Random Seed".
        connect(action, &QAction::triggered, this, [this, handler] {
            Guarded(handler);
            SyncMarks();
        });
    } else {
        action->setEnabled(false);  // its room is not built yet
    }
    return action;
}

QAction* TRibaku::AddMarkedCommand(QMenu* menu, const char* caption, bool Options::*field,
                                   std::function<void()> handler, const QKeySequence& key) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setShortcut(key);
    action->setCheckable(true);
    // The engine decides whether the option changes; the mark only mirrors it.
    connect(action, &QAction::triggered, this, [this, handler] {
        Guarded(handler);
        SyncMarks();
    });
    optionActions_.emplace_back(action, field);
    return action;
}

QAction* TRibaku::AddOption(QMenu* menu, const char* caption, bool Options::*field,
                            std::function<void()> afterToggle, const QKeySequence& key) {
    return AddMarkedCommand(
        menu, caption, field,
        [this, field, afterToggle] {
            game_.options.*field = !(game_.options.*field);
            if (afterToggle) afterToggle();
        },
        key);
}

QMenu* TRibaku::AddMenu(const char* title) {
    auto* menu = new CoolMenu(QString::fromUtf8(title), this);
    menuBar()->addMenu(menu);
    menus_.push_back(menu);
    return menu;
}

void TRibaku::SyncMarks() {
    const Options& o = game_.options;
    for (auto& [action, field] : optionActions_)
        action->setChecked(o.*field);
    const auto checkData = [](QActionGroup* group, int value) {
        if (!group) return;
        for (QAction* a : group->actions())
            a->setChecked(a->data().toInt() == value);
    };
    checkData(highlightGroup_, static_cast<int>(o.HighlightMode));
    checkData(backgroundGroup_, o.Background);
    checkData(tilesetGroup_, o.Tileset);
}

void TRibaku::BuildMainMenu() {
    BuildNewMenu();
    BuildPlayMenu();
    BuildViewMenu();
    BuildHighlightMenu();
    BuildConfigurationMenu();
    BuildBackgroundMenu();
    BuildTilesetMenu();
    BuildHelpMenu();
    BuildEditorMenu();
    SyncMarks();
}

void TRibaku::BuildNewMenu() {
    QMenu* menu = AddMenu("New");
    const QIcon newGlyph = tools_->glyph(Toolbar::New);
    AddCommand(menu, "Mah-Jongg Solitaire (Fully Random Game)", Qt::Key_F2, [this] {
        game_.RandomSolitaireGame1Click();
    })->setIcon(newGlyph);
    AddCommand(menu, "Mah-Jongg Solitaire (Random Specific Game)", {},
               [this] { game_.NewRandomSpecificGame1Click(); });
    AddCommand(menu, "Mah-Jongg Solitaire (Specific Game)", {},
               [this] { game_.NewSpecificGame1Click(); });
    menu->addSeparator();
    AddCommand(menu, "Mah-Jongg Solitaire (2-Player Game)", Qt::SHIFT | Qt::Key_F2, [this] {
        game_.TwoPlayers();
    })->setIcon(newGlyph);
    menu->addSeparator();
    AddCommand(menu, "Mah-Jongg Rivers (Easy)", Qt::Key_F3, [this] {
        game_.FourRivers(Difficulty::Easy);
    })->setIcon(newGlyph);
    AddCommand(menu, "Mah-Jongg Rivers (Hard)", Qt::SHIFT | Qt::Key_F3, [this] {
        game_.FourRivers(Difficulty::Hard);
    })->setIcon(newGlyph);
    menu->addSeparator();
    AddCommand(menu, "Mah-Jongg Memory (Easy)", Qt::Key_F4, [this] {
        game_.Memory(Difficulty::Easy);
    })->setIcon(newGlyph);
    AddCommand(menu, "Mah-Jongg Memory (Hard)", Qt::SHIFT | Qt::Key_F4, [this] {
        game_.Memory(Difficulty::Hard);
    })->setIcon(newGlyph);
    // Clicks is a hidden game: its entry shows only when the program is started with --clicks.
    clicksSeparator_ = menu->addSeparator();
    clicksSeparator_->setVisible(false);
    AddCommand(menu, "Mah-Jongg Clicks", Qt::Key_F5, [this] {
        game_.MahJonggClicks();
    })->setVisible(false);
    menu->addSeparator();
    AddCommand(menu, "E&xit", Qt::CTRL | Qt::Key_C, [this] {
        close();
    })->setIcon(tools_->glyph(Toolbar::Exit));
}

void TRibaku::BuildPlayMenu() {
    QMenu* menu = AddMenu("&Play");
    AddCommand(menu, "&Back", Qt::CTRL | Qt::Key_Z, [this] {
        game_.Back();
    })->setIcon(tools_->glyph(Toolbar::Back));
    AddCommand(menu, "&Hint", Qt::CTRL | Qt::Key_H, [this] {
        game_.Hint();
    })->setIcon(tools_->glyph(Toolbar::Hint));
    menu->addSeparator();
    AddCommand(menu, "&Pause", Qt::Key_F12, [this] {
        game_.PauseClick();
    })->setIcon(tools_->glyph(Toolbar::Pause));
    AddCommand(menu, "Shu&ffle", Qt::CTRL | Qt::Key_S, [this] {
        game_.Shuffle1Click();
    })->setIcon(tools_->glyph(Toolbar::Shuffle));
    AddCommand(menu, "&Stop", Qt::CTRL | Qt::Key_X, [this] { game_.Stop(); });
    AddCommand(menu, "&Restart", Qt::CTRL | Qt::Key_R, [this] { game_.Restart(); });
    menu->addSeparator();
    // Whether the game can still be won: a mark beside the moves left, and two commands that
    // act on what is known.
    AddOption(menu, "Show if the game can still be won", &Options::ShowWinnable,
              [this] { game_.JudgeWinnable(); });
    QAction* backToWinnable = AddCommand(menu, "Back to the last winnable position", {},
                                         [this] { game_.BackToWinnable(); });
    QAction* winningHint =
        AddCommand(menu, "Hint that keeps the game winnable", {}, [this] { game_.WinningHint(); });
    connect(menu, &QMenu::aboutToShow, this, [this, backToWinnable, winningHint] {
        const SolveVerdict verdict = game_.KnownVerdict();
        backToWinnable->setEnabled(verdict == SolveVerdict::NotWinnable);
        const BoardMode* kind = game_.Kind();
        winningHint->setEnabled(verdict == SolveVerdict::Winnable && kind &&
                                kind->Traits().winningHints);
    });
    menu->addSeparator();
    AddCommand(menu, "&Player Name", {}, [this] { game_.CallHelp(HelpPage::Options); });
    // Its mark says the next classic deal is a specific game; only the New commands set it.
    AddMarkedCommand(menu, "Random Seed", &Options::RandomSeed1,
                     [this] { game_.CallHelp(HelpPage::Options); });
    AddMarkedCommand(menu, "Vertical Variation", &Options::Vertical,
                     [this] { game_.VerticalClick(); });
}

void TRibaku::BuildViewMenu() {
    QMenu* menu = AddMenu("View");
    AddOption(menu, "&Invert selection", &Options::Invert);
    menu->addSeparator();
    AddOption(menu, "Cool Menu", &Options::CoolMenu1, [this] { ApplyCoolOptions(); });
    AddOption(menu, "Cool Mouse", &Options::CoolMouse, [this] { ApplyCoolOptions(); });
    AddOption(menu, "Cool Toolbar", &Options::CoolToolbar, [this] { ApplyCoolOptions(); });
    AddOption(menu, "Cool Buttons", &Options::FlatButtons, [this] { ApplyCoolOptions(); });
    AddOption(menu, "Cool Status", &Options::CoolStatus);
    menu->addSeparator();
    // The status bar shows the change at once, not at the next tick.
    AddOption(
        menu, "&Show Time Left", &Options::ShowTime, [this] { game_.WriteScore(); },
        Qt::CTRL | Qt::Key_L);
    AddOption(
        menu, "Show &Moves Left", &Options::Moves, [this] { game_.WriteScore(); },
        Qt::CTRL | Qt::Key_M);
    menu->addSeparator();
    AddMarkedCommand(
        menu, "Show Hall of &Fame", &Options::ShowHallFame,
        [this] {
            game_.ShowHallPanel();
            ArrangeClientArea();
        },
        Qt::CTRL | Qt::Key_F);
    AddOption(
        menu, "Show Status Bar", &Options::ShowTitle, [this] { ArrangeClientArea(); },
        Qt::CTRL | Qt::Key_B);
    AddOption(
        menu, "Show &Toolbar", &Options::Toolbar1, [this] { ArrangeClientArea(); },
        Qt::CTRL | Qt::Key_T);
}

void TRibaku::BuildHighlightMenu() {
    QMenu* menu = AddMenu("&Highlight");
    highlightGroup_ = new QActionGroup(menu);
    const auto addMode = [&](const char* caption, THighlightMode mode) {
        AddChoice(menu, highlightGroup_, caption, static_cast<int>(mode),
                  [this, mode] { game_.ChooseHighlight(mode); });
    };
    addMode("None", THighlightMode::None);
    menu->addSeparator();
    addMode("Red Rectangle", THighlightMode::RedRectangle);
    addMode("Green Rectangle", THighlightMode::GreenRectangle);
    addMode("Blue Rectangle", THighlightMode::BlueRectangle);
    menu->addSeparator();
    addMode("Colored Tile", THighlightMode::ColouredTile);
    menu->addSeparator();
    AddOption(menu, "Show Current Tile", &Options::ShowCurrentTile, [this] { ShowPanelHOF(); });
    AddOption(menu, "Only Possible Moves", &Options::OnlyPossibleMoves);
}

void TRibaku::BuildConfigurationMenu() {
    QMenu* menu = AddMenu("&Configuration");
    AddOption(menu, "Winnable Layouts (in at least one way)", &Options::Winnable);
    AddOption(menu, "Winnable Shuffles (in at least one way)", &Options::Shuffable);
    menu->addSeparator();
    AddOption(menu, "Enable time tracking for the Hall of fame", &Options::EnableHall);
    AddOption(menu, "Enable 3D shadows on tilesets", &Options::Shadows,
              [this] { game_.DrawBoard(); });
    AddOption(menu, "Begin game directly at startup", &Options::StartupGame);
    AddOption(menu, "Switch to 800x600 / High-Color at startup", &Options::Res800);
    menu->addSeparator();
    AddOption(menu, "Animate Board while building the tiles", &Options::Animate);
    AddOption(menu, "Animate Tile Rivers in Mahjongg Rivers", &Options::AnimateTileRivers);
    menu->addSeparator();
    AddOption(menu, "Run music automatically at startup", &Options::StartMusic);
    AddOption(menu, "Play sound effects", &Options::PlaySounds);
    AddMarkedCommand(menu, "Play music", &Options::PlayMusic, [this] { PlayMusicClick(); });
}

void TRibaku::BuildHelpMenu() {
    QMenu* menu = AddMenu("&Help");
    AddCommand(menu, "&Contents", Qt::Key_F1, [this] { game_.CallHelp(HelpPage::Help); });
    AddCommand(menu, "What's New", {}, [this] { game_.CallHelp(HelpPage::WhatsNew); });
    AddCommand(menu, "French Help", {}, [this] { game_.CallHelp(HelpPage::French); });
    AddCommand(menu, "View Tiles", {}, [this] { game_.CallHelp(HelpPage::Tiles); });
    menu->addSeparator();
    AddCommand(menu, "&Hall of Fame", Qt::Key_F10, [this] {
        game_.CallHelp(HelpPage::HallOfFame);
    })->setIcon(tools_->glyph(Toolbar::HallOfFame));
    AddCommand(menu, "&About...", Qt::Key_F11, [this] {
        game_.CallHelp(HelpPage::About);
    })->setIcon(tools_->glyph(Toolbar::About));
}

}  // namespace ribaku
