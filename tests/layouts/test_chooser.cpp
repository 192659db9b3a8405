#include <gtest/gtest.h>

#include "core/file_io.h"
#include "game/game.h"
#include "core/layout_check.h"
#include "layouts/chooser.h"
#include "layouts/layout_test_files.h"
#include "support/fake_view.h"

namespace ribaku {
namespace {

using testing::CellLine;
using testing::LayBytes;

TEST(MinusTiles, TilesAreDrawnLevelByLevelFromTheRightColumnShiftedUpAndRight) {
    TLayoutMap map{};
    map[LayoutMapIndex(1, 1, 1)] = 1;
    map[LayoutMapIndex(34, 20, 5)] = 1;
    map[LayoutMapIndex(5, 3, 1)] = 2;  // any value 1..154 is drawn
    map[LayoutMapIndex(5, 2, 1)] = 154;
    map[LayoutMapIndex(5, 4, 2)] = 1;
    map[LayoutMapIndex(9, 9, 1)] = 155;  // a deal's marker and others are not
    map[LayoutMapIndex(9, 10, 1)] = 200;
    EXPECT_EQ(MinusTiles(map), (std::vector<TMiniTile>{
                                   {34, 14},    // level 1, column 5, row 2
                                   {34, 20},    // level 1, column 5, row 3
                                   {14, 8},     // level 1, column 1, row 1
                                   {37, 23},    // level 2, column 5, row 4
                                   {191, 110},  // level 5, column 34, row 20
                               }));
    EXPECT_TRUE(MinusTiles(TLayoutMap{}).empty());
}

// A catalog of four layouts: Arena.lay (cells 0 and 2), Odd.lay with another header,
// Wall.shp, and Three.lay, which no deal takes.
class Chooser : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("Layouts/Arena.lay", LayBytes("Ribaku 3.0", "The arena", CellLine({0, 2})));
        folder.Write("Layouts/Odd.lay", LayBytes("Ribaku 9.9", "Odd one", CellLine({1})));
        folder.Write("Layouts/Wall.shp", testing::JoinCrLf(testing::ShpLines()));
        folder.Write("Layouts/Three.lay", LayBytes("Ribaku 3.0", "Three", CellLine({0, 2, 4})));
        game.catalog.ProgramDir = folder.path();
        game.catalog.LayoutNames = {{"Arena", LayoutFormat::Lay},
                                    {"Odd", LayoutFormat::Lay},
                                    {"Wall.shp", LayoutFormat::Shp},
                                    {"Three", LayoutFormat::Lay}};
        game.state.LayoutCount = 4;
        game.state.LayoutNumber = 2;
        game.catalog.LayoutName = "Current";
    }

    testing::TempFolder folder;
    testing::FakeView view;
    Game game{view};
    TChooser chooser;
};

TEST_F(Chooser, APreviewShowsTheFilesNameAndCells) {
    PreviewChooserLine(chooser, game.catalog, 0);
    EXPECT_EQ(chooser.LayoutN, "The arena");
    EXPECT_EQ(chooser.ChooserMap[0], 1);
    EXPECT_EQ(chooser.line, 0);

    // Another header: the new name over the miniature shown before.
    PreviewChooserLine(chooser, game.catalog, 1);
    EXPECT_EQ(chooser.LayoutN, "Odd one");
    EXPECT_EQ(chooser.ChooserMap[0], 1);
    EXPECT_EQ(chooser.ChooserMap[1], 0);
    EXPECT_EQ(chooser.line, 1);

    PreviewChooserLine(chooser, game.catalog, 2);
    EXPECT_EQ(chooser.LayoutN, (folder.path() / "Layouts" / "Wall.shp").string());
    EXPECT_EQ(CountLayoutPositions(chooser.ChooserMap), 144);
}

TEST_F(Chooser, AFileThatCannotBeReadKeepsThePreviewAndItsLine) {
    PreviewChooserLine(chooser, game.catalog, 0);
    std::filesystem::remove(folder.path() / "Layouts" / "Wall.shp");
    EXPECT_THROW(PreviewChooserLine(chooser, game.catalog, 2), FileError);
    EXPECT_EQ(chooser.LayoutN, "The arena");
    EXPECT_EQ(chooser.line, 0);
}

TEST_F(Chooser, PlayingMakesThePreviewedLayoutCurrent) {
    EXPECT_FALSE(game.catalog.PlayChosenLayout(chooser, game.state));  // nothing previewed: nothing changes
    EXPECT_EQ(game.state.LayoutNumber, 2);

    PreviewChooserLine(chooser, game.catalog, 2);
    EXPECT_TRUE(game.catalog.PlayChosenLayout(chooser, game.state));
    EXPECT_EQ(game.state.LayoutNumber, 3);
    EXPECT_EQ(game.state.LayoutMap, chooser.ChooserMap);
    EXPECT_EQ(game.catalog.LayoutFile, folder.path() / "Layouts" / "Wall.shp");
    EXPECT_EQ(game.catalog.LayoutName, chooser.LayoutN);

    PreviewChooserLine(chooser, game.catalog, 0);
    EXPECT_TRUE(game.catalog.PlayChosenLayout(chooser, game.state));
    EXPECT_EQ(game.catalog.LayoutFile, folder.path() / "Layouts" / "Arena.lay");
    EXPECT_EQ(game.catalog.LayoutName, "The arena");

    // A layout no deal takes is previewed, but playing it changes nothing.
    PreviewChooserLine(chooser, game.catalog, 3);
    EXPECT_EQ(chooser.LayoutN, "Three");
    EXPECT_THROW(game.catalog.PlayChosenLayout(chooser, game.state), LayoutError);
    EXPECT_EQ(game.state.LayoutNumber, 1);
    EXPECT_EQ(game.catalog.LayoutName, "The arena");
    EXPECT_EQ(CountLayoutPositions(game.state.LayoutMap), 2);
}

}  // namespace
}  // namespace ribaku
