#include <gtest/gtest.h>

#include <set>

#include "game/game.h"
#include "support/board_checks.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

using testing::BoardAndTilePosAgree;
using testing::ClearsInBuildOrder;

// A winnable deal on the fixture with its first `pairsTaken` build pairs taken off.
TBoardState HalfPlayed(int pairsTaken) {
    TBoardState s;
    s.LayoutMap = testing::StackedFixture144();
    TRandom rng{2024};
    const TDealResult deal = CreateBoard(s, rng, DealAnimation{});
    for (int k = 1; k <= 2 * pairsTaken; ++k) {
        const int tile = s.Board[deal.buildPairs.pos[k]];
        s.Board[deal.buildPairs.pos[k]] = 0;
        s.TilePos[tile] = TCellPos{};
        --s.TilesLeft;
    }
    return s;
}

std::set<int> TilesOnBoard(const TBoardState& s) {
    std::set<int> tiles;
    for (int t = 1; t <= kTileCount; ++t)
        if (s.TilePos[t].OnBoard()) tiles.insert(t);
    return tiles;
}

std::set<std::tuple<int, int, int>> OccupiedCells(const TBoardState& s) {
    std::set<std::tuple<int, int, int>> cells;
    for (int t = 1; t <= kTileCount; ++t)
        if (s.TilePos[t].OnBoard())
            cells.insert({s.TilePos[t].column, s.TilePos[t].row, s.TilePos[t].level});
    return cells;
}

TEST(ShuffleBoard, KeepsCellsAndTilesAndCanBeClearedInBuildOrder) {
    for (int ms = 0; ms < 20; ++ms) {
        TBoardState s = HalfPlayed(36);
        ASSERT_EQ(s.TilesLeft, 72);
        const TBoardState before = s;
        TRandom rng;
        const TShuffleResult result = ShuffleBoard(s, rng, TimeOfDay{10, 0, 0, ms}, {});
        ASSERT_EQ(result.outcome, ShuffleOutcome::Shuffled);
        EXPECT_EQ(TilesOnBoard(s), TilesOnBoard(before));
        EXPECT_EQ(OccupiedCells(s), OccupiedCells(before));
        EXPECT_NE(s.TilePos, before.TilePos);
        EXPECT_TRUE(BoardAndTilePosAgree(s));
        EXPECT_TRUE(ClearsInBuildOrder(s, result.buildPairs)) << "at ms " << ms;
    }
}

TEST(ShuffleBoard, IsSeededFromTheClockNotFromTheGameNumber) {
    TBoardState a = HalfPlayed(20);
    TBoardState b = a;
    TBoardState c = a;
    TRandom rng{5};
    ShuffleBoard(a, rng, TimeOfDay{8, 0, 0, 1}, {});
    rng.RandomState = 5;
    ShuffleBoard(b, rng, TimeOfDay{8, 0, 0, 2}, {});
    ShuffleBoard(c, rng, TimeOfDay{8, 0, 0, 1}, {});
    EXPECT_NE(a.TilePos, b.TilePos);
    EXPECT_EQ(a.TilePos, c.TilePos);
}

TEST(ShuffleBoard, LeavesTheBoardAsItWasWhenItCannotHelp) {
    // One tower: a single free position.
    TBoardState tower;
    for (int l = 1; l <= 4; ++l)
        testing::SetPosition(tower.LayoutMap, 9, 9, l);
    // A tower of three beside one tile: two free positions, but never clearable.
    TBoardState stuck;
    for (int l = 1; l <= 3; ++l)
        testing::SetPosition(stuck.LayoutMap, 9, 9, l);
    testing::SetPosition(stuck.LayoutMap, 20, 9, 1);

    for (auto [s, expected] :
         {std::pair{tower, ShuffleOutcome::TooFewFree}, std::pair{stuck, ShuffleOutcome::GaveUp}}) {
        TRandom rng{1};
        TPositionList positions;
        FillBoard(s, positions);
        PlainDeal(s, rng, {});
        const TBoardState before = s;
        EXPECT_EQ(ShuffleBoard(s, rng, TimeOfDay{}, {}).outcome, expected);
        EXPECT_EQ(s.Board, before.Board);
        EXPECT_EQ(s.TilePos, before.TilePos);
    }
}

TEST(ShuffleBoard, AnimatesOnlyInPlayingModes) {
    testing::FakeView view;
    Game game(view);
    game.state = HalfPlayed(30);
    game.options.Animate = true;
    game.state.GameMode = gmSolitaire;
    game.ShuffleBoard();
    EXPECT_EQ(view.Count("FullRedraw"), 1 + 42);  // before, then per pair of the 84 tiles
    EXPECT_EQ(view.Count("RepaintNow"), 42);

    view.calls.clear();
    game.options.RandomSeed1 = true;  // a specific game skips only the first redraw
    game.ShuffleBoard();
    EXPECT_EQ(view.Count("FullRedraw"), 42);

    view.calls.clear();
    game.state.GameMode = gmGameOver;
    game.ShuffleBoard();
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace ribaku
