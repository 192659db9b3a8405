// An installed copy lists the player's own layouts and music after the shipped ones.
#include <gtest/gtest.h>

#include "layouts/catalog.h"
#include "layouts/layout_test_files.h"

namespace ribaku {
namespace {

using testing::TempFolder;

class PersonalFiles : public ::testing::Test {
protected:
    PersonalFiles() {
        for (const char* name :
             {"Layouts/Arena.lay", "Layouts/Traditional.lay", "Musics/Night.mid"})
            shipped.Write(name, "");
        for (const char* name : {"Layouts/Mine.lay", "Layouts/Zoo.shp", "Musics/Own.mid"})
            personal.Write(name, "");
        catalog.ProgramDir = shipped.path();
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const LayoutEntry& entry : catalog.LayoutNames)
            captions.push_back(entry.caption);
        return captions;
    }

    TempFolder shipped;
    TempFolder personal;
    LayoutCatalog catalog;
    TBoardState state;
};

TEST_F(PersonalFiles, FollowTheShippedOnesAndAreReadFromTheirOwnFolder) {
    catalog.PersonalDir = personal.path();
    catalog.LoadFiles(state);
    catalog.AddPersonalFiles(state, 3, 2);

    EXPECT_EQ(Captions(), (std::vector<std::string>{"Arena", "Traditional", "Mine", "Zoo.shp"}));
    EXPECT_EQ(state.LayoutCount, 4);
    // The remembered personal layout and music are current again.
    EXPECT_EQ(state.LayoutNumber, 3);
    EXPECT_EQ(catalog.LayoutFile, personal.path() / "Layouts" / "Mine.lay");
    EXPECT_EQ(catalog.FileOfLayout(2), shipped.path() / "Layouts" / "Traditional.lay");
    EXPECT_EQ(catalog.MusicNames, (std::vector<std::string>{"Night", "Own"}));
    EXPECT_EQ(catalog.MusicNumber, 2);
    EXPECT_EQ(catalog.FileOfMusic(2), personal.path() / "Musics" / "Own.mid");
    EXPECT_EQ(catalog.SavedLayoutsFolder(), personal.path() / "Layouts");
}

TEST_F(PersonalFiles, AreNoneWhenTheProgramFolderHoldsThem) {
    state.LayoutNumber = 9;
    catalog.LoadFiles(state);
    catalog.AddPersonalFiles(state, 9, -1);

    EXPECT_EQ(Captions(), (std::vector<std::string>{"Arena", "Traditional"}));
    EXPECT_EQ(state.LayoutNumber, 2);
    EXPECT_EQ(catalog.SavedLayoutsFolder(), shipped.path() / "Layouts");
    EXPECT_EQ(catalog.PlayerFilesFolder(), shipped.path());
}

}  // namespace
}  // namespace ribaku
