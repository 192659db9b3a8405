#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "app/editor_panel.h"
#include "app/image_view.h"
#include "app/ribaku_window.h"
#include "app/toolbar.h"
#include "app/welcome_panel.h"
#include "core/deal.h"
#include "core/file_io.h"
#include "layouts/lay_format.h"
#include "play/moves.h"
#include "program_folder.h"
#include "render/hall_panel.h"
#include "variants/rivers_deal.h"
#include "variants/rivers_path.h"

namespace ribaku {
namespace {

class WindowPlay : public ::testing::Test {
protected:
    // The entry `caption` of the menu bar's menu `title`.
    static QAction* ActionIn(QMenuBar* bar, const QString& title, const QString& caption) {
        for (QAction* menu : bar->actions())
            if (menu->text() == title && menu->menu())
                for (QAction* entry : menu->menu()->actions())
                    if (entry->text() == caption) return entry;
        return nullptr;
    }
    void SetUp() override {
        folder.WriteSettings("[Ribaku]\nBackground=2\nPlayMusic=0\nPlaySounds=0\n");
        window = std::make_unique<TRibaku>(folder.path());
        window->show();
        QCoreApplication::processEvents();
    }
    // The centre of a tile's face, in the board picture's pixels.
    QPoint FaceCentre(int tile) {
        const TBoardState& s = window->game().state;
        const TCellPos& p = s.TilePos[tile];
        return {s.CoordX(p.column, p.level) - 26 + 20, s.CoordY(p.row, p.level) - 19 + 25};
    }
    void Click(int tile) {
        QTest::mouseClick(window->boardView(), Qt::LeftButton, {}, FaceCentre(tile));
    }
    // The winnable deal of game `number` on the current layout, dealt again to learn the
    // order in which its pairs can be taken off.
    TDealResult ReplayDeal(int32_t number) {
        TBoardState replay;
        replay.LayoutMap = window->game().state.LayoutMap;
        TRandom rng{static_cast<uint32_t>(number)};
        const TDealResult deal = CreateBoard(replay, rng, DealAnimation{});
        EXPECT_EQ(replay.TilePos, window->game().state.TilePos);
        buildOrder = replay;
        return deal;
    }
    void ClickBuildOrder(const TDealResult& deal) {
        for (int k = 1; k <= deal.buildPairs.count; ++k)
            Click(buildOrder.Board[deal.buildPairs.pos[k]]);
    }
    // Closes the hall page or any other dialog the end of a game opens; its title is kept.
    void CloseDialogsAsTheyOpen() {
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                pageShown = modal->windowTitle();
                modal->close();
            }
        });
        closer.start(50);
    }
    testing::ProgramFolder folder;
    std::unique_ptr<TRibaku> window;
    TBoardState buildOrder;
    QTimer closer;
    QString pageShown;
};

TEST_F(WindowPlay, ClickingAFreePairOnTheBoardRemovesIt) {
    Game& game = window->game();
    game.NewGame();
    CountMoves(game.state, game.options);
    int a = 0, b = 0;
    for (int i = 1; i < game.state.FreeCount && !a; ++i)
        if (TilesMatch(game.state.FreeList[i], game.state.FreeList[i + 1])) {
            a = game.state.FreeList[i];
            b = game.state.FreeList[i + 1];
        }
    ASSERT_NE(a, 0) << "the deal has no move";
    Click(a);
    EXPECT_EQ(game.state.Selected1, a);
    Click(b);
    EXPECT_EQ(game.state.TilesLeft, 142);
    EXPECT_FALSE(game.state.TilePos[a].OnBoard());
    EXPECT_FALSE(game.state.TilePos[b].OnBoard());
}

TEST_F(WindowPlay, AWinnableSpecificGameClearedByClicksEntersTheHallOfFame) {
    Game& game = window->game();
    game.options.Winnable = true;
    game.state.GameSeed = 4242;
    game.options.PlayerName = "Winner";
    game.NewSpecificGame1Click();
    const TDealResult deal = ReplayDeal(4242);
    CloseDialogsAsTheyOpen();
    game.state.GameStartTick -= 61000;  // a minute played: well inside the hall
    ClickBuildOrder(deal);
    EXPECT_EQ(game.state.TilesLeft, 0);
    QTest::qWait(300);  // the next ticks end the game

    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_EQ(game.hall.HallNewRank, 1);
    EXPECT_EQ(game.hall.HallTable.Fields(game.state.LayoutNumber, 1).name, "Winner");
    EXPECT_EQ(pageShown, QStringLiteral("Ribaku - Help"));
}

// Rivers as a player meets it: the welcome button, New, the menu entry; a pair with a path
// slides away, Back brings it back, and leaving keeps the classic layout for the next start.
TEST_F(WindowPlay, RiversStartsFromItsButtonsMenuAndNewAndIsPlayedByClicks) {
    Game& game = window->game();
    const int classicLayout = game.state.LayoutNumber;
    QTest::mouseClick(window->welcomePanel()->riversHard, Qt::LeftButton);
    EXPECT_EQ(game.state.GameMode, gmRivers);
    EXPECT_EQ(game.state.TilesLeft, 144);
    QTest::mouseClick(window->toolbar()->button(Toolbar::New), Qt::LeftButton);
    EXPECT_EQ(game.state.LayoutNumber, kRiversHardNumber);
    QAction* easy = window->action("Mah-Jongg Rivers (Easy)");
    ASSERT_TRUE(easy->isEnabled());
    easy->trigger();
    EXPECT_EQ(game.state.LayoutNumber, kRiversEasyNumber);
    EXPECT_EQ(game.state.TilesLeft, 84);

    int first = 0, second = 0;
    for (int a = 1; a <= 84 && !first; ++a)
        for (int b = a + 1; b <= 84 && !first; ++b)
            if (TilesMatch(a, b) && FindRiverPath(game.state, b, a)) {
                first = a;
                second = b;
            }
    ASSERT_NE(first, 0) << "the deal has no pair joined by a path";
    const TCellPos start = game.state.TilePos[first];
    Click(first);
    Click(second);
    EXPECT_EQ(game.state.TilesLeft, 82);
    QTest::mouseClick(window->toolbar()->button(Toolbar::Back), Qt::LeftButton);
    EXPECT_EQ(game.state.TilesLeft, 84);
    EXPECT_EQ(game.state.TilePos[first], start);

    window->close();
    EXPECT_NE(folder.ReadSettings().find("BoardNumber=" + std::to_string(classicLayout) + "\n"),
              std::string::npos);
}

// A whole Rivers Easy game cleared by clicks enters its hall, which the next start reads.
TEST_F(WindowPlay, AClearedRiversBoardEntersItsHallAndOutlivesTheProgram) {
    Game& game = window->game();
    game.options.PlayerName = "Brook";
    game.options.AnimateTileRivers = false;  // the slide has tests of its own
    game.FourRivers(Difficulty::Easy);
    // A deal of a known time, which taking the first joined pair again and again clears.
    DealVariantBoard(game.state, game.random, TimeOfDay{12, 0, 0, 7}, Difficulty::Easy,
                     kRiversBoards);
    game.DrawBoard();

    CloseDialogsAsTheyOpen();
    game.state.GameStartTick -= 125000;
    for (bool taken = true; taken && game.state.TilesLeft > 0;) {
        taken = false;
        for (int a = 1; a <= 84 && !taken; ++a)
            for (int b = a + 1; b <= 84 && !taken; ++b)
                if (game.state.TilePos[a].OnBoard() && game.state.TilePos[b].OnBoard() &&
                    TilesMatch(a, b) && FindRiverPath(game.state, b, a)) {
                    Click(a);
                    Click(b);
                    taken = true;
                }
    }
    ASSERT_EQ(game.state.TilesLeft, 0);
    QTest::qWait(300);  // the next ticks end the game
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_EQ(game.hall.HallTable.Fields(kRiversEasyNumber, 1).name, "Brook");

    window->close();
    window = std::make_unique<TRibaku>(folder.path());
    EXPECT_EQ(window->game().hall.HallTable.Fields(kRiversEasyNumber, 1).name, "Brook");
    EXPECT_EQ(window->game().hall.HallTable.Fields(kRiversHardNumber, 1).name, "---");
}

// Memory as a player meets it: nothing of a face shows before the tile is turned, not in the
// side panel's current-tile box either; the board cleared pair by pair enters its hall.
TEST_F(WindowPlay, MemoryEasyFromItsButtonIsClearedByClicksIntoItsHall) {
    Game& game = window->game();
    game.options.PlayerName = "Memo";
    game.options.ShowCurrentTile = true;
    QTest::mouseClick(window->welcomePanel()->memoryEasy, Qt::LeftButton);
    ASSERT_EQ(game.state.GameMode, gmMemory);
    ASSERT_EQ(game.state.TilesLeft, 32);
    const QImage panel = window->hallPanel().HofBox();
    QTest::mouseMove(window->boardView(), FaceCentre(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->hallPanel().HofBox(), panel);

    CloseDialogsAsTheyOpen();
    game.state.GameStartTick -= 90000;
    for (int tile = 1; tile < 32; tile += 2) {
        Click(tile);
        Click(tile + 1);
        for (int tick = 0; tick < 10; ++tick)  // the half second the pair stays up
            game.Tick();
    }
    EXPECT_EQ(game.state.TilesLeft, 0);
    QTest::qWait(300);
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_EQ(game.hall.HallTable.Fields(kMemoryEasyNumber, 1).name, "Memo");
}

// Two players from the welcome button on a specific game: the clocks run in the side panel,
// the verdict ends the game, and New then deals a classic game.
TEST_F(WindowPlay, ATwoPlayerGameFromItsButtonEndsOnItsVerdict) {
    Game& game = window->game();
    game.options.Winnable = true;
    game.options.RandomSeed1 = true;
    game.state.GameSeed = 4242;
    const QImage emptyPanel = window->hallPanel().HofBox();
    QTest::mouseClick(window->welcomePanel()->twoPlayers, Qt::LeftButton);
    ASSERT_EQ(game.state.GameMode, gmTwoPlayers);
    const TDealResult deal = ReplayDeal(4242);
    QTest::qWait(120);  // the clocks are drawn at the next ticks
    EXPECT_NE(window->hallPanel().HofBox().copy(render::kPlayerClocksArea),
              emptyPanel.copy(render::kPlayerClocksArea));

    CloseDialogsAsTheyOpen();
    game.state.GameStartTick -= 60000;  // a game ends only once its clock has run
    ClickBuildOrder(deal);
    QTest::qWait(300);
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_TRUE(pageShown.isEmpty());  // no hall page for two players
    EXPECT_EQ(game.hall.HallNewRank, 0);
    QTest::mouseClick(window->toolbar()->button(Toolbar::New), Qt::LeftButton);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
}

// Clicks is hidden until the --clicks switch reveals it; a group clicked goes and the blocks
// settle.
TEST_F(WindowPlay, ClicksRevealedByItsSwitchIsPlayedByClicks) {
    Game& game = window->game();
    EXPECT_FALSE(window->action("Mah-Jongg Clicks")->isVisible());
    window->RevealClicks();
    EXPECT_TRUE(window->action("Mah-Jongg Clicks")->isVisible());
    ASSERT_TRUE(window->welcomePanel()->clicksNewGame->isVisible());
    QTest::mouseClick(window->welcomePanel()->clicksNewGame, Qt::LeftButton);
    ASSERT_EQ(game.state.GameMode, gmClicks);

    TClicksGrid& grid = game.state.ClicksGrid;
    grid = TClicksGrid{};
    grid[2][12] = grid[2][11] = 1;  // column 2 empties and column 3 closes over it
    grid[3][12] = 2;
    game.DrawBoard();
    const QPoint column2(32 + 14 + 16 + game.state.BoardOriginX,
                         32 * 11 + 16 + game.state.BoardOriginY);
    const QPoint column3 = column2 + QPoint(32, 0);
    const QRgb secondColour = window->renderer().Screen().pixel(column3);
    QTest::mouseClick(window->boardView(), Qt::LeftButton, {}, column2);
    EXPECT_EQ(grid[2][12], 2);
    EXPECT_EQ(grid[3][12], 0);
    EXPECT_EQ(window->renderer().Screen().pixel(column2), secondColour);
    EXPECT_NE(window->renderer().Screen().pixel(column3), secondColour);
}

// A layout built from nothing by clicks, as a player builds one: three levels, 144 tiles,
// saved under a new name (the layout played before is not touched), listed, played, then
// edited, moved with the editor's Ctrl+S and saved again over its own file.
TEST_F(WindowPlay, ALayoutBuiltByClicksIsSavedListedPlayedAndMoved) {
    Game& game = window->game();
    const std::filesystem::path before = game.catalog.LayoutFile;
    const std::string beforeBytes = ReadWholeFile(before);
    int asked = 0;
    window->askLayoutFile = [&](const std::string& name) {
        ++asked;
        return std::optional(folder.path() / "Layouts" / (name + ".lay"));
    };
    window->action("Create Layout")->trigger();
    ASSERT_EQ(game.state.GameMode, gmEditor);
    EXPECT_EQ(window->editorPanel()->tilesLeftText(), "144");
    EXPECT_FALSE(window->menuBar()->actions().contains(window->menu("&Play")->menuAction()));

    // Rows of 12 on level 1 (6 rows), 2 (4 rows) and 3 (2 rows), placed right to left so that
    // a click never lands over the edge of a neighbour, where the tile would go a level up.
    const std::pair<int, std::pair<int, int>> levels[] = {{1, {5, 15}}, {2, {7, 13}}, {3, {9, 11}}};
    for (const auto& [level, rows] : levels)
        for (int r = rows.first; r <= rows.second; r += 2)
            for (int c = 28; c >= 6; c -= 2)
                QTest::mouseClick(window->boardView(), Qt::LeftButton, {},
                                  QPoint(20 * c + 6 * level - 38 + game.state.BoardOriginX,
                                         25 * r - 6 * level - 45 + game.state.BoardOriginY));
    EXPECT_EQ(window->editorPanel()->tilesLeftText(), "0");
    EXPECT_NE(game.state.Board(28, 11, 3), 0);
    window->editorPanel()->nameEdit()->setText("Pagoda");
    ActionIn(window->menuBar(), "Exit", "Save")->trigger();

    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadWholeFile(before), beforeBytes);
    const std::filesystem::path pagoda = folder.path() / "Layouts" / "Pagoda.lay";
    ASSERT_TRUE(std::filesystem::exists(pagoda));
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(window->menu("&Layout")->actions().last()->text(), "Pagoda");
    EXPECT_TRUE(window->menu("&Layout")->actions().last()->isChecked());
    EXPECT_EQ(game.state.TilesLeft, 144);

    window->action("Edit Layout")->trigger();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);  // "Move to left <"
    EXPECT_NE(game.state.Board(27, 11, 3), 0);  // half a tile to the left
    EXPECT_EQ(game.state.Board(28, 11, 3), 0);
    ActionIn(window->menuBar(), "Exit", "Save")->trigger();
    EXPECT_EQ(asked, 1);  // its own file now
    EXPECT_EQ(ReadLayFile(pagoda).map->at(LayoutMapIndex(27, 11, 3)), 1);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
}

}  // namespace
}  // namespace ribaku
