// The highlight options as the menus drive them.
#include <gtest/gtest.h>

#include "core/game.h"
#include "support/fake_view.h"

namespace ribaku {
namespace {

using Pen = Game::THighlightPen;

TEST(Highlight, RectangleModesSetTheirPenAndTheOthersKeepTheLastOne) {
    testing::FakeView view;
    Game game(view);
    game.ColorHighlight();  // start-up, with the default "Green Rectangle"
    EXPECT_EQ(game.HighlightPen, (Pen{0, 128, 0, 3}));

    game.Highlight2Click(1);
    EXPECT_EQ(game.options.HighlightMode, 1);
    EXPECT_EQ(game.HighlightPen, (Pen{255, 0, 0, 3}));

    game.Highlight3Click();  // "Colored Tile" keeps the red pen for later
    EXPECT_EQ(game.options.HighlightMode, 2);
    game.ColorHighlight();  // a game start
    EXPECT_EQ(game.options.HighlightMode, 2);
    EXPECT_EQ(game.HighlightPen, (Pen{255, 0, 0, 3}));

    game.Highlight2Click(4);
    EXPECT_EQ(game.HighlightPen, (Pen{0, 0, 255, 3}));
    game.Highlight1Click();
    EXPECT_EQ(game.options.HighlightMode, 0);
    game.Highlight2Click(2);  // not a rectangle entry
    EXPECT_EQ(game.options.HighlightMode, 0);
    EXPECT_TRUE(view.calls.empty());
}

TEST(Highlight, ChangingTheModeTakesTheMarkOffThePointedTileAtOnce) {
    testing::FakeView view;
    Game game(view);
    for (auto choose :
         {+[](Game& g) { g.Highlight1Click(); }, +[](Game& g) { g.Highlight2Click(3); },
          +[](Game& g) { g.Highlight3Click(); }}) {
        view.calls.clear();
        game.state.PointedTile = 17;
        game.state.Selected1 = 20;
        choose(game);
        EXPECT_EQ(game.state.PointedTile, 0);
        EXPECT_EQ(game.state.Selected1, 20);  // selections stay marked
        EXPECT_EQ(view.calls, std::vector<std::string>{"RedrawTile 17"});
    }
}

TEST(Highlight, TogglesRedrawWhatTheyChange) {
    testing::FakeView view;
    Game game(view);
    game.InvertClick();  // seen at the next redraw of the marked tiles
    EXPECT_TRUE(game.options.Invert);
    EXPECT_TRUE(view.calls.empty());

    game.ShadowsClick();
    EXPECT_FALSE(game.options.Shadows);
    EXPECT_EQ(view.calls, std::vector<std::string>{"FullRedraw"});

    game.ShowCurrentTileClick();
    EXPECT_TRUE(game.options.ShowCurrentTile);
    EXPECT_EQ(view.Count("ShowPanelHOF"), 1);
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
