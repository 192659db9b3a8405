#include <gtest/gtest.h>

#include "support/board_checks.h"
#include "support/fixture_layouts.h"
#include "support/play_fixture.h"
#include "variants/memory_deal.h"

namespace ribaku {
namespace {

using testing::InFlatBlock;
using testing::KindsOnLevel;

TEST(MemoryDeal, EasyHoldsCraksOneToEightAndHardTwentyOneKindsFourEach) {
    TBoardState s;
    TRandom random;
    DealVariantBoard(s, random, TimeOfDay{9, 0, 0, 1}, Difficulty::Easy, kMemoryBoards);
    EXPECT_EQ(s.LayoutNumber, kMemoryEasyNumber);
    EXPECT_EQ(s.TileTotal, 32);
    EXPECT_TRUE(testing::BoardAndTilePosAgree(s));
    EXPECT_TRUE(InFlatBlock(s, 1, 10, 24, 7, 13));
    const std::map<int, int> easy = KindsOnLevel(s, 1);
    EXPECT_EQ(easy,
              (std::map<int, int>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}, {7, 4}}));

    DealVariantBoard(s, random, TimeOfDay{9, 0, 0, 2}, Difficulty::LastPlayed, kMemoryBoards);
    EXPECT_EQ(s.LayoutNumber, kMemoryEasyNumber);
    DealVariantBoard(s, random, TimeOfDay{9, 0, 0, 3}, Difficulty::Hard, kMemoryBoards);
    EXPECT_EQ(s.TileTotal, 84);
    EXPECT_TRUE(InFlatBlock(s, 1, 4, 30, 5, 15));
    const std::map<int, int> hard = KindsOnLevel(s, 1);
    EXPECT_EQ(hard.size(), 21u);
    for (const auto& [kind, count] : hard)
        EXPECT_EQ(count, 4) << "kind " << kind;
}

class MemoryGame : public testing::PlayTest {
protected:
    // A Memory game on a board drawn by hand: two Craks 1 and a Crak 2.
    MemoryGame() {
        game.Memory(Difficulty::Easy);
        game.state.Board = TBoard{};
        game.state.TilePos = {};
        game.state.TilesLeft = 0;
        Place(1, 10, 7);
        Place(2, 14, 9);
        Place(5, 18, 11);
        view.calls.clear();
    }
};

// Two tiles stay up for ten ticks, whatever is clicked meanwhile; a wrong pair then turns
// face down again for exactly two seconds more, and a right one goes.
TEST_F(MemoryGame, TwoTurnedTilesAreJudgedAfterHalfASecond) {
    Click(1);
    Click(1);  // the tile already turned: no judgement
    EXPECT_EQ(game.state.MemoryCountdown, 0);
    Click(5);
    EXPECT_EQ(game.state.MemoryCountdown, 10);
    Click(2);  // ignored while the pair is up
    Ticks(9);
    EXPECT_EQ(game.state.Selected2, 5);
    EXPECT_EQ(game.state.PenaltySeconds, 0);
    Ticks(1);
    EXPECT_EQ(game.state.Selected1, 0);
    EXPECT_EQ(game.state.Selected2, 0);
    EXPECT_EQ(game.state.PenaltySeconds, 2);
    EXPECT_EQ(game.state.TilesLeft, 3);
    Ticks(20);  // nothing more is charged
    EXPECT_EQ(game.state.PenaltySeconds, 2);

    Play(3);
    Click(2);
    Click(1);
    Ticks(10);
    EXPECT_EQ(game.state.TilesLeft, 1);
    EXPECT_FALSE(game.state.TilePos[1].OnBoard());
    EXPECT_EQ(view.Count("PlaySound done"), 1);
    EXPECT_EQ(game.state.History[game.state.TileTotal - 3].tile, 2);
    EXPECT_EQ(view.timeText, "00:05");  // three seconds played, two charged
}

TEST_F(MemoryGame, NewPlaysMemoryAgainAtItsDifficultyAndNoJudgementOutlivesAGame) {
    game.Memory(Difficulty::Hard);
    Click(1);
    Click(2);
    game.state.GameMode = gmGameOver;
    game.NewGame();
    EXPECT_EQ(game.state.GameMode, gmMemory);
    EXPECT_EQ(game.state.LayoutNumber, kMemoryHardNumber);
    EXPECT_EQ(game.state.TilesLeft, 84);
    EXPECT_EQ(game.state.MemoryCountdown, 0);
    EXPECT_EQ(game.state.Selected1, 0);
    game.state.LayoutMap = testing::StackedFixture144();
    game.RandomSolitaireGame1Click();
    EXPECT_EQ(game.state.LayoutNumber, 2);
}

}  // namespace
}  // namespace ribaku
