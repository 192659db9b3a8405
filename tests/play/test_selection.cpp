#include <gtest/gtest.h>

#include "play/hit_test.h"
#include "support/play_fixture.h"
#include "variants/rivers_mode.h"
#include "variants/two_player_mode.h"

namespace ribaku {
namespace {

using testing::PlayTest;
using Calls = std::vector<std::string>;

// Two rows of three tiles: the ends of each row are free, the middles are not.
//   row 2:  1 (kind 0)   9 (kind 2)  13 (kind 3)
//   row 6:  2 (kind 0)  10 (kind 2)   5 (kind 1)
class Selection : public PlayTest {
protected:
    Selection() {
        StartEmptyClassic();
        for (auto [tile, column, row] :
             {std::tuple{1, 2, 2}, {9, 4, 2}, {13, 6, 2}, {2, 2, 6}, {10, 4, 6}, {5, 6, 6}})
            Place(tile, column, row);
        view.calls.clear();
    }
};

TEST_F(Selection, AFreeTileIsSelectedAndABlockedOneRefused) {
    Click(9);
    EXPECT_EQ(game.state.Selected1, 0);
    EXPECT_EQ(view.calls, Calls{"PlaySound noway"});

    view.calls.clear();
    Click(1);
    EXPECT_EQ(game.state.Selected1, 1);
    EXPECT_EQ(view.calls, (Calls{"PlaySound select", "RedrawTile 1"}));
}

TEST_F(Selection, TheSelectedTileClickedAgainIsDeselectedWithSelectNotNoway) {
    Click(1);
    view.calls.clear();
    Click(1);
    EXPECT_EQ(game.state.Selected1, 0);
    EXPECT_EQ(game.state.Selected2, 0);
    EXPECT_EQ(view.calls, (Calls{"PlaySound select", "RedrawTile 1"}));
}

TEST_F(Selection, AnotherKindBecomesTheOnlySelectionAndABlockedTileKeepsTheFirst) {
    Click(1);
    view.calls.clear();
    Click(13);
    EXPECT_EQ(game.state.Selected1, 13);
    EXPECT_EQ(game.state.Selected2, 0);
    EXPECT_EQ(view.calls, (Calls{"RedrawTile 13", "RedrawTile 1", "PlaySound select"}));

    view.calls.clear();
    Click(10);
    EXPECT_EQ(game.state.Selected1, 13);
    EXPECT_EQ(game.state.Selected2, 0);
    EXPECT_EQ(view.calls, Calls{"PlaySound noway"});
}

TEST_F(Selection, AMatchingPairIsRecordedAndRemovedWithDone) {
    Click(1);
    view.calls.clear();
    Click(2);
    EXPECT_EQ(view.calls,
              (Calls{"RedrawTile 2", "RedrawTile 1", "RedrawTile 2", "PlaySound done"}));
    EXPECT_EQ(game.state.TilesLeft, 4);
    EXPECT_EQ(game.state.Selected1, 0);
    EXPECT_EQ(game.state.LastPair1, 1);
    EXPECT_EQ(game.state.LastPair2, 2);
    EXPECT_EQ(game.state.Board(2, 2, 1), 0);
    EXPECT_EQ(game.state.TilePos[2], TCellPos{});
    // The history depth is TileTotal - TilesLeft before the removal: 144 - 6.
    EXPECT_EQ(game.state.History[138].tile, 1);
    EXPECT_EQ(game.state.History[138].pos, (TCellPos{2, 2, 1}));
    EXPECT_EQ(game.state.History[139].tile, 2);
    EXPECT_EQ(game.state.History[139].pos, (TCellPos{2, 6, 1}));
    // The tile beside the removed one is free now.
    Click(9);
    EXPECT_EQ(game.state.Selected1, 9);
}

TEST_F(Selection, TheRightButtonClearsSelectionAndHintAnywhereAndClicksOffTilesDoNothing) {
    Click(1);
    game.state.HintTile1 = 5;
    game.state.HintTile2 = 13;
    view.calls.clear();
    game.ButtonDown(700, 460, TMouseButton::Left);  // no tile there
    EXPECT_TRUE(view.calls.empty());
    game.ButtonDown(700, 460, TMouseButton::Right);
    EXPECT_EQ(game.state.Selected1, 0);
    EXPECT_EQ(game.state.HintTile1, 0);
    EXPECT_EQ(game.state.HintTile2, 0);
    EXPECT_EQ(view.calls, (Calls{"FullRedraw", "RedrawHOF"}));
}

TEST_F(Selection, ClicksAreIgnoredWithoutAGameAndWhileAMemoryPairWaits) {
    for (TGameMode mode : {gmNone, gmGameOver, gmWelcome, gmPaused}) {
        game.state.GameMode = mode;
        Click(1);
        Click(1, TMouseButton::Right);
    }
    game.state.GameMode = gmMemory;
    game.state.MemoryCountdown = 3;
    Click(1);
    Click(1, TMouseButton::Right);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(game.state.Selected1, 0);
}

TEST_F(Selection, TheMiddleButtonSelectsLikeTheLeft) {
    Click(1, TMouseButton::Middle);
    EXPECT_EQ(game.state.Selected1, 1);
}

// The two-player game hands each removed pair to its turn rule, and nothing else.
TEST_F(Selection, TwoPlayersPassTheTurnOnlyAfterARemovedPair) {
    struct TurnCounter : TwoPlayerMode {
        int turns = 0;
        void AfterPair(PlayContext&) override { ++turns; }
    };
    auto kind = std::make_unique<TurnCounter>();
    const TurnCounter& counter = *kind;
    game.kinds.Install(std::move(kind));
    game.state.GameMode = gmTwoPlayers;
    Click(1);
    Click(13);  // another kind: no turn
    EXPECT_EQ(counter.turns, 0);
    Click(5);
    Click(13);
    Click(1);
    Click(2);
    EXPECT_EQ(counter.turns, 1);
    EXPECT_EQ(game.state.TilesLeft, 4);
}

// A kind's pair rule decides whether a matching pair goes; the history keeps where the
// first tile started when the rule moved it on the way.
TEST_F(Selection, APairGoesOnlyWhenTheKindLetsItAndTheHistoryKeepsWhereTheFirstTileStarted) {
    struct SlidingRivers : RiversMode {
        bool reachable = false;
        int FirstTileOff(PlayContext& play, int first, int second) override {
            if (!reachable) return 0;
            // The first tile slides next to the second before both go.
            TBoardState& s = play.state;
            s.Board[s.TilePos[first]] = 0;
            s.TilePos[first] = TCellPos{8, 6, 1};
            s.Board[s.TilePos[first]] = static_cast<uint8_t>(first);
            return second == 2 ? first : 0;
        }
    };
    auto kind = std::make_unique<SlidingRivers>();
    SlidingRivers& rivers = *kind;
    game.kinds.Install(std::move(kind));
    game.state.GameMode = gmRivers;
    Click(10);  // every tile is free in Rivers
    Click(9);
    EXPECT_EQ(game.state.Selected1, 9);  // no path: the new tile is the only selection
    EXPECT_EQ(game.state.TilesLeft, 6);

    rivers.reachable = true;
    Click(1);
    Click(2);
    EXPECT_EQ(game.state.TilesLeft, 4);
    EXPECT_EQ(game.state.Board(8, 6, 1), 0);
    EXPECT_EQ(game.state.History[138].pos, (TCellPos{2, 2, 1}));
}

TEST_F(Selection, MemoryTurnsTwoTilesUpAndTakesNoClickForHalfASecond) {
    game.state.GameMode = gmMemory;
    Click(9);  // face down, so freedom does not matter
    Click(9);  // the same tile again changes nothing
    EXPECT_EQ(game.state.MemoryCountdown, 0);
    Click(10);
    EXPECT_EQ(game.state.Selected1, 9);
    EXPECT_EQ(game.state.Selected2, 10);
    EXPECT_EQ(game.state.MemoryCountdown, 10);
    Click(1);  // ignored while the pair waits
    Ticks(9);
    Click(1, TMouseButton::Right);
    EXPECT_EQ(game.state.Selected2, 10);
    Ticks(1);
    EXPECT_EQ(game.state.MemoryCountdown, 0);
    Click(1, TMouseButton::Right);
    EXPECT_EQ(game.state.Selected1, 0);
}

TEST(HitTest, TheHigherLevelThenTheSmallerColumnThenTheLargerRowWins) {
    TBoardState s;
    // Point (60, 70) from the origin lies in the boxes of (4, 4), (5, 4) and (4, 5) on level 1.
    s.Board(4, 4, 1) = 11;
    s.Board(5, 4, 1) = 12;
    EXPECT_EQ(TileAt(s, 60, 70), 11);
    s.Board(4, 5, 1) = 13;
    EXPECT_EQ(TileAt(s, 60, 70), 13);
    s.Board(4, 4, 2) = 14;
    EXPECT_EQ(TileAt(s, 60, 70), 14);
    // The box is half-open: 46 x 56 from (34, 35) for (4, 4) on level 1.
    TBoardState one;
    one.Board(4, 4, 1) = 7;
    EXPECT_EQ(TileAt(one, 34, 35), 7);
    EXPECT_EQ(TileAt(one, 79, 90), 7);
    EXPECT_EQ(TileAt(one, 80, 70), 0);
    EXPECT_EQ(TileAt(one, 60, 91), 0);
}

class Hover : public Selection {
protected:
    Hover() {
        game.options.HighlightMode = THighlightMode::GreenRectangle;
        game.options.ShowCurrentTile = true;
    }
    void PointAt(int tile) {
        const TCellPos& p = game.state.TilePos[tile];
        game.FormMouseMove(game.state.CoordX(p.column, p.level) - 6,
                           game.state.CoordY(p.row, p.level) + 6);
    }
};

TEST_F(Hover, TheTileUnderThePointerIsHighlightedOnceAndShownInTheBox) {
    PointAt(9);
    EXPECT_EQ(game.state.PointedTile, 9);
    EXPECT_EQ(view.calls, (Calls{"CurrentTile 9", "RedrawHighlight 9"}));
    view.calls.clear();
    PointAt(9);
    EXPECT_EQ(view.calls, Calls{"CurrentTile 9"});
    view.calls.clear();
    PointAt(1);
    EXPECT_EQ(view.calls, (Calls{"CurrentTile 1", "RedrawHighlight 9", "RedrawHighlight 1"}));
    view.calls.clear();
    game.FormMouseMove(700, 460);
    EXPECT_EQ(game.state.PointedTile, 0);
    EXPECT_EQ(view.calls, (Calls{"CurrentTile 0", "RedrawHighlight 1"}));
}

TEST_F(Hover, OnlyPossibleMovesSkipsBlockedTilesExceptInMemory) {
    game.options.OnlyPossibleMoves = true;
    PointAt(9);
    EXPECT_EQ(game.state.PointedTile, 0);
    game.state.GameMode = gmMemory;
    PointAt(9);
    EXPECT_EQ(game.state.PointedTile, 9);
}

TEST_F(Hover, ACoveredFaceClearsTheBoxAndWithoutHighlightNothingHappens) {
    Place(20, 6, 2, 2);  // directly on tile 13
    // The lower edge of 13's box, below the tile on it: 13 is hovered, its face is hidden.
    game.FormMouseMove(81 + 36, 38 + 25);
    EXPECT_EQ(game.state.PointedTile, 13);
    EXPECT_EQ(view.calls.front(), "CurrentTile 0");

    game.options.HighlightMode = THighlightMode::None;
    view.calls.clear();
    PointAt(1);
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace ribaku
