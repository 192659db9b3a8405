#include <gtest/gtest.h>

#include "core/deal.h"
#include "core/layout_check.h"
#include "game/game.h"
#include "support/board_checks.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

using testing::BoardAndTilePosAgree;
using testing::ClearsInBuildOrder;

TEST(Fill, MarksOnlyMapValueOneInLevelRowColumnOrder) {
    TBoardState s;
    testing::SetPosition(s.LayoutMap, 5, 2, 2);
    testing::SetPosition(s.LayoutMap, 7, 1, 2);
    testing::SetPosition(s.LayoutMap, 9, 9, 1);
    s.LayoutMap[LayoutMapIndex(3, 3, 1)] = 2;  // kept in the map, but no position
    TPositionList list;
    FillBoard(s, list);
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.pos[1], (TCellPos{9, 9, 1}));
    EXPECT_EQ(list.pos[2], (TCellPos{7, 1, 2}));
    EXPECT_EQ(list.pos[3], (TCellPos{5, 2, 2}));
    EXPECT_EQ(s.Board(5, 2, 2), kUndealt);
    EXPECT_EQ(s.Board(3, 3, 1), 0);
    EXPECT_EQ(s.LayoutMap[LayoutMapIndex(3, 3, 1)], 2);
    EXPECT_EQ(s.TilesLeft, 3);
    EXPECT_EQ(s.TileTotal, 144);
}

class Deals : public ::testing::Test {
protected:
    // A game holds references to itself, so it is set up where it lives.
    static void Configure(Game& game, const TLayoutMap& map, bool winnable, int seed) {
        game.state.LayoutMap = map;
        game.options.Winnable = winnable;
        game.options.RandomSeed1 = true;
        game.state.GameSeed = seed;
    }
    testing::FakeView view;
};

TEST_F(Deals, PlainDealPlacesEveryTileOfTheLayoutOnce) {
    Game game(view);
    Configure(game, testing::RowFixture(10), false, 77);
    EXPECT_EQ(game.DealClassicBoard().outcome, DealOutcome::Plain);
    EXPECT_EQ(game.state.TilesLeft, 10);
    EXPECT_TRUE(BoardAndTilePosAgree(game.state));
    for (int t = 1; t <= 10; ++t)
        EXPECT_TRUE(game.state.TilePos[t].OnBoard()) << t;
    EXPECT_FALSE(game.state.TilePos[11].OnBoard());
}

TEST_F(Deals, SameGameNumberGivesTheSameBoardForBothDeals) {
    for (bool winnable : {false, true}) {
        Game first(view);
        Configure(first, testing::StackedFixture144(), winnable, 424242);
        Game second(view);
        Configure(second, testing::StackedFixture144(), winnable, 424242);
        Game other(view);
        Configure(other, testing::StackedFixture144(), winnable, 424243);
        first.DealClassicBoard();
        second.DealClassicBoard();
        other.DealClassicBoard();
        EXPECT_EQ(first.state.Board, second.state.Board) << winnable;
        EXPECT_EQ(first.state.TilePos, second.state.TilePos) << winnable;
        EXPECT_NE(first.state.TilePos, other.state.TilePos) << winnable;
    }
}

TEST_F(Deals, WithoutAGameNumberTheClockSeedsTheDeal) {
    view.timeOfDay = TimeOfDay{13, 14, 15, 16};
    Game byClock(view);
    Configure(byClock, testing::StackedFixture144(), true, 0);
    byClock.DealClassicBoard();
    Game bySeed(view);
    Configure(bySeed, testing::StackedFixture144(), true,
              static_cast<int>(TRandom::SeedForTime(view.timeOfDay)));
    bySeed.DealClassicBoard();
    EXPECT_EQ(byClock.state.TilePos, bySeed.state.TilePos);

    Game notSpecific(view);

    Configure(notSpecific, testing::StackedFixture144(), true, 5);
    notSpecific.options.RandomSeed1 = false;  // the number is ignored without "Random Seed"
    notSpecific.DealClassicBoard();
    EXPECT_EQ(notSpecific.state.TilePos, bySeed.state.TilePos);
}

TEST(CreateBoard, TwoHundredDealsCanEachBeClearedInBuildOrder) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        TBoardState s;
        s.LayoutMap = testing::StackedFixture144();
        TRandom rng{seed};
        const TDealResult result = CreateBoard(s, rng, DealAnimation{});
        ASSERT_EQ(result.outcome, DealOutcome::Winnable) << seed;
        ASSERT_TRUE(BoardAndTilePosAgree(s)) << seed;
        ASSERT_TRUE(ClearsInBuildOrder(s, result.buildPairs)) << "seed " << seed;
    }
}

TEST(CreateBoard, AnUnclearableLayoutFallsBackToThePlainDeal) {
    TBoardState s;
    for (int l = 1; l <= 4; ++l)
        testing::SetPosition(s.LayoutMap, 9, 9, l);  // one tower
    TRandom rng{3};
    const TDealResult result = CreateBoard(s, rng, DealAnimation{}, 50);
    EXPECT_EQ(result.outcome, DealOutcome::PlainFallback);
    EXPECT_EQ(result.stuckRestarts, 51);
    EXPECT_EQ(s.TilesLeft, 4);
    EXPECT_TRUE(BoardAndTilePosAgree(s));
}

TEST_F(Deals, LayoutsThatCannotBeDealtAreRefusedBeforeAnythingChanges) {
    TLayoutMap tooMany{};
    for (int i = 0; i < 146; ++i)
        tooMany[i * 2] = 1;
    TLayoutMap odd = testing::RowFixture(3);
    TLayoutMap empty{};
    for (const TLayoutMap& map : {tooMany, odd, empty}) {
        Game game(view);
        Configure(game, testing::StackedFixture144(), true, 9);
        game.DealClassicBoard();
        const TBoardState before = game.state;
        game.state.LayoutMap = map;
        EXPECT_THROW(game.DealClassicBoard(), LayoutError);
        EXPECT_EQ(game.state.Board, before.Board);
        EXPECT_EQ(game.state.TilePos, before.TilePos);
        EXPECT_EQ(game.state.TilesLeft, before.TilesLeft);
        EXPECT_EQ(game.state.LayoutMap, map);
    }
}

TEST_F(Deals, AnimationRedrawsOnlyWhenTheOptionAndTheModeAllowIt) {
    Game game(view);
    Configure(game, testing::RowFixture(6), false, 0);
    game.options.RandomSeed1 = false;
    game.options.Animate = true;
    game.state.GameMode = gmSolitaire;
    game.DealClassicBoard();
    EXPECT_EQ(view.Count("FullRedraw"), 1);
    EXPECT_EQ(view.Count("RedrawTile 6"), 1);
    EXPECT_EQ(view.Count("RepaintNow"), 6);

    view.calls.clear();
    game.state.GameMode = gmWelcome;  // first game: tiles drop in, no redraw before
    game.DealClassicBoard();
    EXPECT_EQ(view.Count("FullRedraw"), 0);
    EXPECT_EQ(view.Count("RepaintNow"), 6);

    view.calls.clear();
    game.options.Winnable = true;
    game.state.GameMode = gmSolitaire;
    game.DealClassicBoard();
    EXPECT_EQ(view.Count("FullRedraw"), 1 + 3);  // before, then once per pair
    EXPECT_EQ(view.Count("RepaintNow"), 3);

    view.calls.clear();
    game.options.RandomSeed1 = true;  // a specific game is never animated
    game.state.GameSeed = 12;
    game.DealClassicBoard();
    game.options.Winnable = false;
    game.DealClassicBoard();
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace ribaku
