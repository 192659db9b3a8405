// The highlight options as the menus drive them.
#include <gtest/gtest.h>

#include "game/game.h"
#include "support/fake_view.h"

namespace ribaku {
namespace {

using Pen = THighlightPen;

TEST(Highlight, RectangleModesSetTheirPenAndTheOthersKeepTheLastOne) {
    testing::FakeView view;
    Game game(view);
    game.ColorHighlight();  // start-up, with the default "Green Rectangle"
    EXPECT_EQ(game.HighlightPen, (Pen{0, 128, 0, 3}));

    game.ChooseHighlight(THighlightMode::RedRectangle);
    EXPECT_EQ(game.HighlightPen, (Pen{255, 0, 0, 3}));

    game.ChooseHighlight(THighlightMode::ColouredTile);  // keeps the red pen for later
    game.ColorHighlight();                               // a game start
    EXPECT_EQ(game.options.HighlightMode, THighlightMode::ColouredTile);
    EXPECT_EQ(game.HighlightPen, (Pen{255, 0, 0, 3}));

    game.ChooseHighlight(THighlightMode::BlueRectangle);
    EXPECT_EQ(game.HighlightPen, (Pen{0, 0, 255, 3}));
    game.ChooseHighlight(THighlightMode::None);
    EXPECT_EQ(game.HighlightPen, (Pen{0, 0, 255, 3}));
    EXPECT_TRUE(view.calls.empty());
}

TEST(Highlight, ChangingTheModeTakesTheMarkOffThePointedTileAtOnce) {
    testing::FakeView view;
    Game game(view);
    for (THighlightMode mode :
         {THighlightMode::None, THighlightMode::GreenRectangle, THighlightMode::ColouredTile}) {
        view.calls.clear();
        game.state.PointedTile = 17;
        game.state.Selected1 = 20;
        game.ChooseHighlight(mode);
        EXPECT_EQ(game.state.PointedTile, 0);
        EXPECT_EQ(game.state.Selected1, 20);  // selections stay marked
        EXPECT_EQ(view.calls, std::vector<std::string>{"RedrawTile 17"});
    }
}

TEST(RedrawHandsOver, EmptyBoardOfAGameUnderWayEndsItAndPauseHidesTheBoard) {
    testing::FakeView view;
    Game game(view);
    game.state.GameMode = gmSolitaire;
    game.state.TilesLeft = 0;
    EXPECT_FALSE(game.RedrawHandsOver());  // the clock has not shown a second yet
    game.state.ElapsedSeconds = 1;
    game.state.GameMode = gmEditor;
    EXPECT_FALSE(game.RedrawHandsOver());  // an empty layout in the editor

    game.state.GameMode = gmSolitaire;
    EXPECT_TRUE(game.RedrawHandsOver());
    EXPECT_TRUE(game.state.BoardFinished);
    EXPECT_EQ(view.calls.front(), "ShowBackground");  // first of all, the board is hidden

    Game paused(view);
    paused.state.TilesLeft = 40;
    paused.state.GameMode = gmPaused;
    EXPECT_TRUE(paused.RedrawHandsOver());
    EXPECT_FALSE(paused.state.BoardFinished);
}

}  // namespace
}  // namespace ribaku
