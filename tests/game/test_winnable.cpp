#include <gtest/gtest.h>

#include "support/play_fixture.h"
#include "variants/rivers_path.h"

namespace ribaku {
namespace {

// Four tiles of one kind: 1 and 4 alone, 3 on top of 2 (two moves among the three free
// tiles). Taking 1 and 4 leaves 3 on 2 and loses; any pair with 3 wins.
class Winnable : public testing::PlayTest {
protected:
    Winnable() {
        StartEmptyClassic();
        Place(1, 2, 2);
        Place(2, 10, 4);
        Place(3, 10, 4, 2);
        Place(4, 20, 2);
        for (int t = 1; t <= 4; ++t) {  // the layout dealt: Back stops there
            const TCellPos& p = game.state.TilePos[t];
            game.state.LayoutMap[LayoutMapIndex(p.column, p.row, p.level)] = 1;
        }
        game.options.ShowWinnable = true;
        game.JudgeWinnable();
    }
    // The moves-left field once the search for the board on screen is over.
    std::string MovesField() {
        game.winnable.WaitIdle();
        game.WriteScore();
        return view.movesText;
    }
};

TEST_F(Winnable, TheMarkFollowsTheBoardAndBackFindsTheLastWinnablePosition) {
    EXPECT_EQ(MovesField(), "2 \u2713");
    Click(1);
    Click(4);  // the careless pair
    ASSERT_EQ(game.state.TilesLeft, 2);
    EXPECT_EQ(MovesField(), "0 \u2717");
    EXPECT_FALSE(game.WinningHint());

    EXPECT_TRUE(game.BackToWinnable());
    EXPECT_EQ(game.state.TilesLeft, 4);
    EXPECT_EQ(MovesField(), "2 \u2713");
    EXPECT_FALSE(game.BackToWinnable());  // nothing to go back from

    const int penalty = game.state.PenaltySeconds;
    EXPECT_TRUE(game.WinningHint());
    EXPECT_TRUE(game.state.HintTile1 == 3 || game.state.HintTile2 == 3);
    EXPECT_EQ(game.state.PenaltySeconds, penalty + 40);
}

// Off, or on a board of a kind that is not judged, nothing is judged and nothing is marked.
TEST_F(Winnable, NothingIsMarkedWithTheOptionOffOrOnABoardOfAnotherRule) {
    game.options.ShowWinnable = false;
    game.JudgeWinnable();
    EXPECT_EQ(MovesField(), "2");
    game.options.ShowWinnable = true;
    game.SetMode(gmTwoPlayers);
    game.JudgeWinnable();
    game.winnable.WaitIdle();
    EXPECT_EQ(game.winnable.Verdict(), SolveVerdict::Winnable);
    game.Memory(Difficulty::Easy);  // the verdict on the board before goes with it
    EXPECT_EQ(game.winnable.Verdict(), SolveVerdict::Unknown);
    EXPECT_EQ(MovesField(), "");
}

// The layout editor opened on a judged board shows no verdict and offers no winning hint
// from the game before.
TEST_F(Winnable, TheEditorShowsNoVerdictOfTheGameBefore) {
    EXPECT_EQ(MovesField(), "2 \u2713");
    game.CreateLayout();
    EXPECT_EQ(game.KnownVerdict(), SolveVerdict::Unknown);
    EXPECT_EQ(MovesField(), "");
    EXPECT_FALSE(game.WinningHint());
    EXPECT_FALSE(game.BackToWinnable());
}

// Rivers, where moves are not counted: the mark stands alone. Kind A lies crossed with kind B
// (1 B / B 2) and has two more tiles, 3 and 4, to the right: pairing 3 with 4 leaves the
// crossing, which no path of three legs undoes.
TEST_F(Winnable, ARiversBoardIsJudgedByItsPaths) {
    game.FourRivers(Difficulty::Easy);
    game.state.Board = TBoard{};
    game.state.TilePos = {};
    game.state.TilesLeft = 0;
    Place(1, 10, 7);
    Place(5, 12, 7);
    Place(6, 10, 9);
    Place(2, 12, 9);
    Place(3, 20, 7);
    Place(4, 20, 9);
    game.JudgeWinnable();
    EXPECT_EQ(MovesField(), "\u2713");
    Click(3);
    Click(4);
    ASSERT_EQ(game.state.TilesLeft, 4);
    EXPECT_EQ(MovesField(), "\u2717");

    EXPECT_TRUE(game.BackToWinnable());
    EXPECT_EQ(game.state.TilesLeft, 6);
    EXPECT_EQ(MovesField(), "\u2713");
    EXPECT_TRUE(game.WinningHint());
    const int first = game.state.HintTile1, second = game.state.HintTile2;
    EXPECT_TRUE(TilesMatch(first, second));
    EXPECT_TRUE(FindRiverPath(game.state, first, second));
    EXPECT_FALSE(first == 3 && second == 4) << "the careless pair again";
}

}  // namespace
}  // namespace ribaku
