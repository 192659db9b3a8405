#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "play/hall_file.h"
#include "support/play_fixture.h"

namespace ribaku {
namespace {

namespace fs = std::filesystem;
using testing::PlayTest;

TEST(HallEntries, AGameGoesBeforeTheFirstTimeThatIsNotBetter) {
    THallTable table;
    EXPECT_EQ(AddHallEntry(table, 5, 299, 0, "Ann"), 1);
    EXPECT_EQ(table.Entry(5, 1), "Ann       299    0");
    EXPECT_EQ(table.Entry(5, 2), DefaultHallEntry(1));
    EXPECT_EQ(table.Fields(5, 10).total, 13 * 60);         // the old tenth entry is gone
    EXPECT_EQ(AddHallEntry(table, 5, 400, 40, "Bob"), 4);  // after 299, 300 and 360
    EXPECT_EQ(table.Entry(5, 4), "Bob       400   40");
    EXPECT_TRUE(table.HoldsOnlyDefaults(6));
}

TEST(HallEntries, EqualTimesGoAfterAnEqualOrSmallerPenaltyAndBeforeALargerOne) {
    THallTable table;
    table.SetEntry(7, 1, "Ann       300   20");
    THallTable other = table;
    EXPECT_EQ(AddHallEntry(table, 7, 300, 20, "Same"), 2);
    EXPECT_EQ(table.Fields(7, 1).name, "Ann");
    EXPECT_EQ(AddHallEntry(other, 7, 300, 10, "Less"), 1);
    EXPECT_EQ(other.Fields(7, 2).name, "Ann");
    // Only the first entry that is not better is compared.
    EXPECT_EQ(AddHallEntry(table, 7, 300, 20, "Third"), 2);
    // Equal to the tenth entry: the game stays out, as it does with a worse time.
    const THallTable before = table;
    EXPECT_EQ(AddHallEntry(table, 7, table.Fields(7, 10).total, 0, "Late"), 0);
    EXPECT_EQ(AddHallEntry(table, 7, 5000, 0, "Slow"), 0);
    for (int rank = 1; rank <= kHallRanks; ++rank)
        EXPECT_EQ(table.Entry(7, rank), before.Entry(7, rank));
}

TEST(HallEntries, NamesAreCutToEightCharactersAndNeverStartWithABlank) {
    EXPECT_EQ(FormatHallEntry("Alexandria", 61, 5), "Alexandr   61    5");
    EXPECT_EQ(FormatHallEntry(" Al", 61, 5), "-Al        61    5");
    EXPECT_EQ(FormatHallEntry("", 61, 5), "-          61    5");
    // A name is cut between characters, never inside one.
    EXPECT_EQ(HallNameField("Zoë Zoë Zoë"), "Zoë Zo ");
    EXPECT_EQ(HallNameField("ÉÉÉÉÉ"), "ÉÉÉÉ");
    // Control characters would break the file's line, or end the file at a NUL.
    EXPECT_EQ(HallNameField(std::string("A\0b\tc\n", 6)), "A b c   ");
}

TEST(HallEntries, OnlyTheEntryFormIsKept) {
    THallTable table;
    table.SetEntry(3, 4, "Cheater   abc    0");
    EXPECT_EQ(table.Entry(3, 4), DefaultHallEntry(4));
    table.SetEntry(3, 5, "Cheater  -300    0");
    EXPECT_EQ(table.Entry(3, 5), DefaultHallEntry(5));
    table.SetEntry(3, 6, "short");
    EXPECT_EQ(table.Entry(3, 6), DefaultHallEntry(6));
    EXPECT_FALSE(ParseHallEntry("Ann       299     "));
    EXPECT_EQ(ParseHallEntry("Ann Lee   299   40")->name, "Ann Lee");
    EXPECT_THROW(table.Entry(121, 1), std::out_of_range);
}

class HallFile : public ::testing::Test {
protected:
    HallFile() {
        dir = fs::temp_directory_path() / ("ribaku-hall-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "Hallfame.ini";
        halls = HallSections({{"Big Tower"}, {"Crab.shp", LayoutFormat::Shp}});
    }
    ~HallFile() override { fs::remove_all(dir); }
    void WriteText(const std::string& text) {
        std::ofstream out(file, std::ios::binary);
        out << text;
    }
    std::string Text() const { return ReadWholeFile(file); }

    fs::path dir;
    fs::path file;
    std::vector<THallSection> halls;
};

TEST_F(HallFile, EntriesComeBackExactlyAsTheyWereWritten) {
    THallTable table;
    table.SetEntry(1, 1, "Ann Lee    99    3");
    table.SetEntry(1, 2, FormatHallEntry("Zoë", 120, 0));
    table.SetEntry(1, 3, FormatHallEntry(" lead", 130, 0));
    table.SetEntry(kMemoryHardNumber, 10, "Mem       700   20");
    WriteHallFile(file, table, halls);
    EXPECT_NE(Text().find("[BigTower]\nRank1=Ann Lee    99    3\n"), std::string::npos);

    THallTable back;
    ReadHallFile(file, back, halls, true);
    for (const THallSection& hall : halls)
        for (int rank = 1; rank <= kHallRanks; ++rank)
            EXPECT_EQ(back.Entry(hall.hallIndex, rank), table.Entry(hall.hallIndex, rank));
}

TEST_F(HallFile, ADefaultLayoutHallLeavesNoSectionButTheVariantsAndOtherLayoutsStay) {
    WriteText("[Gone]\nRank1=Old       100    0\n[BigTower]\nRank1=Ann       100    0\n");
    THallTable table;  // Big Tower was reset
    WriteHallFile(file, table, halls);
    const std::string text = Text();
    EXPECT_EQ(text.find("[BigTower]"), std::string::npos);
    EXPECT_EQ(text.find("[Crab.shp]"), std::string::npos);
    EXPECT_NE(text.find("[Gone]\nRank1=Old       100    0"), std::string::npos);
    for (const char* section : {"[Rivers]", "[Rivers2]", "[Memory]", "[Memory2]", "[Clicks]"})
        EXPECT_NE(text.find(section), std::string::npos) << section;
    EXPECT_NE(text.find("[Clicks]\nRank1=---       300    0\n"), std::string::npos);

    // After an unreadable start the sections are kept, since the halls may not hold them.
    WriteText("[BigTower]\nRank1=Ann       100    0\n");
    WriteHallFile(file, table, halls, true);
    EXPECT_NE(Text().find("[BigTower]"), std::string::npos);
}

TEST_F(HallFile, ShortEntriesArePaddedWithDashesAndBrokenOnesReadAsDefaults) {
    WriteText(
        "[BigTower]\n"
        "rank2=Bo   320    0\n"  // keys are case-insensitive; the file trimmed its blanks
        "Rank3=  Al      330    0\n"
        "Rank4=Cheater   abc    0\n"
        "Rank5=9\n");
    THallTable table;
    ReadHallFile(file, table, halls, true);
    EXPECT_EQ(table.Entry(1, 1), DefaultHallEntry(1));
    EXPECT_EQ(table.Entry(1, 2), "-----Bo   320    0");
    EXPECT_EQ(table.Entry(1, 3), "--Al      330    0");
    EXPECT_EQ(table.Entry(1, 4), DefaultHallEntry(4));
    EXPECT_EQ(table.Entry(1, 5), DefaultHallEntry(5));

    THallTable unpadded;  // a layout saved anew: short entries are not lengthened
    ReadHallFile(file, unpadded, {{1, "BigTower"}}, false);
    EXPECT_EQ(unpadded.Entry(1, 2), DefaultHallEntry(2));
}

// What the player sees of every hall: name, total and penalty of each rank.
std::vector<std::string> Seen(const THallTable& table, const std::vector<THallSection>& halls) {
    std::vector<std::string> seen;
    for (const THallSection& hall : halls) {
        for (int rank = 1; rank <= kHallRanks; ++rank) {
            const THallFields fields = table.Fields(hall.hallIndex, rank);
            seen.push_back(hall.section + " " + std::to_string(rank) + ": " + fields.name + " " +
                           std::to_string(fields.total) + " " + std::to_string(fields.penalty));
        }
    }
    return seen;
}

TEST_F(HallFile, ANulByteDamagesNoMoreThanItsOwnEntry) {
    using namespace std::string_literals;
    WriteText(
        "[BigTower]\n"
        "Rank1=Ann       100    0\n"
        "Rank2=B\0b       200    0\n"  // in a name: the name reads with a blank
        "Rank3=Cy        2\0"
        "0    0\n"  // in a time: the rank reads as its default
        "\0Rank4=Di        260    0\n"
        "[Notes]\n"
        "Seen=ye\0s\n"
        "Kept=yes\n"
        "[Crab.shp]\n"
        "Rank1=Dee       120    5\n"
        "[Rivers]\n"
        "Rank1=Eve       150    0\n"
        "Extra=mine\n"s);
    THallTable table;
    ReadHallFile(file, table, halls, true);
    THallTable expected;
    expected.SetEntry(1, 1, "Ann       100    0");
    expected.SetEntry(1, 2, "B b       200    0");
    expected.SetEntry(1, 4, "Di        260    0");
    expected.SetEntry(2, 1, "Dee       120    5");
    expected.SetEntry(kRiversEasyNumber, 1, "Eve       150    0");
    EXPECT_EQ(Seen(table, halls), Seen(expected, halls));

    WriteHallFile(file, table, halls);
    THallTable back;
    ReadHallFile(file, back, halls, true);
    EXPECT_EQ(Seen(back, halls), Seen(expected, halls));
    const std::string text = Text();
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_NE(text.find("[Notes]\nSeen=ye s\nKept=yes\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Extra=mine\n"), std::string::npos) << text;
}

TEST_F(HallFile, OnlyAHallOfExactlyTheDefaultsLeavesNoSection) {
    // A player named "---": every entry contains "--- ", none is a default.
    WriteText(
        "[BigTower]\nRank1=---       100    0\nRank2=---       360    0\n"
        "[Crab.shp]\nRank1=---       300    0\n");
    THallTable table;
    ReadHallFile(file, table, halls, true);
    table.SetEntry(2, 2, FormatHallEntry("---", 300, 0));  // the default of rank 1, at rank 2
    const std::vector<std::string> seen = Seen(table, halls);
    WriteHallFile(file, table, halls);
    THallTable back;
    ReadHallFile(file, back, halls, true);
    EXPECT_EQ(Seen(back, halls), seen);
    EXPECT_EQ(back.Fields(1, 1).total, 100);
    EXPECT_EQ(back.Fields(2, 2).total, 300);

    table.ResetHall(1);
    WriteHallFile(file, table, halls);
    EXPECT_EQ(Text().find("[BigTower]"), std::string::npos);
    EXPECT_NE(Text().find("[Crab.shp]"), std::string::npos);
    EXPECT_FALSE(IsDefaultHallEntry(FormatHallEntry("---", 300, 0), 2));
    EXPECT_TRUE(IsDefaultHallEntry(FormatHallEntry("---", 300, 0), 1));
}

TEST_F(HallFile, AFailedWriteSaysSoAndKeepsTheFileOnDisk) {
    THallTable table;
    table.SetEntry(2, 1, "Ann       100    0");
    WriteHallFile(file, table, halls);
    const std::string before = Text();
    table.SetEntry(2, 2, "Bob       200    0");
    // A file-size limit fails the write part-way, as a full disk would, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string message;
    try {
        WriteHallFile(file, table, halls);
    } catch (const FileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_NE(message.find("Unable to write to"), std::string::npos) << message;
    EXPECT_NE(message.find("Hallfame.ini"), std::string::npos) << message;
    EXPECT_EQ(Text(), before);
}

// The hall as the game, the side panel and the hall page see it.
class Hall : public PlayTest {
protected:
    Hall() {
        game.catalog.LayoutNames = {{"Big Tower"}, {"Bridge"}, {"Crab.shp", LayoutFormat::Shp}};
        game.state.LayoutCount = 3;
        game.state.LayoutNumber = 2;
        game.options.PlayerName = "Ann";
    }

    // What the end of a game enters: the time with its penalty, into the current hall.
    void EnterGameTime() {
        const TBoardState& s = game.state;
        game.hall.Enter(s.LayoutNumber, s.ElapsedSeconds + s.PenaltySeconds, s.PenaltySeconds,
                        game.options.PlayerName);
    }
};

TEST_F(Hall, TheGameEntersItsTimeAndPenaltyIntoTheHallOfItsLayoutOrVariant) {
    game.state.ElapsedSeconds = 250;
    game.state.PenaltySeconds = 50;
    EnterGameTime();
    EXPECT_EQ(game.hall.HallNewRank, 2);  // 300 with 50 penalty goes after 300 with none
    EXPECT_EQ(game.hall.HallTable.Entry(2, 2), "Ann       300   50");
    game.state.LayoutNumber = kRiversHardNumber;
    EnterGameTime();
    EXPECT_EQ(game.hall.HallTable.Entry(kRiversHardNumber, 2), "Ann       300   50");
}

TEST_F(Hall, TheSidePanelListsTheHallOfTheCurrentLayoutWhereTheModeLeavesRoom) {
    game.hall.HallNewRank = 3;
    game.hall.HallNewIndex = 2;
    game.state.GameMode = gmSolitaire;
    THallPanel panel = game.PanelHOF();
    ASSERT_EQ(panel.lines.size(), 10u);
    EXPECT_EQ(panel.hallOf.text, "HALL OF");
    EXPECT_EQ(panel.hallOf.y, 70);
    EXPECT_EQ(panel.lines[0].name.text, "---");
    EXPECT_EQ(panel.lines[0].time.text, "05:00");
    EXPECT_EQ(panel.lines[9].time.text, "14:00");
    EXPECT_EQ(panel.lines[9].name.y, 27 * 10 + 81 + 20);
    EXPECT_TRUE(panel.lines[2].newEntry);
    EXPECT_FALSE(panel.lines[1].newEntry);

    game.options.ShowCurrentTile = true;
    EXPECT_EQ(game.PanelHOF().lines[0].time.y, 27 + 94 - 10);
    game.state.GameMode = gmTwoPlayers;
    EXPECT_EQ(game.PanelHOF().fame.y, 70 - 20);
    game.state.GameMode = gmEditor;
    EXPECT_TRUE(game.PanelHOF().empty);
    game.options.ShowHallFame = false;
    EXPECT_FALSE(game.PanelHOF().shown);
}

// A Memory record is the new entry of the Memory hall only: the classic layout played next
// shows no rank of its own marked, and renaming reaches no other hall's record.
TEST_F(Hall, TheNewEntryBelongsToTheHallItWentInto) {
    game.state.LayoutNumber = kMemoryEasyNumber;
    game.state.ElapsedSeconds = 61;
    EnterGameTime();
    ASSERT_EQ(game.hall.HallNewRank, 1);
    game.state.GameMode = gmMemory;
    EXPECT_TRUE(game.PanelHOF().lines[0].newEntry);

    game.state.LayoutNumber = 2;
    game.state.GameMode = gmSolitaire;
    for (const THallPanelLine& line : game.PanelHOF().lines)
        EXPECT_FALSE(line.newEntry);
    EXPECT_EQ(game.hall.RankMessage(2, "Ann"), "");
    const std::string record = game.hall.HallTable.Entry(2, 1);
    game.HallEdit1Change("Zed");
    EXPECT_EQ(game.hall.HallTable.Entry(2, 1), record);
    EXPECT_EQ(game.hall.HallTable.Fields(kMemoryEasyNumber, 1).name, "Ann");
}

TEST_F(Hall, TheHallPageListsAHallUnderItsDropDownItem) {
    game.hall.HallTable.SetEntry(kMemoryEasyNumber, 1, "Mem        61   20");
    const THallList list = game.hall.List(kMemoryEasyNumber, game.state.LayoutCount);
    EXPECT_EQ(list.item, 5);
    ASSERT_EQ(list.rows.size(), 10u);
    EXPECT_EQ(list.rows[0].rank, "1");
    EXPECT_EQ(list.rows[0].name, "Mem");
    EXPECT_EQ(list.rows[0].time, "01:01");
    EXPECT_EQ(list.rows[0].malus, "00:20");
    EXPECT_EQ(list.rows[9].time, "14:00");
    EXPECT_EQ(game.hall.List(kClicksNumber, game.state.LayoutCount).item, -1);
    for (int item = 0; item < 7; ++item)
        EXPECT_EQ(HallItemOfIndex(HallIndexOfItem(item, 3), 3), item);
    EXPECT_EQ(HallIndexOfItem(3, 3), kRiversEasyNumber);
    EXPECT_EQ(HallIndexOfItem(7, 3), -1);
    EXPECT_EQ(HallIndexOfItem(-1, 3), -1);
}

TEST_F(Hall, ResettingAHallAsksFirst) {
    game.hall.HallTable.SetEntry(1, 1, "Ann       100    0");
    view.answerOk = false;
    game.DeleteHighscoresClick(0);
    EXPECT_FALSE(game.hall.HallTable.HoldsOnlyDefaults(1));
    EXPECT_EQ(view.calls.front(),
              "Ask Please confirm...: Do you really want to remove the Hall of Fame entries "
              "for this layout ?");
    view.answerOk = true;
    game.DeleteHighscoresClick(0);
    EXPECT_TRUE(game.hall.HallTable.HoldsOnlyDefaults(1));
    EXPECT_TRUE(game.hall.HallPanelDirty);
    EXPECT_EQ(view.Count("ShowPanelHOF"), 2);
    view.calls.clear();
    game.DeleteHighscoresClick(-1);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(Hall, TheNameBoxRenamesTheNewEntry) {
    game.state.ElapsedSeconds = 100;
    EnterGameTime();
    game.HallEdit1Change("Annabel");
    EXPECT_EQ(game.hall.HallTable.Entry(2, 1), "Annabel   100    0");
    game.HallEdit1Change(" Bo");
    EXPECT_EQ(game.hall.HallTable.Entry(2, 1), "-Bo       100    0");
    game.HallEdit1Change("");
    EXPECT_EQ(game.options.PlayerName, "-");
    EXPECT_EQ(game.hall.HallTable.Entry(2, 1), "-         100    0");
    EXPECT_EQ(game.hall.RankMessage(game.state.LayoutNumber, game.options.PlayerName),
              "You reached rank #1, - ! Your score : 01:40");
}

TEST_F(Hall, TheFileIsReadAfterTheLayoutsAndWrittenAtTheEnd) {
    const fs::path dir = fs::temp_directory_path() / ("ribaku-hof-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    game.catalog.ProgramDir = dir;
    game.hall.Load(game.catalog);  // no file yet: defaults
    EXPECT_TRUE(game.hall.HallTable.HoldsOnlyDefaults(1));
    game.state.LayoutNumber = 1;
    game.state.ElapsedSeconds = 200;
    EnterGameTime();
    game.hall.Write(game.catalog);

    Game again(view);
    again.catalog = game.catalog;
    again.hall.Load(again.catalog);
    EXPECT_EQ(again.hall.HallTable.Entry(1, 1), "Ann       200    0");
    again.hall.LoadLayoutHall(again.catalog, 1);
    EXPECT_EQ(again.hall.HallTable.Entry(1, 1), "Ann       200    0");
    fs::remove_all(dir);
}

TEST_F(Hall, TheOptionsPageTakesOnlyGameNumbersFromOneToTheLargest) {
    game.state.GameSeed = 5;
    EXPECT_EQ(game.RandomSeedChange("1"), GameNumberText::Accepted);
    EXPECT_EQ(game.RandomSeedChange("12"), GameNumberText::Accepted);
    EXPECT_EQ(game.RandomSeedChange("123"), GameNumberText::Accepted);
    EXPECT_EQ(game.RandomSeedChange(""), GameNumberText::Empty);
    EXPECT_EQ(game.state.GameSeed, 123);
    for (const char* wrong : {"0", "-5", "+5", "2147483648", "99999999999", "12a", " 12", "1e3"})
        EXPECT_EQ(game.RandomSeedChange(wrong), GameNumberText::Refused) << wrong;
    EXPECT_EQ(game.state.GameSeed, 123);
    EXPECT_EQ(game.RandomSeedChange("2147483647"), GameNumberText::Accepted);
    EXPECT_EQ(game.state.GameSeed, 2147483647);
}

TEST_F(Hall, ShowingThePanelRepaintsItAndTheHallCommandOpensItsPage) {
    game.options.ShowHallFame = false;
    game.ShowHallPanel();
    EXPECT_TRUE(game.options.ShowHallFame);
    EXPECT_TRUE(game.hall.HallPanelDirty);
    game.state.GameMode = gmSolitaire;
    view.calls.clear();
    game.DrawBoard();  // a dirty panel is repainted by every redraw until a click
    EXPECT_EQ(view.Count("ShowPanelHOF"), 1);
    Click(1);
    EXPECT_FALSE(game.hall.HallPanelDirty);
    game.CallHelp(HelpPage::HallOfFame);
    EXPECT_EQ(view.Count("CallHelp 6"), 1);
}

}  // namespace
}  // namespace ribaku
