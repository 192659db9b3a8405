#include <gtest/gtest.h>

#include <sstream>

#include "app/settings_file.h"
#include "program_folder.h"

namespace ribaku {
namespace {

std::vector<std::string> KeysInOrder(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
    }
    return keys;
}

TEST(SettingsFile, IntegersAreDecimalOrHexAndAnythingElseIsNoNumber) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger("-1"), -1);
    EXPECT_EQ(ParseIniInteger("0x1F"), 31);
    EXPECT_EQ(ParseIniInteger("0XfF"), 255);
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    for (const char* bad : {"", "abc", "12abc", "99999999999", "-2147483649", "0x", "--3", "1.5"})
        EXPECT_EQ(ParseIniInteger(bad), std::nullopt) << bad;
}

TEST(SettingsFile, AMissingFileGivesEveryDefault) {
    testing::ProgramFolder folder;
    const Settings s = ReadSettingsFile(folder.settingsFile(), 1280);
    const Options defaults;
    EXPECT_EQ(s.options.HighlightMode, THighlightMode::GreenRectangle);
    EXPECT_EQ(s.options.PlayerName, "Player1");
    EXPECT_TRUE(s.options.Shuffable);
    EXPECT_FALSE(s.options.Winnable);
    EXPECT_EQ(s.options.Background, 4);
    EXPECT_EQ(s.options.Tileset, 3);
    EXPECT_EQ(s.BoardNumber, -1);
    EXPECT_EQ(s.MidiNumber, -1);
    EXPECT_EQ(s.PreviousRes, 1280);
}

TEST(SettingsFile, WritesEveryKeyInItsOrderAndReadsThemBack) {
    testing::ProgramFolder folder;
    Settings s;
    s.options.HighlightMode = THighlightMode::RedRectangle;
    s.options.Invert = true;
    s.options.PlayerName = "Mei Lin";
    s.options.Shadows = false;
    s.options.LastLoadedTileset = "/home/me/my tiles.bmp";
    s.BoardNumber = 7;
    s.MidiNumber = 2;
    s.RandomSeed = 123456;
    s.XPos = 40;
    s.YPos = 30;
    s.WPos = 800;
    s.HPos = 600;
    s.PreviousRes = 1920;
    s.options.ShowWinnable = true;
    WriteSettingsFile(folder.settingsFile(), s);

    const std::string text = folder.ReadSettings();
    EXPECT_EQ(text.rfind("[Ribaku]", 0), 0u);
    const std::vector<std::string> expected = {"Highlight",
                                               "Invert",
                                               "ShowMoves",
                                               "PlayMusic",
                                               "PlaySounds",
                                               "CurrentPlayer1",
                                               "Background",
                                               "BoardNumber",
                                               "MidiNumber",
                                               "Tileset",
                                               "SetRes800",
                                               "LastLoadedTileset",
                                               "LastLoadedBackground",
                                               "StartDirectly",
                                               "StartMusic",
                                               "ShowHallOfFame",
                                               "ShowToolbar",
                                               "ShowStatus",
                                               "CoolMenu",
                                               "CoolMouse",
                                               "CoolStatus",
                                               "CoolToolbar",
                                               "TileRivers",
                                               "ShowTime",
                                               "FlatButtons",
                                               "EnableHall",
                                               "Shadows",
                                               "Vertical",
                                               "Winnable",
                                               "Shuffable",
                                               "Animate",
                                               "ShowTile",
                                               "OnlyPossible",
                                               "RandomMusic",
                                               "RandomSeed",
                                               "XPos",
                                               "YPos",
                                               "WPos",
                                               "HPos",
                                               "PreviousRes",
                                               "ShowWinnable"};  // added after the 40
    EXPECT_EQ(KeysInOrder(text), expected);
    EXPECT_NE(text.find("Invert=1\n"), std::string::npos);
    EXPECT_NE(text.find("Shadows=0\n"), std::string::npos);
    EXPECT_NE(text.find("ShowWinnable=1\n"), std::string::npos);

    const Settings back = ReadSettingsFile(folder.settingsFile(), 1024);
    EXPECT_EQ(back.options.HighlightMode, THighlightMode::RedRectangle);
    EXPECT_TRUE(back.options.Invert);
    EXPECT_FALSE(back.options.Shadows);
    EXPECT_TRUE(back.options.ShowWinnable);
    EXPECT_EQ(back.options.PlayerName, "Mei Lin");
    EXPECT_EQ(back.options.LastLoadedTileset, "/home/me/my tiles.bmp");
    EXPECT_EQ(back.BoardNumber, 7);
    EXPECT_EQ(back.MidiNumber, 2);
    EXPECT_EQ(back.RandomSeed, 123456);
    EXPECT_EQ(back.XPos, 40);
    EXPECT_EQ(back.PreviousRes, 1920);
    EXPECT_EQ(back.WPos, 0);  // written, never read back
}

TEST(SettingsFile, DamagedValuesFallBackToTheirDefaults) {
    testing::ProgramFolder folder;
    folder.WriteSettings(
        "[Ribaku]\nHighlight=99\nInvert=yes\nShowMoves=0x0\nBackground=-4\nTileset=abc\n"
        "BoardNumber=99999999999999\nRandomSeed=0x10\nShadows=7\nCurrentPlayer1=\n");
    const Settings s = ReadSettingsFile(folder.settingsFile(), 800);
    EXPECT_EQ(s.options.HighlightMode, THighlightMode::GreenRectangle);
    EXPECT_FALSE(s.options.Invert);
    EXPECT_FALSE(s.options.Moves);
    EXPECT_EQ(s.options.Background, 4);
    EXPECT_EQ(s.options.Tileset, 3);
    EXPECT_EQ(s.BoardNumber, -1);
    EXPECT_EQ(s.RandomSeed, 16);
    EXPECT_TRUE(s.options.Shadows);  // any nonzero value is on
    EXPECT_EQ(s.options.PlayerName, "");
}

TEST(SettingsFile, ALineBreakInANameCannotForgeAKey) {
    testing::ProgramFolder folder;
    Settings s;
    s.options.PlayerName = "Bo\nWinnable=1";
    WriteSettingsFile(folder.settingsFile(), s);
    EXPECT_FALSE(ReadSettingsFile(folder.settingsFile(), 800).options.Winnable);
}

}  // namespace
}  // namespace ribaku
