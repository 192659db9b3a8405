#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/choose_layout_dialog.h"
#include "app/image_view.h"
#include "app/ribaku_window.h"
#include "app/status_line.h"
#include "app/welcome_panel.h"
#include "program_folder.h"

namespace ribaku {
namespace {

class Window : public ::testing::Test {
protected:
    // A window as the player starts it: created, then shown.
    std::unique_ptr<TRibaku> Start() {
        auto window = std::make_unique<TRibaku>(folder.path());
        window->show();
        QCoreApplication::processEvents();
        return window;
    }
    static QAction* ActionIn(TRibaku& w, const QString& menu, const QString& caption) {
        for (QAction* a : w.menu(menu)->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    int LayoutNumberOf(TRibaku& w, const std::string& caption) {
        const auto& names = w.game().catalog.LayoutNames;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i].caption == caption) return static_cast<int>(i) + 1;
        return 0;
    }
    testing::ProgramFolder folder;
};

TEST_F(Window, FirstStartShowsTheWelcomeScreenWithTheDefaults) {
    auto w = Start();
    const Game& g = w->game();
    EXPECT_EQ(g.state.GameMode, gmWelcome);
    EXPECT_TRUE(w->welcomePanel()->isVisible());
    EXPECT_EQ(g.state.LayoutNumber, LayoutNumberOf(*w, "Traditional"));
    EXPECT_EQ(g.catalog.MusicNames[g.catalog.MusicNumber - 1], "Night");
    EXPECT_TRUE(w->action("Green Rectangle")->isChecked());
    EXPECT_TRUE(w->action("Play music")->isChecked());
    EXPECT_TRUE(w->action("Play sound effects")->isChecked());
    EXPECT_TRUE(w->action("Show &Toolbar")->isChecked());
    EXPECT_TRUE(w->action("Show Status Bar")->isChecked());
    EXPECT_TRUE(w->action("Blue borders")->isChecked());
    EXPECT_TRUE(w->action("Andromeda")->isChecked());
    EXPECT_TRUE(w->action("Traditional")->isChecked());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Ribaku 5.36 "));
    // The board, not drawn yet, already takes its full size; the screen shows the background.
    EXPECT_EQ(w->boardView()->size(), QSize(render::kBoardWidth, render::kBoardHeight));
    EXPECT_GT(w->width(), render::kBoardWidth);
    EXPECT_EQ(w->renderer().Screen().size(), QSize(render::kBoardWidth, render::kBoardHeight));
    EXPECT_TRUE(w->renderer().BackBuffer().isNull());
}

TEST_F(Window, MenusCarryTheirCaptionsShortcutsAndOrder) {
    auto w = Start();
    QStringList titles;
    for (QAction* a : w->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"New", "&Play", "View", "&Highlight", "&Configuration",
                                   "&Background", "Tileset", "&Layout", "M&usic", "&Help"}));
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"Mah-Jongg Solitaire (Fully Random Game)", QKeySequence(Qt::Key_F2)},
        {"Mah-Jongg Rivers (Hard)", QKeySequence(Qt::SHIFT | Qt::Key_F3)},
        {"E&xit", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"&Back", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"&Pause", QKeySequence(Qt::Key_F12)},
        {"Shu&ffle", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Show &Moves Left", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"Show Hall of &Fame", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"&Contents", QKeySequence(Qt::Key_F1)},
        {"&About...", QKeySequence(Qt::Key_F11)},
    };
    for (const auto& [caption, key] : shortcuts) {
        QAction* a = w->action(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        EXPECT_EQ(a->shortcut(), key) << caption;
    }
    EXPECT_FALSE(w->action("Mah-Jongg Clicks")->isVisible());
    EXPECT_TRUE(w->action("Show &Moves Left")->isChecked());
    EXPECT_FALSE(w->action("Vertical Variation")->isChecked());
}

TEST_F(Window, TheLayoutMenuListsSortedLayoutsThenShapes) {
    auto w = Start();
    QStringList entries;
    for (QAction* a : w->menu("&Layout")->actions())
        if (!a->isSeparator()) entries << a->text();
    ASSERT_GE(entries.size(), 4 + 12);
    EXPECT_EQ(entries.mid(0, 3), (QStringList{"Select Layout", "Create Layout", "Edit Layout"}));
    const QStringList layouts = entries.mid(3);
    QStringList lay, shp;
    for (const QString& e : layouts)
        (e.endsWith(".shp") ? shp : lay) << e;
    EXPECT_EQ(layouts, lay + shp);
    QStringList sorted = lay;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(lay, sorted);
    EXPECT_TRUE(lay.contains("Big Tower"));
}

TEST_F(Window, ExitWritesTheSettingsAndTheNextStartRestoresThem) {
    {
        auto w = Start();
        w->action("&Invert selection")->trigger();
        w->action("Red Rectangle")->trigger();
        w->action("Winnable Layouts (in at least one way)")->trigger();
        w->action("Big Tower")->trigger();
        w->action("Dark borders")->trigger();
        ActionIn(*w, "&Background", "None")->trigger();
        w->game().state.GameSeed = 777;
        w->close();
    }
    const std::string text = folder.ReadSettings();
    EXPECT_NE(text.find("Invert=1"), std::string::npos);
    EXPECT_NE(text.find("Highlight=1"), std::string::npos);
    EXPECT_NE(text.find("Winnable=1"), std::string::npos);
    EXPECT_NE(text.find("Tileset=2"), std::string::npos);
    EXPECT_NE(text.find("RandomSeed=777"), std::string::npos);

    auto w = Start();
    EXPECT_TRUE(w->action("&Invert selection")->isChecked());
    EXPECT_TRUE(w->action("Red Rectangle")->isChecked());
    EXPECT_TRUE(w->action("Winnable Layouts (in at least one way)")->isChecked());
    EXPECT_TRUE(w->action("Big Tower")->isChecked());
    EXPECT_TRUE(w->action("Dark borders")->isChecked());
    EXPECT_TRUE(ActionIn(*w, "&Background", "None")->isChecked());
    EXPECT_FALSE(ActionIn(*w, "&Highlight", "None")->isChecked());
    EXPECT_EQ(w->game().state.LayoutNumber, LayoutNumberOf(*w, "Big Tower"));
    EXPECT_EQ(w->game().state.GameSeed, 777);
}

TEST_F(Window, ExitingDuringAVariantStoresTheClassicLayout) {
    auto w = Start();
    w->game().state.SavedLayoutNumber = 3;
    w->game().state.LayoutNumber = 101;
    w->close();
    EXPECT_NE(folder.ReadSettings().find("BoardNumber=3\n"), std::string::npos);
}

TEST_F(Window, HostileSettingsNeitherCrashNorHideTheWindow) {
    folder.WriteSettings(
        "[Ribaku]\nHighlight=-7\nBoardNumber=5000\nMidiNumber=-99\nTileset=1e9\n"
        "XPos=-100000\nYPos=99999999\nPreviousRes=" +
        std::to_string(QGuiApplication::primaryScreen()->geometry().width()) + "\n");
    auto w = Start();
    EXPECT_EQ(w->game().state.LayoutNumber, w->game().state.LayoutCount);
    EXPECT_EQ(w->game().catalog.MusicNumber, 1);
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().intersects(w->frameGeometry()));
}

// A click on a status caption is its menu entry: the mark and the field change together.
TEST_F(Window, StatusCaptionsToggleTheirMenuEntries) {
    auto w = Start();
    QTest::mouseClick(w->welcomePanel()->classic, Qt::LeftButton);
    w->statusLine()->onMovesCaptionClicked();
    EXPECT_FALSE(w->game().options.Moves);
    EXPECT_FALSE(w->action("Show &Moves Left")->isChecked());
    w->statusLine()->onTimeCaptionClicked();
    EXPECT_FALSE(w->game().options.ShowTime);
    EXPECT_FALSE(w->action("&Show Time Left")->isChecked());
}

// The drawing options are bindings of the window: the board shows the change at once.
TEST_F(Window, TheShadowsToggleRedrawsTheBoardAtOnce) {
    auto w = Start();
    QTest::mouseClick(w->welcomePanel()->classic, Qt::LeftButton);
    const QImage withShadows = w->renderer().Screen().copy();
    w->action("Enable 3D shadows on tilesets")->trigger();
    EXPECT_FALSE(w->game().options.Shadows);
    EXPECT_FALSE(w->action("Enable 3D shadows on tilesets")->isChecked());
    EXPECT_NE(w->renderer().Screen(), withShadows);
    w->action("Show Current Tile")->trigger();
    EXPECT_TRUE(w->game().options.ShowCurrentTile);
    EXPECT_TRUE(w->action("Show Current Tile")->isChecked());
}

TEST_F(Window, ClassicButtonStartsAGameOnTheCurrentLayout) {
    auto w = Start();
    QTest::mouseClick(w->welcomePanel()->classic, Qt::LeftButton);
    EXPECT_EQ(w->game().state.GameMode, gmSolitaire);
    EXPECT_FALSE(w->welcomePanel()->isVisible());
    EXPECT_EQ(w->game().state.TilesLeft, 144);
}

// The tileset loads once the first screen is up; the first game's tiles are drawn with it,
// never with the black stand-in.
TEST_F(Window, TheFirstGameIsDrawnWithTheTileset) {
    auto w = Start();
    QTest::mouseClick(w->welcomePanel()->classic, Qt::LeftButton);
    const TBoardState& s = w->game().state;
    for (int tile = 1; tile <= 144; tile += 11) {
        const TCellPos& p = s.TilePos[tile];
        // The middle of the tile's left edge, in the screen picture.
        const QPoint edge = QPoint(s.CoordX(p.column, p.level) - 3, s.CoordY(p.row, p.level) + 25) -
                            render::kBoardShift;
        EXPECT_NE(w->renderer().Screen().pixel(edge), qRgb(0, 0, 0)) << "tile " << tile;
    }
}

// "Random Seed" carries the mark of a specific game: the specific-game commands set it, a
// fully random game clears it, and the entry itself only opens the options page.
TEST_F(Window, ARandomSpecificGameCanBeDealtAgain) {
    auto w = Start();
    QAction* seed = w->action("Random Seed");
    ASSERT_TRUE(seed->isCheckable());
    EXPECT_FALSE(seed->isChecked());
    w->action("Mah-Jongg Solitaire (Random Specific Game)")->trigger();
    EXPECT_TRUE(seed->isChecked());
    const auto board = w->game().state.TilePos;
    w->action("Mah-Jongg Solitaire (Fully Random Game)")->trigger();
    EXPECT_FALSE(seed->isChecked());
    w->action("Mah-Jongg Solitaire (Specific Game)")->trigger();
    EXPECT_TRUE(seed->isChecked());
    EXPECT_EQ(w->game().state.TilePos, board);

    w->openHelp = [](HelpPage) {};
    seed->trigger();
    EXPECT_TRUE(seed->isChecked());
}

TEST_F(Window, TheChooserOpensOnItsFirstLineAndCancelChangesNothing) {
    auto w = Start();
    const int before = w->game().state.LayoutNumber;
    TChooseLayout chooser(w->game().catalog, w->renderer().Screen(), w.get());
    EXPECT_EQ(chooser.layoutList()->currentRow(), 0);
    EXPECT_EQ(chooser.chosen().line, 0);
    EXPECT_NE(chooser.miniature(), QImage());
    chooser.reject();
    EXPECT_EQ(w->game().state.LayoutNumber, before);

    // Playing its last line (a shape layout) makes that layout current.
    chooser.layoutList()->setCurrentRow(chooser.layoutList()->count() - 1);
    emit chooser.layoutList()->itemClicked(chooser.layoutList()->currentItem());
    ASSERT_TRUE(w->game().catalog.PlayChosenLayout(chooser.chosen(), w->game().state));
    EXPECT_EQ(w->game().state.LayoutNumber, w->game().state.LayoutCount);
}

}  // namespace
}  // namespace ribaku
