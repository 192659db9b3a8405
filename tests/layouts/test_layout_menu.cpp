#include <gtest/gtest.h>

#include "core/file_io.h"
#include "core/game.h"
#include "core/layout_check.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_test_files.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

using testing::CellLine;
using testing::LayBytes;

// A game whose program folder holds Arena.lay (one tile at cell 0), Crab.lay (cell 1),
// the shape layout Wall.shp, and some music.
class LayoutMenu : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("Musics/Night.mid", "");
        folder.Write("Layouts/Arena.lay", LayBytes("Ribaku 3.0", "The arena", CellLine({0})));
        folder.Write("Layouts/Crab.lay", LayBytes("Ribaku 3.0", "Crab nebula", CellLine({1})));
        folder.Write("Layouts/Wall.shp", testing::JoinCrLf(testing::ShpLines()));
        game.catalog.ProgramDir = folder.path();
        game.state.LayoutNumber = -1;
        game.LoadFiles();
        game.LoadStartupLayout();
    }
    std::filesystem::path Layouts() const { return folder.path() / "Layouts"; }

    testing::TempFolder folder;
    testing::FakeView view;
    Game game{view};
};

TEST_F(LayoutMenu, StartupLoadsTheCurrentLayoutWithoutAGame) {
    EXPECT_EQ(game.state.LayoutNumber, 1);
    EXPECT_EQ(game.catalog.LayoutName, "The arena");
    EXPECT_EQ(game.state.LayoutMap, [] {
        TLayoutMap map{};
        map[0] = 1;
        return map;
    }());
    EXPECT_FALSE(game.catalog.StartupLoading);

    game.catalog.StartupLoading = true;
    const TLayoutLoaded loaded = game.RunLayout(Layouts() / "Crab.lay");
    EXPECT_FALSE(loaded.beginGame);
    EXPECT_EQ(loaded.statusText, "Welcome to Ribaku 5.36 !");
}

TEST_F(LayoutMenu, ChoosingAnEntryMakesItCurrentAndAsksForAGame) {
    const TLayoutLoaded loaded = game.LoadlayoutClick(2);
    EXPECT_TRUE(loaded.beginGame);
    EXPECT_EQ(loaded.statusText, "Layout CRAB NEBULA selected.");
    EXPECT_EQ(game.state.LayoutNumber, 2);
    EXPECT_EQ(game.catalog.LayoutFile, Layouts() / "Crab.lay");
    EXPECT_EQ(game.state.LayoutMap[1], 1);
    EXPECT_EQ(game.state.LayoutMap[0], 0);
}

TEST_F(LayoutMenu, ShapeEntriesAreReadAsShapesAndNamedByTheirPath) {
    const TLayoutLoaded loaded = game.LoadlayoutClick(3);
    const std::string path = (Layouts() / "Wall.shp").string();
    EXPECT_EQ(game.catalog.LayoutName, path);
    EXPECT_EQ(CountLayoutPositions(game.state.LayoutMap), 144);
    std::string upper = path;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    EXPECT_EQ(loaded.statusText, "Layout " + upper + " selected.");
    EXPECT_EQ(game.catalog.LayoutFile, Layouts() / "Wall.shp");

    game.state.LayoutMap = TLayoutMap{};
    game.RunCurrentLayout();  // by its extension
    EXPECT_EQ(CountLayoutPositions(game.state.LayoutMap), 144);
}

TEST_F(LayoutMenu, OnlyLettersAToZAreCapitalisedInTheStatusLine) {
    folder.Write("Layouts/Arena.lay", LayBytes("Ribaku 3.0", "caf\xe9 no 5-b", CellLine({0})));
    EXPECT_EQ(game.LoadlayoutClick(1).statusText, "Layout CAF\xe9 NO 5-B selected.");
}

TEST_F(LayoutMenu, AnotherHeaderPlaysThePreviousLayoutUnderTheNewName) {
    folder.Write("Layouts/Crab.lay", LayBytes("RIBAKU 3.0", "Shouting crab", CellLine({1})));
    const TLayoutLoaded loaded = game.LoadlayoutClick(2);
    EXPECT_TRUE(loaded.beginGame);
    EXPECT_EQ(loaded.statusText, "Layout SHOUTING CRAB selected.");
    EXPECT_EQ(game.state.LayoutMap[0], 1);  // still the arena's cells
    EXPECT_EQ(game.state.LayoutMap[1], 0);
    EXPECT_EQ(game.state.LayoutNumber, 2);
}

TEST_F(LayoutMenu, AFileThatCannotBeReadLeavesEverythingAsItWas) {
    folder.Write("Layouts/Crab.lay", LayBytes("Ribaku 3.0", "Cut short", "0101"));
    std::filesystem::remove(Layouts() / "Wall.shp");
    const TLayoutMap before = game.state.LayoutMap;
    for (int entry : {2, 3}) {
        EXPECT_THROW(game.LoadlayoutClick(entry), FileError) << entry;
        EXPECT_EQ(game.state.LayoutMap, before);
        EXPECT_EQ(game.state.LayoutNumber, 1);
        EXPECT_EQ(game.catalog.LayoutFile, Layouts() / "Arena.lay");
        EXPECT_EQ(game.catalog.LayoutName, "The arena");
    }
}

TEST_F(LayoutMenu, StartupClearsItsFlagEvenWhenTheLayoutIsRefused) {
    folder.Write("Layouts/Arena.lay", "Ribaku 3.0\nLF only\n");
    EXPECT_THROW(game.LoadStartupLayout(), LayoutFileError);
    EXPECT_FALSE(game.catalog.StartupLoading);
}

}  // namespace
}  // namespace ribaku
