#include <gtest/gtest.h>

#include "core/layout_check.h"
#include "game/game.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

class GameStart : public ::testing::Test {
protected:
    GameStart() : game(view) {
        game.state.LayoutMap = testing::StackedFixture144();
        game.state.LayoutNumber = 2;
        view.timeOfDay = TimeOfDay{9, 30, 0, 250};
        view.nowMs = 5000;
    }
    // The status text once the message has slid in completely.
    std::string SettledStatus() {
        for (int i = 0; i < 200; ++i)
            game.status.Tick(view, game.options.CoolStatus);
        return view.statusText;
    }
    testing::FakeView view;
    Game game;
};

TEST_F(GameStart, AClassicGameResetsThePlayAndLeavesTheWelcomeScreen) {
    game.SetMode(gmWelcome);
    game.state.Selected1 = 9;
    game.state.HintTile1 = 3;
    game.state.PenaltySeconds = 120;
    game.state.BoardFinished = true;
    game.status.NoMovesShown = true;
    game.NewGame();
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(view.Count("HideWelcome"), 1);
    EXPECT_EQ(game.state.TilesLeft, 144);
    EXPECT_EQ(game.state.Selected1, 0);
    EXPECT_EQ(game.state.HintTile1, 0);
    EXPECT_EQ(game.state.PenaltySeconds, 0);
    EXPECT_FALSE(game.state.BoardFinished);
    EXPECT_FALSE(game.status.NoMovesShown);
    EXPECT_EQ(game.state.GameStartTick, 5000u);
    EXPECT_EQ(view.Count("FullRedraw"), 1);
    EXPECT_EQ(SettledStatus(), "New game started.");
}

TEST_F(GameStart, ARandomSpecificGameAnnouncesItsNumberAndCanBeDealtAgain) {
    game.NewRandomSpecificGame1Click();
    const int32_t number = game.state.GameSeed;
    ASSERT_GT(number, 0);
    EXPECT_TRUE(game.options.RandomSeed1);
    EXPECT_EQ(SettledStatus(), "Specific Board started. Random Seed #" + std::to_string(number));
    const auto board = game.state.TilePos;

    view.timeOfDay = TimeOfDay{17, 0, 0, 0};  // another time: the number decides, not the clock
    game.NewGame();
    EXPECT_FALSE(game.options.RandomSeed1);
    EXPECT_NE(game.state.TilePos, board);
    game.NewSpecificGame1Click();
    EXPECT_EQ(game.state.TilePos, board);
}

TEST_F(GameStart, WithoutAGameNumberASpecificGameIsAnOrdinaryOne) {
    game.state.GameSeed = 0;
    game.NewSpecificGame1Click();
    EXPECT_EQ(SettledStatus(), "New game started.");
}

TEST_F(GameStart, AfterAVariantTheCheckedClassicLayoutComesBack) {
    game.state.LayoutNumber = 101;
    game.state.SavedLayoutNumber = 4;
    game.BeginGame();
    EXPECT_EQ(game.state.LayoutNumber, 4);
}

TEST_F(GameStart, ALayoutThatCannotBeDealtChangesNothing) {
    game.SetMode(gmWelcome);
    game.state.LayoutMap = testing::RowFixture(3);
    EXPECT_THROW(game.NewGame(), LayoutError);
    EXPECT_EQ(game.state.GameMode, gmWelcome);
    EXPECT_EQ(view.Count("FullRedraw"), 0);
}

TEST_F(GameStart, AnUnwinnableLayoutIsDealtAtRandomAndThePlayerIsTold) {
    TLayoutMap tower{};
    for (int l = 1; l <= 4; ++l)
        testing::SetPosition(tower, 9, 9, l);
    game.state.LayoutMap = tower;
    game.options.Winnable = true;
    game.BeginGame();
    EXPECT_EQ(game.state.TilesLeft, 4);
    EXPECT_NE(SettledStatus().find("tiles dealt at random"), std::string::npos);
}

TEST_F(GameStart, VerticalVariationRestartsAClassicGameOnlyAfterConfirmation) {
    game.BeginGame();
    const auto board = game.state.TilePos;
    view.answerOk = false;
    game.VerticalClick();
    EXPECT_FALSE(game.options.Vertical);
    EXPECT_EQ(game.state.TilePos, board);

    view.answerOk = true;
    view.timeOfDay = TimeOfDay{10, 0, 0, 0};
    game.VerticalClick();
    EXPECT_TRUE(game.options.Vertical);
    EXPECT_NE(game.state.TilePos, board);
    EXPECT_EQ(
        view.Count("Ask Vertical variation: If you want to change the game mode, you'll have to "
                   "restart your game. Do you wish to continue ?"),
        2);
}

TEST_F(GameStart, VerticalVariationTogglesAtOnceOnlyOutsideAGame) {
    for (TGameMode mode : {gmNone, gmGameOver, gmWelcome}) {
        game.state.GameMode = mode;
        const bool before = game.options.Vertical;
        game.VerticalClick();
        EXPECT_NE(game.options.Vertical, before) << int(mode);
    }
    for (TGameMode mode : {gmTwoPlayers, gmRivers, gmMemory, gmClicks, gmEditor, gmPaused}) {
        game.state.GameMode = mode;
        const bool before = game.options.Vertical;
        game.VerticalClick();
        EXPECT_EQ(game.options.Vertical, before) << int(mode);
    }
    EXPECT_TRUE(view.calls.empty() || view.Count("FullRedraw") == 0);
}

}  // namespace
}  // namespace ribaku
