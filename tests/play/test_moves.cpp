#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "support/play_fixture.h"
#include "support/board_checks.h"
#include "support/fixture_layouts.h"
#include "play/moves.h"

namespace ribaku {
namespace {

using testing::PlayTest;

class Moves : public PlayTest {
protected:
    Moves() { StartEmptyClassic(); }
    // Tiles far apart on level 1: each of them is free.
    void PlaceApart(std::initializer_list<int> tiles) {
        int column = 2;
        for (int tile : tiles) {
            Place(tile, column, 10);
            column += 4;
        }
    }
    std::string SettledStatus() {
        Ticks(200);
        return view.statusText;
    }
    std::set<std::tuple<int, int, int>> OccupiedCells() const {
        std::set<std::tuple<int, int, int>> cells;
        for (int t = 1; t <= kTileCount; ++t) {
            const TCellPos& p = game.state.TilePos[t];
            if (p.OnBoard()) cells.emplace(p.column, p.row, p.level);
        }
        return cells;
    }
};

TEST_F(Moves, FourFreeTilesOfOneKindCountThreeMoves) {
    PlaceApart({1, 2, 3, 4, 5, 9});
    CountMoves(game.state, game.options);
    EXPECT_EQ(game.state.FreeCount, 6);
    EXPECT_EQ(game.state.MovesLeft, 3);
    Place(10, 2, 12);  // kind 2, free too: one more move
    CountMoves(game.state, game.options);
    EXPECT_EQ(game.state.MovesLeft, 4);
}

TEST_F(Moves, TheCountFollowsTheVerticalRuleAndOnlyRunsInKindsThatTakeFreePairs) {
    // 1 and 2 lie hemmed in between 3 and 4 on the left and right, open above and below.
    Place(3, 2, 10);
    Place(1, 4, 10);
    Place(2, 6, 10);
    Place(4, 8, 10);
    CountMoves(game.state, game.options);
    EXPECT_EQ(game.state.MovesLeft, 1);  // 3 and 4
    game.options.Vertical = true;
    CountMoves(game.state, game.options);
    EXPECT_EQ(game.state.MovesLeft, 3);
    for (TGameMode mode : {gmRivers, gmMemory}) {
        game.state.GameMode = mode;
        game.state.MovesLeft = 77;
        game.WriteScore();
        EXPECT_EQ(game.state.MovesLeft, 77);
    }
    game.state.GameMode = gmTwoPlayers;
    game.WriteScore();
    EXPECT_EQ(game.state.MovesLeft, 3);
}

TEST_F(Moves, ThreeHintsWithTwoMovesShowPairOneTwoOneAndCostFortySecondsEach) {
    PlaceApart({6, 1, 5, 2});
    CountMoves(game.state, game.options);
    ASSERT_EQ(game.state.MovesLeft, 2);
    game.Hint();
    EXPECT_EQ(std::pair(game.state.HintTile1, game.state.HintTile2), std::pair(1, 2));
    game.Hint();
    EXPECT_EQ(std::pair(game.state.HintTile1, game.state.HintTile2), std::pair(5, 6));
    game.Hint();
    EXPECT_EQ(std::pair(game.state.HintTile1, game.state.HintTile2), std::pair(1, 2));
    EXPECT_EQ(game.state.PenaltySeconds, 120);
    EXPECT_EQ(view.Count("FullRedraw"), 3);
}

TEST_F(Moves, NoHintWithoutAMoveOrOutsideTheClassicGame) {
    PlaceApart({1, 5});
    CountMoves(game.state, game.options);
    game.Hint();
    EXPECT_EQ(game.state.HintTile1, 0);
    Place(2, 2, 14);
    CountMoves(game.state, game.options);
    game.state.GameMode = gmRivers;
    game.Hint();
    EXPECT_EQ(game.state.HintTile1, 0);
    EXPECT_EQ(game.state.PenaltySeconds, 0);
}

TEST_F(Moves, BackPutsTheLastPairBackAndALaterPairOverwritesItsEntries) {
    StartWinnableDeal();
    ClickBuildPair(1);
    const int a = BuildPairTile(2, 1);
    const int b = BuildPairTile(2, 2);
    ClickBuildPair(2);
    EXPECT_EQ(game.state.History[2].tile, a);
    EXPECT_EQ(game.state.History[3].tile, b);
    game.state.HintTile1 = 7;
    game.Back();
    EXPECT_EQ(game.state.TilesLeft, 142);
    EXPECT_EQ(game.state.Board[game.state.TilePos[a]], a);
    EXPECT_EQ(game.state.TilePos[b], buildPairs.pos[4]);
    EXPECT_EQ(game.state.HintTile1, 0);
    EXPECT_TRUE(testing::BoardAndTilePosAgree(game.state));
    ClickBuildPair(2);
    EXPECT_EQ(game.state.History[2].tile, a);
    EXPECT_EQ(game.state.TilesLeft, 140);
}

TEST_F(Moves, BackDoesNothingBeforeTheFirstPairAfterTheLastOrOnAShortLayout) {
    StartWinnableDeal();
    const TBoardState fresh = game.state;
    game.Back();
    EXPECT_EQ(game.state.Board, fresh.Board);
    EXPECT_EQ(game.state.TilesLeft, 144);

    game.state.TilesLeft = 0;
    game.Back();
    EXPECT_EQ(game.state.TilesLeft, 0);

    // A layout of four positions starts with TilesLeft 4 of TileTotal 144; the history above
    // its depth holds pairs of the game before, which must not come back.
    game.state.LayoutMap = testing::RowFixture(4);
    game.NewGame();
    game.state.History[138] = TTileSlot{57, TCellPos{10, 10, 1}};
    game.state.History[139] = TTileSlot{58, TCellPos{14, 10, 1}};
    const TBoardState shortGame = game.state;
    game.Back();
    game.Restart();
    EXPECT_EQ(game.state.Board, shortGame.Board);
    EXPECT_EQ(game.state.TilesLeft, 4);
}

TEST_F(Moves, RestartPutsEveryPairBackAndStartsTheClockAgain) {
    StartWinnableDeal();
    for (int pair = 1; pair <= 3; ++pair)
        ClickBuildPair(pair);
    Play(95);
    game.state.PenaltySeconds = 80;
    game.state.PointedTile = 9;
    game.Restart();
    EXPECT_EQ(game.state.TilesLeft, 144);
    for (int k = 1; k <= 6; ++k)
        EXPECT_NE(game.state.Board[buildPairs.pos[k]], 0);
    EXPECT_TRUE(testing::BoardAndTilePosAgree(game.state));
    EXPECT_EQ(game.state.ElapsedSeconds, 0);
    EXPECT_EQ(game.state.PenaltySeconds, 0);
    EXPECT_EQ(game.state.PointedTile, 0);
    EXPECT_EQ(game.state.GameStartTick, view.nowMs);
    EXPECT_EQ(SettledStatus(), "Game restarted.");
    EXPECT_EQ(view.timeText, "00:00");
}

// Each kind without undo refuses it, whatever the history holds.
TEST_F(Moves, BackAndRestartOnlyInTheClassicGameAndRivers) {
    StartWinnableDeal();
    ClickBuildPair(1);
    for (TGameMode mode : {gmTwoPlayers, gmMemory, gmClicks, gmEditor, gmPaused, gmWelcome}) {
        game.state.GameMode = mode;
        game.Back();
        game.Restart();
        EXPECT_EQ(game.state.TilesLeft, 142);
    }
    game.state.GameMode = gmRivers;
    game.Back();
    EXPECT_EQ(game.state.TilesLeft, 144);
}

TEST_F(Moves, ARandomShuffleKeepsTheCellsAndChargesTenSecondsPerMoveFound) {
    game.options.Shuffable = false;
    PlaceApart({1, 2, 3, 4, 5});
    const auto cells = OccupiedCells();
    game.Shuffle1Click();
    EXPECT_EQ(OccupiedCells(), cells);
    EXPECT_TRUE(testing::BoardAndTilePosAgree(game.state));
    EXPECT_EQ(game.state.PenaltySeconds, 30);
    EXPECT_EQ(SettledStatus(), "Tiles shuffled. 3 new moves found.");
    EXPECT_EQ(view.Count("FullRedraw"), 1);
}

TEST_F(Moves, ShuffleMessagesForOneAndNoMove) {
    game.options.Shuffable = false;
    PlaceApart({1, 2, 5});
    game.Shuffle1Click();
    EXPECT_EQ(SettledStatus(), "Tiles shuffled. 1 new move found.");
    EXPECT_EQ(game.state.PenaltySeconds, 10);
}

TEST_F(Moves, AShuffleWithoutAnyMoveGivesUpAfterItsPassesWithoutPenalty) {
    game.options.Shuffable = false;
    PlaceApart({1, 5, 9});
    const uint32_t before = game.random.RandomState;
    game.Shuffle1Click();
    EXPECT_NE(game.random.RandomState, before);
    EXPECT_EQ(game.status.StatusMessage, "No moves found. Try to press Back a few times.");
    EXPECT_EQ(game.state.PenaltySeconds, 0);
}

TEST_F(Moves, AWinnableShuffleLeavesAClearableBoardWithTheSameRules) {
    StartWinnableDeal();
    for (int pair = 1; pair <= 10; ++pair)
        ClickBuildPair(pair);
    const auto cells = OccupiedCells();
    game.state.HintTile1 = 3;
    game.state.Selected1 = 4;
    view.timeOfDay = TimeOfDay{11, 12, 13, 14};
    game.Shuffle1Click();
    EXPECT_EQ(OccupiedCells(), cells);
    EXPECT_EQ(game.state.HintTile1, 0);
    EXPECT_EQ(game.state.Selected1, 0);
    CountMoves(game.state, game.options);
    const int moves = game.state.MovesLeft;
    EXPECT_GT(moves, 0);
    EXPECT_EQ(game.state.PenaltySeconds, 10 * moves);
    EXPECT_NE(SettledStatus().find(std::to_string(moves) + " new move"), std::string::npos);
}

TEST_F(Moves, TwoPlayersShuffleFreeAndRiversSilentlyAndAFinishedBoardNotAtAll) {
    game.options.Shuffable = false;
    PlaceApart({1, 2, 3, 4, 5});
    game.state.GameMode = gmTwoPlayers;
    game.Shuffle1Click();
    EXPECT_EQ(game.state.PenaltySeconds, 0);
    EXPECT_EQ(SettledStatus(), "Tiles shuffled. 3 new moves found.");

    game.status.Show("before");
    game.state.GameMode = gmRivers;
    game.Shuffle1Click();
    EXPECT_EQ(game.state.PenaltySeconds, 0);
    EXPECT_EQ(game.status.StatusMessage, "before");

    game.state.GameMode = gmSolitaire;
    game.state.BoardFinished = true;
    view.calls.clear();
    game.Shuffle1Click();
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(Moves, StopWhilePausedMovesTheClockOnAndShowsTheWelcomePanel) {
    PlaceApart({1, 2});
    Play(30);
    game.PauseClick();
    view.nowMs += 600000;
    view.calls.clear();
    game.Stop();
    EXPECT_EQ(game.state.GameMode, gmWelcome);
    EXPECT_EQ(game.state.GameStartTick, view.nowMs - 30000u);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowRunning", "SetPauseButtons", "ShowWelcome",
                                                    "ShowBackground"}));
}

TEST_F(Moves, TurningTheMovesOffEmptiesTheirFieldAtOnce) {
    PlaceApart({1, 2});
    game.Tick();
    EXPECT_EQ(view.movesText, "1");
    game.options.Moves = false;
    game.WriteScore();
    EXPECT_EQ(view.movesText, "");
    game.Tick();
    EXPECT_EQ(view.movesText, "");
}

}  // namespace
}  // namespace ribaku
