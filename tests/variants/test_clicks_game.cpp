#include <gtest/gtest.h>

#include "support/fixture_layouts.h"
#include "support/play_fixture.h"
#include "variants/clicks_grid.h"
#include "variants/clicks_mode.h"

namespace ribaku {
namespace {

class ClicksGame : public testing::PlayTest {
protected:
    ClicksGame() {
        game.state.LayoutMap = testing::StackedFixture144();
        game.MahJonggClicks();
    }
    // A release over the middle of block (column, row), as the window reports it.
    void ClickBlock(int column, int row) {
        game.ButtonDown(32 * (column - 1) + 14 + 16 + game.state.BoardOriginX,
                        32 * (row - 1) + 16 + game.state.BoardOriginY, TMouseButton::Left);
    }
};

// The group goes with "done", then the board is shown after the removal and after each pass
// that moved something; a lone block or a click beside the blocks only says "noway".
TEST_F(ClicksGame, AGroupGoesAndEveryPassIsSeenWhileALoneBlockStays) {
    EXPECT_EQ(game.state.GameMode, gmClicks);
    EXPECT_EQ(game.state.LayoutNumber, kClicksNumber);
    EXPECT_EQ(game.state.SavedLayoutNumber, 2);
    TClicksGrid& grid = game.state.ClicksGrid;
    grid = TClicksGrid{};
    grid[2][11] = grid[2][12] = 1;  // a column of its own
    grid[3][10] = 4;                // floats once the block below it...
    grid[3][11] = grid[3][12] = 2;  // ...goes with its neighbour
    grid[4][12] = 3;
    view.calls.clear();

    ClickBlock(3, 12);
    EXPECT_EQ(view.Count("PlaySound done"), 1);
    EXPECT_EQ(view.Count("HoldFrame " + std::to_string(kClicksPassMs)), 2);  // the removal, a fall
    EXPECT_EQ(grid[3][12], 4);

    ClickBlock(2, 12);  // column 2 empties: the others close up, one column in a pass
    EXPECT_EQ(grid[2][12], 4);
    EXPECT_EQ(grid[3][12], 3);
    EXPECT_EQ(grid[4][12], 0);

    view.calls.clear();
    ClickBlock(2, 12);
    ClickBlock(1, 12);
    ClickBlock(20, 12);
    ClickBlock(2, 13);
    EXPECT_EQ(view.Count("PlaySound noway"), 4);
    EXPECT_EQ(view.Count("PlaySound done"), 0);
    EXPECT_EQ(grid[2][12], 4);

    grid[3][11] = 3;  // the last group: once it goes, the player is told
    ClickBlock(3, 12);
    for (int i = 0; i < 200; ++i)
        game.status.Tick(view, game.options.CoolStatus);
    EXPECT_EQ(view.statusText, "No group left to clear. New starts another game.");
}

TEST_F(ClicksGame, NewDealsClicksAgainAndTheHelpDialogComesBackToIt) {
    const TClicksGrid first = game.state.ClicksGrid;
    view.timeOfDay.millisecond += 5;
    game.NewGame();
    EXPECT_EQ(game.state.GameMode, gmClicks);
    EXPECT_NE(game.state.ClicksGrid, first);

    view.whileHelpIsOpen = [&](HelpPage) { EXPECT_EQ(game.state.GameMode, gmPaused); };
    game.CallHelp(HelpPage::Help);
    EXPECT_EQ(game.state.GameMode, gmClicks);
    game.RandomSolitaireGame1Click();
    EXPECT_EQ(game.state.LayoutNumber, 2);
}

}  // namespace
}  // namespace ribaku
