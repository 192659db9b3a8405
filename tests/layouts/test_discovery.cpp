#include <gtest/gtest.h>

#include "game/game.h"
#include "layouts/discovery.h"
#include "layouts/hall_sections.h"
#include "layouts/layout_file_error.h"
#include "layouts/layout_test_files.h"
#include "support/fake_view.h"

namespace ribaku {
namespace {

using testing::TempFolder;

std::vector<std::string> Captions(const std::vector<LayoutEntry>& layouts) {
    std::vector<std::string> captions;
    for (const LayoutEntry& entry : layouts)
        captions.push_back(entry.caption);
    return captions;
}

// A program folder with the given music and layout files (empty contents will do).
void Populate(const TempFolder& folder, const std::vector<std::string>& music,
              const std::vector<std::string>& layouts) {
    for (const std::string& name : music)
        folder.Write("Musics/" + name, "");
    for (const std::string& name : layouts)
        folder.Write("Layouts/" + name, "");
}

TEST(Discovery, ListsLayFilesSortedWithoutCaseThenShapeFilesWithTheirExtension) {
    TempFolder folder;
    Populate(folder, {},
             {"beta.lay", "Big Tower.lay", "Big.lay", "Alpha.lay", "gamma.lay", "zeta.shp",
              "Abc.shp", "readme.txt", "Upper.LAY", "lay", ".lay", ".LAY", "Crab.Shp"});
    std::filesystem::create_directories(folder.path() / "Layouts" / "folder.lay");

    const std::vector<LayoutEntry> layouts = DiscoverLayouts(folder.path());
    // The extension does not sort: "Big" comes before "Big Tower".
    EXPECT_EQ(Captions(layouts),
              (std::vector<std::string>{"Alpha", "beta", "Big", "Big Tower", "gamma", "Upper",
                                        "Abc.shp", "Crab.Shp", "zeta.shp"}));
    EXPECT_EQ(layouts[5].format, LayoutFormat::Lay);
    EXPECT_EQ(layouts[7].format, LayoutFormat::Shp);
}

// Files named in capitals, as other systems often save them, are listed and found again.
TEST(Discovery, ExtensionsMatchInAnyCaseAndTheFilesAreReadUnderTheirOwnNames) {
    TempFolder folder;
    Populate(folder, {"Night.MID", "Autumn.mid", "Rain.Mid"}, {});
    folder.Write("Layouts/Arena.lay",
                 testing::LayBytes("Ribaku 3.0", "Arena", testing::CellLine({0, 2})));
    folder.Write("Layouts/Traditional.LAY",
                 testing::LayBytes("Ribaku 3.0", "Tower", testing::CellLine({1, 3})));
    folder.Write("Layouts/Wall.SHP", testing::JoinCrLf(testing::ShpLines()));
    testing::FakeView view;
    Game game(view);
    game.catalog.ProgramDir = folder.path();
    game.state.LayoutNumber = -1;
    game.catalog.LoadFiles(game.state);

    EXPECT_EQ(game.catalog.MusicNames, (std::vector<std::string>{"Autumn", "Night", "Rain"}));
    EXPECT_EQ(game.catalog.MusicNumber, 2);  // "Night" is still the default
    for (int n = 1; n <= game.catalog.MusicCount(); ++n)
        EXPECT_TRUE(std::filesystem::exists(game.catalog.FileOfMusic(n))) << n;
    EXPECT_EQ(game.catalog.FileOfMusic(2), folder.path() / "Musics" / "Night.MID");

    const std::filesystem::path layouts = folder.path() / "Layouts";
    EXPECT_EQ(Captions(game.catalog.LayoutNames),
              (std::vector<std::string>{"Arena", "Traditional", "Wall.SHP"}));
    EXPECT_EQ(game.state.LayoutNumber, 2);  // "Traditional" is still the default
    EXPECT_EQ(game.catalog.LayoutFile, layouts / "Traditional.LAY");
    game.catalog.LoadStartupLayout(game.state);
    EXPECT_EQ(game.catalog.LayoutName, "Tower");

    game.LoadlayoutClick(3);  // read as a shape layout
    EXPECT_EQ(game.catalog.LayoutFile, layouts / "Wall.SHP");
    EXPECT_EQ(game.state.LayoutMap[LayoutMapIndex(2, 2, 1)], 1);
    game.state.LayoutNumber = 2;  // remembered from the settings: its file is found
    EXPECT_EQ(SettleCurrentLayout(game.catalog, 2).file, layouts / "Traditional.LAY");
}

TEST(Discovery, NamesEqualButForCaseComeInAFixedOrder) {
    TempFolder folder;
    Populate(folder, {}, {"maze.lay", "MAZE.lay", "Maze.lay"});
    EXPECT_EQ(Captions(DiscoverLayouts(folder.path())),
              (std::vector<std::string>{"MAZE", "Maze", "maze"}));
}

TEST(Discovery, AtMost99LayoutsAreListedTheFirstInListOrder) {
    TempFolder folder;
    std::vector<std::string> files;
    for (int i = 100; i < 220; ++i)
        files.push_back("L" + std::to_string(i) + ".lay");
    files.push_back("After.shp");
    Populate(folder, {}, files);
    const std::vector<LayoutEntry> layouts = DiscoverLayouts(folder.path());
    ASSERT_EQ(layouts.size(), 99u);
    EXPECT_EQ(layouts.front().caption, "L100");
    EXPECT_EQ(layouts.back().caption, "L198");
}

TEST(Discovery, MusicFilesAreSortedByTheirNamesWithoutExtension) {
    TempFolder folder;
    Populate(folder, {"night.mid", "Autumn.mid", "Big band.MID", "Big.mid", "notes.txt"}, {});
    const std::vector<std::string> files = DiscoverMusic(folder.path());
    EXPECT_EQ(files,
              (std::vector<std::string>{"Autumn.mid", "Big.mid", "Big band.MID", "night.mid"}));
    EXPECT_EQ(WithoutExtension(files[2]), "Big band");
}

TEST(Discovery, NoMusicOrNoLayoutIsAnErrorNamingTheFolder) {
    TempFolder folder;
    try {
        DiscoverMusic(folder.path());
        FAIL() << "no music folder accepted";
    } catch (const MissingFilesError& e) {
        EXPECT_NE(std::string(e.what()).find((folder.path() / "Musics").string()),
                  std::string::npos);
    }
    Populate(folder, {"Night.mid"}, {"Notes.txt"});
    try {
        DiscoverLayouts(folder.path());
        FAIL() << "a layout folder without layouts accepted";
    } catch (const MissingFilesError& e) {
        EXPECT_NE(std::string(e.what()).find((folder.path() / "Layouts").string()),
                  std::string::npos);
    }
}

TEST(Discovery, NightIsTheDefaultMusicAndNumbersAreClampedIntoTheList) {
    const std::vector<std::string> music{"Dawn", "Night", "Rain"};
    EXPECT_EQ(SettleMusicNumber(music, -1), 2);
    EXPECT_EQ(SettleMusicNumber({"Dawn", "night"}, -1), 1);  // the search minds the case
    EXPECT_EQ(SettleMusicNumber(music, 3), 3);
    EXPECT_EQ(SettleMusicNumber(music, 9), 3);
    EXPECT_EQ(SettleMusicNumber(music, 0), 1);
    EXPECT_EQ(SettleMusicNumber(music, -7), 1);
}

TEST(Discovery, TraditionalIsTheDefaultLayoutAmongTheLayFiles) {
    const std::vector<LayoutEntry> layouts{{"Arena", LayoutFormat::Lay},
                                           {"Traditional", LayoutFormat::Lay}};
    EXPECT_EQ(DefaultLayoutNumber(layouts, -1), 2);
    EXPECT_EQ(DefaultLayoutNumber(layouts, 5), 5);  // a remembered number is settled later
    EXPECT_EQ(DefaultLayoutNumber({{"traditional", LayoutFormat::Lay}}, -1), 1);
    EXPECT_EQ(
        DefaultLayoutNumber({{"A", LayoutFormat::Lay}, {"Traditional", LayoutFormat::Shp}}, -1), 1);
}

TEST(Discovery, TheCurrentLayoutFallsBackToTheLastOrTheFirst) {
    TempFolder folder;
    Populate(folder, {}, {"Arena.lay", "Crab.lay", "Wall.shp"});
    LayoutCatalog catalog;
    catalog.ProgramDir = folder.path();
    catalog.LayoutNames = DiscoverLayouts(folder.path());
    const std::filesystem::path layouts = folder.path() / "Layouts";

    TCurrentLayout current = SettleCurrentLayout(catalog, 2);
    EXPECT_EQ(current.number, 2);
    EXPECT_EQ(current.file, layouts / "Crab.lay");
    current = SettleCurrentLayout(catalog, 40);
    EXPECT_EQ(current.number, 3);
    EXPECT_EQ(current.file, layouts / "Wall.shp");
    EXPECT_EQ(SettleCurrentLayout(catalog, 0).number, 1);
    EXPECT_EQ(SettleCurrentLayout(catalog, -1).file, layouts / "Arena.lay");

    std::filesystem::remove(layouts / "Crab.lay");
    current = SettleCurrentLayout(catalog, 2);
    EXPECT_EQ(current.number, 1);
    EXPECT_EQ(current.file, layouts / "Arena.lay");
}

TEST(Discovery, LoadFilesSettlesTheCatalogAndTheLayoutNumbers) {
    TempFolder folder;
    Populate(folder, {"Rain.mid", "Night.mid", "Dawn.mid"},
             {"Arena.lay", "Traditional.lay", "Crab.lay", "Wall.shp"});
    testing::FakeView view;
    Game game(view);
    game.catalog.ProgramDir = folder.path();
    game.state.LayoutNumber = -1;
    game.catalog.LoadFiles(game.state);

    EXPECT_EQ(game.catalog.MusicNames, (std::vector<std::string>{"Dawn", "Night", "Rain"}));
    EXPECT_EQ(game.catalog.MusicNumber, 2);
    EXPECT_EQ(game.catalog.FileOfMusic(2), folder.path() / "Musics" / "Night.mid");
    EXPECT_EQ(game.state.LayoutCount, 4);
    EXPECT_EQ(game.state.LayoutNumber, 3);
    EXPECT_EQ(game.catalog.LayoutFile, folder.path() / "Layouts" / "Traditional.lay");

    Game again(view);
    again.catalog.ProgramDir = folder.path();
    again.catalog.MusicNumber = 12;
    again.state.LayoutNumber = 12;
    again.catalog.LoadFiles(again.state);
    EXPECT_EQ(again.catalog.MusicNumber, 3);
    EXPECT_EQ(again.state.LayoutNumber, 4);
    EXPECT_EQ(again.catalog.LayoutFile, folder.path() / "Layouts" / "Wall.shp");
}

TEST(HallSections, SectionsDropSpacesAndFollowTheLayoutListThenTheVariants) {
    const std::vector<LayoutEntry> layouts{{"Big Tower", LayoutFormat::Lay},
                                           {"my shape.shp", LayoutFormat::Shp}};
    const std::vector<THallSection> sections = HallSections(layouts);
    ASSERT_EQ(sections.size(), 7u);
    EXPECT_EQ(sections[0].hallIndex, 1);
    EXPECT_EQ(sections[0].section, "BigTower");
    EXPECT_EQ(sections[1].section, "myshape.shp");
    const std::vector<std::pair<int, std::string>> variants{
        {100, "Rivers"}, {101, "Rivers2"}, {110, "Memory"}, {111, "Memory2"}, {120, "Clicks"}};
    for (size_t i = 0; i < variants.size(); ++i) {
        EXPECT_EQ(sections[i + 2].hallIndex, variants[i].first);
        EXPECT_EQ(sections[i + 2].section, variants[i].second);
    }
    EXPECT_EQ(HallPageLines(layouts),
              (std::vector<std::string>{"Big Tower Layout", "my shape.shp Layout",
                                        "Mahjongg Rivers (Easy)", "Mahjongg Rivers (Hard)",
                                        "Mahjongg Memory (Easy)", "Mahjongg Memory (Hard)"}));
}

TEST(HallSections, DefaultEntriesRunFromFiveToFourteenMinutesAndShortOnesAreLengthened) {
    EXPECT_EQ(DefaultHallEntry(1), "---       300    0");
    EXPECT_EQ(DefaultHallEntry(10), "---       840    0");
    for (int rank = 1; rank <= kHallRanks; ++rank) {
        EXPECT_EQ(DefaultHallEntry(rank).size(), kHallEntryLength);
        EXPECT_NE(DefaultHallEntry(rank).find("--- "), std::string::npos);
    }
    EXPECT_EQ(LengthenHallEntry("Ann  42 0"), "---------Ann  42 0");
    EXPECT_EQ(LengthenHallEntry("0123456789"), "--------0123456789");
    EXPECT_EQ(LengthenHallEntry("Ann        99    3"), "Ann        99    3");
    EXPECT_EQ(LengthenHallEntry("A much longer entry than 18"), "A much longer entry than 18");
}

}  // namespace
}  // namespace ribaku
