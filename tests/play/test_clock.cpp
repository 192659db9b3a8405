#include <gtest/gtest.h>

#include <algorithm>

#include "support/play_fixture.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

using testing::PlayTest;

class Clock : public PlayTest {
protected:
    Clock() {
        StartEmptyClassic();
        Place(1, 2, 10);
        Place(2, 6, 10);
        Place(5, 10, 10);
        view.calls.clear();
    }
};

TEST_F(Clock, ACoolStatusMessageSlidesInOneCharacterPerTick) {
    game.status.Show("Game restarted.");
    Ticks(1);
    EXPECT_EQ(view.statusText, "d.");
    Ticks(12);
    EXPECT_EQ(view.statusText, "ame restarted.");
    Ticks(1);
    EXPECT_EQ(view.statusText, "Game restarted.");
    Ticks(5);
    EXPECT_EQ(view.statusText, "Game restarted.");  // the field keeps it

    game.options.CoolStatus = false;
    game.status.Show("New game started.");
    Ticks(1);
    EXPECT_EQ(view.statusText, "New game started.");
}

TEST_F(Clock, NoMoreMovesSwingsUntilAMoveExistsAgain) {
    game.state.TilePos[2] = TCellPos{};  // take 2 off: 1 and 5 do not match
    game.state.Board(6, 10, 1) = 0;
    game.state.TilesLeft = 2;
    Ticks(1);
    EXPECT_TRUE(game.status.NoMovesShown);
    const std::string message = "      SORRY, NO MORE MOVES !!";
    EXPECT_EQ(game.status.StatusMessage, message);
    const int length = static_cast<int>(message.size());
    int lowest = length;
    int highest = 0;
    std::string last = view.statusText;
    for (int tick = 0; tick < 200; ++tick) {
        Ticks(1);
        const int start = length - static_cast<int>(view.statusText.size()) + 1;
        if (tick > 2) {
            lowest = std::min(lowest, start);
            highest = std::max(highest, start);
        }
        // It moves on every second tick only.
        if (game.status.TickCount % 2 != 0) {
            EXPECT_EQ(view.statusText, last);
        }
        EXPECT_EQ(message.substr(static_cast<size_t>(start - 1)), view.statusText);
        last = view.statusText;
    }
    EXPECT_EQ(lowest, 1);
    EXPECT_EQ(highest, length - 1);

    Place(2, 6, 10);
    Ticks(1);
    EXPECT_FALSE(game.status.NoMovesShown);
}

// Mid-swing, whatever brings moves back (an undo, a reshuffle's message, a new game) takes
// the no-moves message off at once, and a new game is announced.
TEST_F(Clock, MovesComingBackReplaceTheNoMovesMessage) {
    const auto takeTileTwoOff = [&] {
        game.state.TilePos[2] = TCellPos{};
        game.state.Board(6, 10, 1) = 0;
        game.state.TilesLeft = 2;
        Ticks(7);
        ASSERT_TRUE(game.status.NoMovesShown);
        ASSERT_NE(view.statusText.find("!"), std::string::npos);
    };
    takeTileTwoOff();
    Place(2, 6, 10);  // as an undo does
    Ticks(1);
    EXPECT_EQ(view.statusText, " ");
    Ticks(20);
    EXPECT_EQ(view.statusText, " ");

    takeTileTwoOff();
    game.status.Show("Tiles shuffled.");
    Place(2, 6, 10);
    Ticks(30);
    EXPECT_EQ(view.statusText, "Tiles shuffled.");

    takeTileTwoOff();
    game.state.LayoutMap = testing::StackedFixture144();
    game.NewGame();
    Ticks(30);
    EXPECT_EQ(view.statusText, "New game started.");
    EXPECT_FALSE(game.status.NoMovesShown);
}

TEST_F(Clock, TheStatusBarShowsWhatEachModeCounts) {
    game.options.Moves = true;
    game.options.ShowTime = true;
    Play(75);
    EXPECT_EQ(view.tilesText, "3");
    EXPECT_EQ(view.movesText, "1");
    EXPECT_EQ(view.timeText, "01:15");

    game.state.GameMode = gmRivers;
    Ticks(1);
    EXPECT_EQ(view.movesText, "");
    EXPECT_EQ(view.timeText, "01:15");

    game.state.GameMode = gmTwoPlayers;
    Ticks(1);
    EXPECT_EQ(view.movesText, "1");
    EXPECT_EQ(view.timeText, "");

    game.state.GameMode = gmClicks;
    Ticks(1);
    EXPECT_EQ(view.tilesText + view.movesText + view.timeText, "");
}

TEST_F(Clock, AHintShowsInTheTimeAtTheNextTick) {
    Play(59 * 60 + 40);
    EXPECT_EQ(view.timeText, "59:40");
    game.Hint();
    Ticks(1);
    EXPECT_EQ(view.timeText, "60:20");
}

TEST_F(Clock, PauseAndResumeKeepTheTimeAndHideTheBoard) {
    Play(65);
    game.PauseClick();
    EXPECT_EQ(game.state.GameMode, gmPaused);
    EXPECT_EQ(game.state.PausedMode, gmSolitaire);
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"ShowPaused", "ShowBackground", "SetPauseButtons"}));
    view.calls.clear();
    Play(600);
    EXPECT_EQ(view.tilesText, "3");
    EXPECT_EQ(view.movesText, "");
    EXPECT_EQ(view.timeText, "");
    EXPECT_EQ(view.Count("ShowBackground"), 1);  // every tick hides the board again
    Click(1);
    EXPECT_EQ(game.state.Selected1, 0);  // a paused board takes no click

    game.PauseClick();
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(view.Count("ShowRunning"), 1);
    EXPECT_EQ(view.Count("FullRedraw"), 1);
    Play(1);
    EXPECT_EQ(view.timeText, "01:06");
}

TEST_F(Clock, OnlyClassicRiversAndMemoryPause) {
    for (TGameMode mode : {gmTwoPlayers, gmClicks, gmEditor, gmGameOver, gmWelcome}) {
        game.state.GameMode = mode;
        game.PauseClick();
        game.FormDeactivate();
        EXPECT_EQ(game.state.GameMode, mode);
    }
    for (TGameMode mode : {gmSolitaire, gmRivers, gmMemory}) {
        game.state.GameMode = mode;
        game.FormDeactivate();
        EXPECT_EQ(game.state.GameMode, gmPaused);
        game.FormActivate();
        EXPECT_EQ(game.state.GameMode, mode);
    }
}

TEST_F(Clock, AHundredMinutesOfGameTimeStopTheGame) {
    Play(5999);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    Play(1);
    EXPECT_EQ(game.state.GameMode, gmWelcome);
    EXPECT_EQ(view.Count("ShowWelcome"), 1);
    EXPECT_EQ(view.timeText, "");

    StartEmptyClassic();
    Place(1, 2, 10);
    game.state.PenaltySeconds = 40;
    Play(5959);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    Play(1);
    EXPECT_EQ(game.state.GameMode, gmWelcome);
}

TEST_F(Clock, TurningTheTimeOffEmptiesItsFieldAtOnce) {
    Play(3);
    game.options.ShowTime = false;
    game.WriteScore();
    EXPECT_EQ(view.timeText, "");
    Play(3);
    EXPECT_EQ(view.timeText, "");
    game.options.ShowTime = true;
    Play(1);
    EXPECT_EQ(view.timeText, "00:07");
}

class Help : public Clock {
protected:
    Help() {
        view.whileHelpIsOpen = [this](HelpPage) { modeWhileOpen = game.state.GameMode; };
    }
    TGameMode modeWhileOpen = gmNone;
};

TEST_F(Help, TheDialogPausesTheGameAndTheClockGoesOnFromWhereItStopped) {
    Play(20);
    game.CallHelp(HelpPage::Help);
    EXPECT_EQ(modeWhileOpen, gmPaused);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    Play(1);
    EXPECT_EQ(view.timeText, "00:21");

    game.PauseClick();  // paused by the player: closing the dialog resumes the game too
    game.CallHelp(HelpPage::Options);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(view.Count("CallHelp 5"), 1);
}

TEST_F(Help, TheDialogLeavesTheWelcomePanelAndClicksAsTheyWereAndNeverOpensForTwoPlayers) {
    game.SetMode(gmWelcome);
    view.calls.clear();
    game.CallHelp(HelpPage::About);
    EXPECT_EQ(modeWhileOpen, gmPaused);
    EXPECT_EQ(game.state.GameMode, gmWelcome);
    EXPECT_EQ(view.Count("HideWelcome"), 0);

    game.state.GameMode = gmClicks;
    game.CallHelp(HelpPage::Tiles);
    EXPECT_EQ(game.state.GameMode, gmClicks);

    game.state.GameMode = gmTwoPlayers;
    view.calls.clear();
    game.CallHelp(HelpPage::Help);
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace ribaku
