#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/layout_check.h"
#include "game/game.h"
#include "layouts/lay_format.h"
#include "layouts/layout_test_files.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

// A game whose Layout menu lists one layout, "Arena", written in the Layouts folder.
class LayoutEditor : public ::testing::Test {
protected:
    void SetUp() override {
        game.catalog.ProgramDir = folder.path();
        std::filesystem::create_directories(Arena().parent_path());
        WriteLayFile(Arena(), "Arena", testing::StackedFixture144());
        game.catalog.LayoutNames = {{"Arena", LayoutFormat::Lay}};
        game.state.LayoutCount = 1;
        game.state.LayoutNumber = 1;
        game.catalog.LayoutFile = Arena();
        game.catalog.LayoutName = "Arena";
        game.state.LayoutMap = testing::StackedFixture144();
        game.state.BoardOriginX = 36;
        game.state.BoardOriginY = 25;
    }
    std::filesystem::path Arena() const { return folder.path() / "Layouts" / "Arena.lay"; }

    testing::TempFolder folder;
    testing::FakeView view;
    Game game{view};
};

// A new layout starts empty, under "New Layout", with no file: saving it asks for one and
// never writes over the layout played before. The ghost tile follows the pointer.
TEST_F(LayoutEditor, ANewLayoutStartsEmptyWithoutAFileAndTheGhostFollowsThePointer) {
    game.CreateLayout();
    EXPECT_EQ(game.state.GameMode, gmEditor);
    EXPECT_EQ(game.catalog.LayoutName, "New Layout");
    EXPECT_TRUE(game.catalog.LayoutFile.empty());
    EXPECT_EQ(EditorTilesLeft(game.state), 144);
    EXPECT_EQ(game.state.Board, TBoard{});

    // Over cell (10, 5, 1), then off the board: the ghost is drawn, then erased.
    game.FormMouseMove(20 * 10 + 6 - 38 + 36, 25 * 5 - 6 - 45 + 25);
    EXPECT_EQ(game.state.EditCursor, (TCellPos{10, 5, 1}));
    EXPECT_EQ(view.Count("RedrawBox 10,5,1"), 1);
    game.ButtonDown(20 * 10 + 6 - 38 + 36, 25 * 5 - 6 - 45 + 25, TMouseButton::Left);
    EXPECT_EQ(game.state.Board(10, 5, 1), 1);
    EXPECT_EQ(EditorTilesLeft(game.state), 143);
    game.PointerLeft();
    EXPECT_EQ(game.state.EditCursor.level, -1);
}

// The layout moved and saved is the file written, byte for byte, and the next game deals it.
TEST_F(LayoutEditor, AnEditedLayoutMovedAndSavedIsTheFileWrittenAndPlayed) {
    game.EditLayout();
    EXPECT_EQ(EditorTilesLeft(game.state), 0);
    EXPECT_EQ(CountLayoutPositions(game.state.LayoutMap), 144);
    ASSERT_TRUE(game.MoveEditedLayout(LayoutMove::Down));
    const TLayoutMap moved = game.state.LayoutMap;
    EXPECT_NE(moved, testing::StackedFixture144());
    game.catalog.LayoutName = "Arena low";

    EXPECT_FALSE(game.SaveLayout().listedAnew);
    EXPECT_EQ(game.state.GameMode, gmNone);
    EXPECT_EQ(ReadWholeFile(Arena()), SerializeLay("Arena low", moved));
    EXPECT_EQ(*ReadLayFile(Arena()).map, moved);
    game.BeginGame();
    EXPECT_EQ(game.state.TilesLeft, 144);
    EXPECT_EQ(game.state.LayoutMap, moved);
}

// "Try it" plays the layout without listing it or giving it a hall; "Edit Layout" takes it
// up again. "Exit" loses the changes and reads the last listed layout from its file.
TEST_F(LayoutEditor, TryItPlaysUnlistedAndExitReadsTheLastLayoutAgain) {
    game.CreateLayout();
    game.state.LayoutMap = testing::RowFixture(144);
    game.TryLayout();
    EXPECT_EQ(game.state.GameMode, gmSolitaire);
    EXPECT_EQ(game.state.LayoutCount, 1);
    EXPECT_EQ(game.state.LayoutNumber, 0);  // no hall of fame is entered
    EXPECT_EQ(game.state.TilesLeft, 144);
    game.EditLayout();
    EXPECT_EQ(game.state.LayoutMap, testing::RowFixture(144));

    const TLayoutLoaded loaded = game.ExitEditor();
    EXPECT_EQ(game.state.LayoutNumber, 1);
    EXPECT_EQ(game.catalog.LayoutFile, Arena());
    EXPECT_EQ(game.state.LayoutMap, testing::StackedFixture144());
    EXPECT_EQ(loaded.statusText, "Layout ARENA selected.");
    EXPECT_TRUE(loaded.beginGame);
}

}  // namespace
}  // namespace ribaku
