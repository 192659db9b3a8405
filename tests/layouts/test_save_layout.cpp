#include <gtest/gtest.h>

#include "core/file_io.h"
#include "game/game.h"
#include "layouts/lay_format.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_test_files.h"
#include "layouts/save_names.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

TEST(SaveNames, LayIsAppendedUnlessTheFileNameHoldsIt) {
    EXPECT_EQ(WithLayExtension("/g/Layouts/Moon"), "/g/Layouts/Moon.lay");
    EXPECT_EQ(WithLayExtension("/g/Layouts/Moon.lay"), "/g/Layouts/Moon.lay");
    EXPECT_EQ(WithLayExtension("/g/Layouts/my.layout"), "/g/Layouts/my.layout");
    EXPECT_EQ(WithLayExtension("/g/Layouts/Moon.LAY"), "/g/Layouts/Moon.LAY.lay");
    // A folder named like a layout does not count.
    EXPECT_EQ(WithLayExtension("/g/old.lays/Moon"), "/g/old.lays/Moon.lay");

    EXPECT_EQ(SavedBaseName("/g/Layouts/Moon.lay"), "Moon");
    EXPECT_EQ(SavedBaseName("/g/Layouts/my.layout"), "my.la");
    EXPECT_EQ(SavedBaseName("/g/Layouts/Wall.shp.lay"), "Wall.shp");
}

class SaveLayout : public ::testing::Test {
protected:
    void SetUp() override {
        game.catalog.ProgramDir = folder.path();
        std::filesystem::create_directories(Layouts());
        game.catalog.LayoutNames = {{"Arena", LayoutFormat::Lay},
                                    {"Moon", LayoutFormat::Lay},
                                    {"Wall.shp", LayoutFormat::Shp},
                                    {"Moon", LayoutFormat::Lay}};
        game.state.LayoutCount = 4;
        game.state.LayoutNumber = 1;
        game.state.LayoutMap = testing::StackedFixture144();
        game.catalog.LayoutName = "Full moon";
        game.SetMode(gmEditor);
    }
    std::filesystem::path Layouts() const { return folder.path() / "Layouts"; }

    testing::TempFolder folder;
    testing::FakeView view;
    Game game{view};
};

TEST_F(SaveLayout, ANewNameIsWrittenThenListedLast) {
    game.catalog.LayoutFile = Layouts() / "Big Tower";
    EXPECT_TRUE(game.SaveLayout().listedAnew);
    EXPECT_EQ(game.catalog.LayoutFile, Layouts() / "Big Tower.lay");
    EXPECT_EQ(ReadWholeFile(Layouts() / "Big Tower.lay"),
              SerializeLay("Full moon", testing::StackedFixture144()));
    EXPECT_EQ(game.state.LayoutCount, 5);
    EXPECT_EQ(game.state.LayoutNumber, 5);
    EXPECT_EQ(game.catalog.LayoutNames.back(), (LayoutEntry{"Big Tower", LayoutFormat::Lay}));
    EXPECT_EQ(game.state.GameMode, gmNone);
}

TEST_F(SaveLayout, AListedNameMovesTheNumberToItsLastEntry) {
    game.catalog.LayoutFile = Layouts() / "Moon.lay";
    EXPECT_FALSE(game.SaveLayout().listedAnew);
    EXPECT_EQ(game.state.LayoutNumber, 4);
    EXPECT_EQ(game.state.LayoutCount, 4);

    // An edited shape layout is saved beside it as a .lay and keeps its entry.
    game.catalog.LayoutFile = Layouts() / "Wall.shp";
    EXPECT_FALSE(game.SaveLayout().listedAnew);
    EXPECT_EQ(game.catalog.LayoutFile, Layouts() / "Wall.shp.lay");
    EXPECT_TRUE(std::filesystem::exists(Layouts() / "Wall.shp.lay"));
    EXPECT_EQ(game.state.LayoutNumber, 3);
}

// An installed copy: the player's layouts go to a folder of their own. Saved under the name
// of a shipped layout, the new one gets its own entry and the shipped one stays listed.
TEST_F(SaveLayout, APersonalLayoutNamedLikeAShippedOneIsListedOnItsOwn) {
    game.catalog.PersonalDir = folder.path() / "personal";
    game.catalog.SharedLayoutCount = game.catalog.LayoutNames.size();
    std::filesystem::create_directories(game.catalog.SavedLayoutsFolder());
    game.catalog.LayoutFile = game.catalog.SavedLayoutsFolder() / "Arena.lay";
    EXPECT_TRUE(game.SaveLayout().listedAnew);
    EXPECT_EQ(game.state.LayoutNumber, 5);
    EXPECT_EQ(game.catalog.FileOfLayout(5), game.catalog.LayoutFile);
    EXPECT_EQ(game.catalog.FileOfLayout(1), Layouts() / "Arena.lay");
}

TEST_F(SaveLayout, AFullListRefusesANewNameBeforeWriting) {
    game.catalog.LayoutNames.resize(kMaxListedLayouts, {"Filler", LayoutFormat::Lay});
    game.state.LayoutCount = kMaxListedLayouts;
    game.catalog.LayoutFile = Layouts() / "Hundredth.lay";
    EXPECT_THROW(game.SaveLayout(), LayoutFileError);
    EXPECT_FALSE(std::filesystem::exists(Layouts() / "Hundredth.lay"));
    EXPECT_EQ(game.state.LayoutNumber, 1);
    EXPECT_EQ(game.state.GameMode, gmEditor);

    game.catalog.LayoutFile = Layouts() / "Filler.lay";  // a listed name is still saved
    EXPECT_FALSE(game.SaveLayout().listedAnew);
    EXPECT_EQ(game.state.LayoutNumber, kMaxListedLayouts);
}

TEST_F(SaveLayout, AFailedWriteChangesNeitherTheListNorTheMode) {
    game.catalog.LayoutFile = folder.path() / "no such folder" / "Moon.lay";
    EXPECT_THROW(game.SaveLayout(), FileError);
    EXPECT_EQ(game.state.LayoutNumber, 1);
    EXPECT_EQ(game.state.LayoutCount, 4);
    EXPECT_EQ(game.state.GameMode, gmEditor);
}

}  // namespace
}  // namespace ribaku
