// The hall of fame's rules: a time entering a hall, the hall page's list, the message of a
// new entry and its renaming, the file, and the side panel.
#include "play/hall_of_fame.h"

#include "core/board_state.h"
#include "play/hall_file.h"
#include "play/time_text.h"

namespace ribaku {
namespace {

constexpr int kVariantHalls[] = {kRiversEasyNumber, kRiversHardNumber, kMemoryEasyNumber,
                                 kMemoryHardNumber};
constexpr int kNameLength = 8;

std::filesystem::path HallFilePath(const LayoutCatalog& catalog) {
    return catalog.PlayerFilesFolder() / "Hallfame.ini";
}

}  // namespace

int HallItemOfIndex(int hallIndex, int layoutCount) {
    if (hallIndex >= 1 && hallIndex <= layoutCount) return hallIndex - 1;
    for (int k = 0; k < 4; ++k)
        if (kVariantHalls[k] == hallIndex) return layoutCount + k;
    return -1;
}

int HallIndexOfItem(int item, int layoutCount) {
    if (item >= 0 && item < layoutCount) return item + 1;
    if (item >= layoutCount && item < layoutCount + 4) return kVariantHalls[item - layoutCount];
    return -1;
}

void THallOfFame::Enter(int hallIndex, int total, int penalty, const std::string& player) {
    if (!IsHallIndex(hallIndex)) return;
    const int rank = AddHallEntry(HallTable, hallIndex, total, penalty, player);
    if (rank > 0) {
        HallNewRank = rank;
        HallNewIndex = hallIndex;
    }
}

int THallOfFame::NewRankIn(int hallIndex) const {
    return hallIndex == HallNewIndex ? HallNewRank : 0;
}

THallList THallOfFame::List(int hallIndex, int layoutCount) const {
    THallList list;
    list.item = HallItemOfIndex(hallIndex, layoutCount);
    if (!IsHallIndex(hallIndex)) return list;
    for (int rank = 1; rank <= kHallRanks; ++rank) {
        const THallFields fields = HallTable.Fields(hallIndex, rank);
        list.rows.push_back(THallRow{std::to_string(rank), fields.name,
                                     MinutesSeconds(fields.total), MinutesSeconds(fields.penalty)});
    }
    return list;
}

std::string THallOfFame::RankMessage(int hallIndex, const std::string& player) const {
    const int rank = NewRankIn(hallIndex);
    if (!IsHallIndex(hallIndex) || rank < 1 || rank > kHallRanks) return "";
    const THallFields fields = HallTable.Fields(hallIndex, rank);
    return "You reached rank #" + std::to_string(rank) + ", " + player +
           " ! Your score : " + MinutesSeconds(fields.total);
}

void THallOfFame::RenameNewEntry(int hallIndex, const std::string& player) {
    const int rank = NewRankIn(hallIndex);
    if (!IsHallIndex(hallIndex) || rank < 1 || rank > kHallRanks) return;
    std::string entry = HallTable.Entry(hallIndex, rank);
    entry.replace(0, kNameLength, HallNameField(player));
    HallTable.SetEntry(hallIndex, rank, entry);
}

void THallOfFame::Load(const LayoutCatalog& catalog) {
    FileRead = false;
    ReadHallFile(HallFilePath(catalog), HallTable, HallSections(catalog.LayoutNames), true);
    FileRead = true;
}

// A file that could not be read at start-up keeps every section it has: the halls in memory
// then hold defaults where the file may hold entries.
void THallOfFame::Write(const LayoutCatalog& catalog) {
    WriteHallFile(HallFilePath(catalog), HallTable, HallSections(catalog.LayoutNames), !FileRead);
}

void THallOfFame::LoadLayoutHall(const LayoutCatalog& catalog, int number) {
    const THallSection section{number, HallSectionName(catalog.Layout(number).caption)};
    ReadHallFile(HallFilePath(catalog), HallTable, {section}, false);
}

THallPanel THallOfFame::Panel(int hallIndex, const Options& options, bool emptyPanel,
                              bool playerClocks) const {
    THallPanel panel;
    panel.shown = options.ShowHallFame;
    if (!panel.shown) return panel;
    panel.empty = emptyPanel;
    if (panel.empty) return panel;
    const int shift = playerClocks ? 20 : options.ShowCurrentTile ? 10 : -20;
    panel.hallOf = TPanelText{"HALL OF", 21, 50 - shift};
    panel.fame = TPanelText{"FAME", 31, 70 - shift};
    if (!IsHallIndex(hallIndex)) return panel;
    for (int rank = 1; rank <= kHallRanks; ++rank) {
        const THallFields fields = HallTable.Fields(hallIndex, rank);
        panel.lines.push_back(THallPanelLine{
            TPanelText{fields.name, 15, 27 * rank + 81 - shift},
            TPanelText{MinutesSeconds(fields.total), 39, 27 * rank + 94 - shift},
            rank == NewRankIn(hallIndex),
        });
    }
    return panel;
}

}  // namespace ribaku
