#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "core/file_io.h"
#include "game/game.h"
#include "core/layout_check.h"
#include "layouts/chooser.h"
#include "layouts/lay_format.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_test_files.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

using testing::CellLine;
using testing::LayBytes;

// A game whose program folder holds Arena.lay (tiles at cells 0 and 2), Crab.lay (cells 1
// and 3), the shape layout Wall.shp, and some music.
class LayoutMenu : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("Musics/Night.mid", "");
        folder.Write("Layouts/Arena.lay", LayBytes("Ribaku 3.0", "The arena", CellLine({0, 2})));
        folder.Write("Layouts/Crab.lay", LayBytes("Ribaku 3.0", "Crab nebula", CellLine({1, 3})));
        folder.Write("Layouts/Wall.shp", testing::JoinCrLf(testing::ShpLines()));
        game.catalog.ProgramDir = folder.path();
        game.state.LayoutNumber = -1;
        game.catalog.LoadFiles(game.state);
        game.catalog.LoadStartupLayout(game.state);
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
        map[0] = map[2] = 1;
        return map;
    }());
    EXPECT_FALSE(game.catalog.StartupLoading);

    game.catalog.StartupLoading = true;
    const TLayoutLoaded loaded = game.catalog.RunLayout(Layouts() / "Crab.lay", game.state);
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
    game.catalog.RunCurrentLayout(game.state);  // by its extension
    EXPECT_EQ(CountLayoutPositions(game.state.LayoutMap), 144);
}

TEST_F(LayoutMenu, OnlyLettersAToZAreCapitalisedInTheStatusLine) {
    folder.Write("Layouts/Arena.lay", LayBytes("Ribaku 3.0", "caf\xe9 no 5-b", CellLine({0, 2})));
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

// What the window does with a layout read from the menu: the status text, then a game.
void Apply(Game& game, const TLayoutLoaded& loaded) {
    game.status.Show(loaded.statusText);
    if (loaded.beginGame) game.BeginGame();
}

// The cells of the tiles dealt, as (column, row, level), in tile order.
std::vector<std::tuple<int, int, int>> DealtCells(const TBoardState& state) {
    std::vector<std::tuple<int, int, int>> cells;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const TCellPos& p = state.TilePos[tile];
        if (p.level > 0) cells.emplace_back(p.column, p.row, p.level);
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::string RandomBytes(size_t count) {
    std::mt19937 random(7);
    std::string bytes;
    for (size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(random() & 0xff));
    return bytes;
}

// A layout the deal cannot take, or a file that is no layout, is refused with its message;
// the layout, the menu's number, the status line and the game on show all stay, and New
// deals the layout played before.
TEST_F(LayoutMenu, ARefusedLayoutLeavesTheLayoutAndTheGameAsTheyWere) {
    Apply(game, game.LoadlayoutClick(1));
    ASSERT_EQ(game.state.GameMode, gmSolitaire);
    const TLayoutMap arena = game.state.LayoutMap;
    const auto board = game.state.TilePos;
    const std::string status = game.status.StatusMessage;
    std::vector<int> tooMany;
    for (int i = 0; i < 145; ++i)
        tooMany.push_back(2 * i);
    const std::string png =
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x02\xc0", 20) + RandomBytes(300);
    const std::pair<std::string, std::string> refused[] = {
        {LayBytes("Ribaku 3.0", "Noise", CellLine({})), "no tile positions"},
        {LayBytes("Ribaku 3.0", "Noise", CellLine({1, 3, 5})), "odd number of tile positions (3)"},
        {LayBytes("Ribaku 3.0", "Noise", CellLine(tooMany)), "145 tile positions"},
        {RandomBytes(4000), "is not a layout file"},
        {png, "is not a layout file"},
    };
    for (const auto& [bytes, message] : refused) {
        const std::filesystem::path noise = folder.Write("Layouts/Crab.lay", bytes);
        try {
            Apply(game, game.LoadlayoutClick(2));
            ADD_FAILURE() << "accepted: " << message;
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(noise.string()), std::string::npos) << e.what();
        }
        EXPECT_EQ(game.state.LayoutNumber, 1) << message;
        EXPECT_EQ(game.catalog.LayoutFile, Layouts() / "Arena.lay");
        EXPECT_EQ(game.catalog.LayoutName, "The arena");
        EXPECT_EQ(game.state.LayoutMap, arena);
        EXPECT_EQ(game.status.StatusMessage, status);
        EXPECT_EQ(game.state.TilePos, board);
        EXPECT_EQ(game.state.GameMode, gmSolitaire);
    }
    game.NewGame();
    EXPECT_EQ(game.state.TilesLeft, 2);
    EXPECT_EQ(DealtCells(game.state),
              (std::vector<std::tuple<int, int, int>>{{1, 1, 1}, {3, 1, 1}}));
}

// The editor's way back to a file and the chooser refuse such layouts the same way.
TEST_F(LayoutMenu, NoOtherWayMakesARefusedLayoutCurrent) {
    const std::filesystem::path noise =
        folder.Write("Layouts/Noise.lay", LayBytes("Ribaku 3.0", "Noise", CellLine({4})));
    const TLayoutMap before = game.state.LayoutMap;
    EXPECT_THROW(game.catalog.RunLayout(noise, game.state), LayoutError);
    TChooser chooser;
    chooser.ChooserMap = ReadLayFile(noise).map.value();
    chooser.LayoutN = "Noise";
    chooser.line = 1;
    EXPECT_THROW(game.catalog.PlayChosenLayout(chooser, game.state), LayoutError);
    EXPECT_EQ(game.state.LayoutMap, before);
    EXPECT_EQ(game.state.LayoutNumber, 1);
    EXPECT_EQ(game.catalog.LayoutName, "The arena");
}

TEST_F(LayoutMenu, StartupClearsItsFlagEvenWhenTheLayoutIsRefused) {
    folder.Write("Layouts/Arena.lay", "Ribaku 3.0\nLF only\n");
    EXPECT_THROW(game.catalog.LoadStartupLayout(game.state), LayoutFileError);
    EXPECT_FALSE(game.catalog.StartupLoading);
}

}  // namespace
}  // namespace ribaku
