#include <gtest/gtest.h>

#include "support/play_fixture.h"
#include "play/time_text.h"
#include "variants/two_player_mode.h"

namespace ribaku {
namespace {

using testing::PlayTest;

// One free pair left on the board, a classic game under way.
class EndOfGame : public PlayTest {
protected:
    EndOfGame() {
        StartEmptyClassic();
        Place(1, 2, 10);
        Place(2, 6, 10);
        view.whileHelpIsOpen = [this](HelpPage page) {
            pageOpened = page;
            modeWhileOpen = game.state.GameMode;
            rankMessage = game.hall.RankMessage(game.state.LayoutNumber, game.options.PlayerName);
            fromGameOver = game.hall.HallFromGameOver;
        };
        view.calls.clear();
    }
    // Takes the last pair at `seconds` of play; the next tick ends the game.
    void WinAt(int seconds) {
        view.nowMs += static_cast<uint32_t>(seconds) * 1000u;
        Click(1);
        Click(2);
        game.Tick();
    }
    std::string SettledStatus() {
        Ticks(100);
        return view.statusText;
    }

    std::optional<HelpPage> pageOpened;
    TGameMode modeWhileOpen = gmNone;
    std::string rankMessage;
    bool fromGameOver = false;
};

TEST_F(EndOfGame, AWinInFourFiftyNineEntersTheHallAtRankOneAndEndsInGameOver) {
    game.options.PlayerName = "Ann";
    WinAt(4 * 60 + 59);
    EXPECT_TRUE(game.state.BoardFinished);
    EXPECT_TRUE(game.state.GameOverDone);
    EXPECT_EQ(game.hall.HallNewRank, 1);
    EXPECT_EQ(game.hall.HallTable.Entry(2, 1), "Ann       299    0");
    EXPECT_EQ(game.hall.HallTable.Fields(2, 10).total, 13 * 60);  // 14:00 dropped
    ASSERT_EQ(pageOpened, HelpPage::HallOfFame);
    EXPECT_TRUE(fromGameOver);
    EXPECT_EQ(modeWhileOpen, gmPaused);
    EXPECT_EQ(rankMessage, "You reached rank #1, Ann ! Your score : 04:59");
    EXPECT_FALSE(game.hall.HallFromGameOver);
    // After the hall page closes, the game is over, whatever the last pause left behind.
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_EQ(game.state.PausedMode, gmGameOver);
    EXPECT_EQ(SettledStatus(), "You WON ! Your time is : 04:59");
    EXPECT_EQ(view.tilesText + view.movesText + view.timeText, "");
}

TEST_F(EndOfGame, TheTenthPlacesTimeIsNotEnoughAndAPenaltyCounts) {
    game.state.PenaltySeconds = 40;
    WinAt(800);  // 840 in all, equal to the tenth entry
    EXPECT_FALSE(pageOpened.has_value());
    EXPECT_EQ(game.hall.HallNewRank, 0);
    EXPECT_TRUE(game.hall.HallTable.HoldsOnlyDefaults(2));
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_EQ(SettledStatus(), "You WON ! Your time is : 14:00");
}

TEST_F(EndOfGame, WithoutTimeTrackingTheWinLeavesTheHallAloneOnTheWelcomePanel) {
    game.options.EnableHall = false;
    WinAt(100);
    EXPECT_FALSE(pageOpened.has_value());
    EXPECT_TRUE(game.hall.HallTable.HoldsOnlyDefaults(2));
    EXPECT_EQ(game.state.GameMode, gmWelcome);
    EXPECT_EQ(view.Count("ShowWelcome"), 1);
    EXPECT_EQ(SettledStatus(), "Congratulations !! You WON !");
}

TEST_F(EndOfGame, ABoardEmptiedInTheFirstSecondEndsOnceTheClockShowsOne) {
    WinAt(0);
    EXPECT_FALSE(game.state.BoardFinished);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    Play(1);
    EXPECT_TRUE(game.state.BoardFinished);
    EXPECT_EQ(game.state.GameMode, gmGameOver);
}

TEST_F(EndOfGame, LaterRedrawsOnlyKeepTheBoardHidden) {
    WinAt(100);
    view.calls.clear();
    pageOpened.reset();
    game.DrawBoard();
    Ticks(3);
    EXPECT_EQ(view.Count("ShowBackground"), 1);
    EXPECT_EQ(view.Count("ShowPanelHOF"), 0);
    EXPECT_FALSE(pageOpened.has_value());
    EXPECT_EQ(game.state.GameMode, gmGameOver);
}

TEST_F(EndOfGame, APauseNeverEndsAnUnfinishedGame) {
    Play(10);
    game.PauseClick();
    game.DrawBoard();  // hidden behind the background while paused
    EXPECT_EQ(view.calls.back(), "ShowBackground");
    EXPECT_EQ(game.state.PausedMode, gmSolitaire);
    game.PauseClick();
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_FALSE(game.state.GameOverDone);
}

TEST_F(EndOfGame, TwoPlayersGetTheirVerdictOnceAndNoHallEntry) {
    struct VerdictCounter : TwoPlayerMode {
        int verdicts = 0;
        bool GiveVerdict(PlayContext& play) override {
            ++verdicts;
            return TwoPlayerMode::GiveVerdict(play);
        }
    };
    auto kind = std::make_unique<VerdictCounter>();
    const VerdictCounter& counter = *kind;
    game.kinds.Install(std::move(kind));
    game.state.GameMode = gmTwoPlayers;
    WinAt(100);
    EXPECT_EQ(counter.verdicts, 1);
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_TRUE(game.hall.HallTable.HoldsOnlyDefaults(2));
    EXPECT_EQ(view.Count("CallHelp 6"), 0);
    Ticks(5);
    EXPECT_EQ(counter.verdicts, 1);
}

// A whole game as a player clears it: every pair of a winnable specific deal clicked in the
// order it was built, a few seconds apart, with the clock ticking in between.
TEST_F(EndOfGame, AWinnableDealClearedByClicksEntersTheHall) {
    StartWinnableDeal(777);
    game.options.PlayerName = "Clicker";
    for (int pair = 1; pair <= 72; ++pair) {
        ASSERT_EQ(game.state.GameMode, gmSolitaire) << "pair " << pair;
        const int first = BuildPairTile(pair, 1);
        const int second = BuildPairTile(pair, 2);
        Click(first);
        ASSERT_EQ(game.state.Selected1, first) << "pair " << pair;
        Click(second);
        ASSERT_EQ(game.state.TilesLeft, 144 - 2 * pair) << "pair " << pair;
        Play(3);
    }
    EXPECT_EQ(game.state.GameMode, gmGameOver);
    EXPECT_EQ(pageOpened, HelpPage::HallOfFame);
    EXPECT_EQ(game.hall.HallNewRank, 1);
    EXPECT_EQ(game.hall.HallTable.Entry(2, 1), "Clicker   216    0");
    EXPECT_EQ(rankMessage, "You reached rank #1, Clicker ! Your score : 03:36");
    EXPECT_EQ(game.PanelHOF().lines[0].name.text, "Clicker");
    EXPECT_TRUE(game.PanelHOF().lines[0].newEntry);
}

}  // namespace
}  // namespace ribaku
