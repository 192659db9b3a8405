#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/image_view.h"
#include "app/ribaku_window.h"
#include "app/toolbar.h"
#include "app/welcome_panel.h"
#include "core/deal.h"
#include "program_folder.h"
#include "play/moves.h"
#include "variants/rivers_deal.h"
#include "variants/rivers_path.h"

namespace ribaku {
namespace {

class WindowPlay : public ::testing::Test {
protected:
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
    testing::ProgramFolder folder;
    std::unique_ptr<TRibaku> window;
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

    // The same deal again, to learn the order in which it can be cleared.
    TBoardState replay;
    replay.LayoutMap = game.state.LayoutMap;
    TRandom rng{4242};
    const TDealResult deal = CreateBoard(replay, rng, DealAnimation{});
    ASSERT_EQ(replay.TilePos, game.state.TilePos);

    QString pageShown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            pageShown = modal->windowTitle();
            modal->close();
        }
    });
    closer.start(50);
    game.state.GameStartTick -= 61000;  // a minute played: well inside the hall
    for (int k = 1; k <= deal.buildPairs.count; ++k)
        Click(replay.Board[deal.buildPairs.pos[k]]);
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
    DealRiversBoard(game.state, game.random, TimeOfDay{12, 0, 0, 7}, Difficulty::Easy);
    game.DrawBoard();

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(50);
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

}  // namespace
}  // namespace ribaku
