#include <gtest/gtest.h>

#include "game/game.h"
#include "support/fake_view.h"

namespace ribaku {
namespace {

TEST(Game, StartsWithNoGameAndTheWelcomeScreenToReturnTo) {
    testing::FakeView view;
    Game game(view);
    EXPECT_EQ(game.state.GameMode, gmNone);
    EXPECT_EQ(game.state.PausedMode, gmWelcome);
    EXPECT_TRUE(view.calls.empty());
}

TEST(Game, ModeSetterShowsAndHidesTheWelcomePanel) {
    testing::FakeView view;
    Game game(view);
    game.SetMode(gmWelcome);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ShowWelcome"});
    game.SetMode(gmSolitaire);
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowWelcome", "HideWelcome"}));
    game.SetMode(gmGameOver);
    EXPECT_EQ(view.calls.size(), 2u);
}

}  // namespace
}  // namespace ribaku
