#include <gtest/gtest.h>

#include "support/play_fixture.h"
#include "variants/two_player_mode.h"

namespace ribaku {
namespace {

// A winnable specific deal of the 144-tile fixture, played by two.
class TwoPlayers : public testing::PlayTest {
protected:
    TwoPlayers() {
        StartWinnableDeal();
        game.TwoPlayers();
        view.calls.clear();
    }
    // The status text once the message has slid in completely.
    std::string SettledStatus() {
        for (int i = 0; i < 200; ++i)
            game.status.Tick(view, game.options.CoolStatus);
        return view.statusText;
    }
    // What the side panel's clocks last showed: whose turn, the tick, both times in seconds.
    std::string LastClocks() const {
        for (auto call = view.calls.rbegin(); call != view.calls.rend(); ++call)
            if (call->rfind("PlayerClocks ", 0) == 0) return *call;
        return "";
    }
    // Pair `pair` of the build order taken after `seconds` of thinking.
    void TakePairAfter(int pair, int seconds) {
        view.nowMs += static_cast<uint32_t>(seconds) * 1000u;
        ClickBuildPair(pair);
    }
    // Every pair taken, player 1's turns lasting `seconds1` and player 2's `seconds2`, then
    // the tick that ends the game; the last pair by player 2 takes `lastSeconds`.
    void PlayToTheEnd(int seconds1, int seconds2, int lastSeconds) {
        const int pairs = static_cast<int>(buildPairs.count) / 2;
        for (int pair = 1; pair <= pairs; ++pair)
            TakePairAfter(pair, pair == pairs ? lastSeconds : pair % 2 ? seconds1 : seconds2);
        game.Tick();
    }
};

TEST_F(TwoPlayers, ASpecificGameDealsTheClassicBoardAndPlayerOneMovesFirst) {
    const auto twoPlayerBoard = game.state.TilePos;
    game.NewSpecificGame1Click();
    EXPECT_EQ(game.state.TilePos, twoPlayerBoard);
    game.TwoPlayers();
    EXPECT_EQ(game.state.GameMode, gmTwoPlayers);
    EXPECT_FALSE(game.state.SecondPlayerTurn);
    EXPECT_EQ(SettledStatus(), "Specific Board started. Random Seed #4242");
    game.options.RandomSeed1 = false;
    game.NewGame();  // New during the game: two players again
    EXPECT_EQ(game.state.GameMode, gmTwoPlayers);
    EXPECT_EQ(SettledStatus(), "Two-Player Solitaire started.");
}

// Each turn lasts until the player to move takes a pair off; a pair that does not match ends
// nothing. The clock of the player to move runs in the side panel.
TEST_F(TwoPlayers, TheTurnPassesOnlyWithAPairAndEachPlayerIsChargedTheirOwnTime) {
    view.nowMs += 4000;
    Click(BuildPairTile(1, 1));
    Click(BuildPairTile(1, 1));  // let go again
    Click(BuildPairTile(1, 2));
    game.ButtonDown(0, 0, TMouseButton::Right);
    EXPECT_FALSE(game.state.SecondPlayerTurn);
    TakePairAfter(1, 1);
    EXPECT_TRUE(game.state.SecondPlayerTurn);
    EXPECT_EQ(game.state.PlayerTime1, 5000);
    view.nowMs += 7500;
    game.Tick();
    EXPECT_EQ(LastClocks(), "PlayerClocks 2 " + std::to_string(view.nowMs) + " 5 7");
    TakePairAfter(2, 0);
    EXPECT_FALSE(game.state.SecondPlayerTurn);
    EXPECT_EQ(game.state.PlayerTime2, 7500);
    EXPECT_EQ(game.state.PlayerTime1, 5000);
}

// Time spent in another program counts for nobody; there is no pause and no help dialog.
TEST_F(TwoPlayers, TimeAwayFromTheGameIsNobodysThinkingTime) {
    view.nowMs += 2000;
    game.FormDeactivate();
    view.nowMs += 60000;
    game.Tick();
    EXPECT_EQ(LastClocks(), "PlayerClocks 1 " + std::to_string(view.nowMs) + " 2 0");
    game.FormActivate();
    game.PauseClick();
    game.CallHelp(HelpPage::Help);
    EXPECT_EQ(game.state.GameMode, gmTwoPlayers);
    EXPECT_EQ(view.Count("CallHelp 0") + view.Count("ShowPaused"), 0);
    TakePairAfter(1, 1);
    EXPECT_EQ(game.state.PlayerTime1, 3000);
}

// Player 2 takes the last pair; its time counts before the verdict, which no hall enters.
TEST_F(TwoPlayers, TheVerdictWeighsTheTimesWithTheLastPairCounted) {
    struct Game {
        int seconds1, seconds2, lastSeconds;
        const char* verdict;
    };
    for (const Game g : {Game{1, 1, 1, "Same score for both players !"},
                         Game{2, 1, 1, "Player 2 WON ! Congratulations !"},
                         Game{1, 1, 10, "Player 1 WON ! Congratulations !"}}) {
        game.TwoPlayers();
        view.calls.clear();
        PlayToTheEnd(g.seconds1, g.seconds2, g.lastSeconds);
        EXPECT_EQ(game.state.GameMode, gmGameOver);
        EXPECT_EQ(SettledStatus(), g.verdict);
        EXPECT_EQ(game.hall.HallNewRank, 0);
        EXPECT_EQ(view.Count("CallHelp 6"), 0);
    }
}

}  // namespace
}  // namespace ribaku
