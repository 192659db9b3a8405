// The help dialog's hall page: the list of one hall, the rank of a new entry, the reset and
// the name box.
#include "core/game.h"
#include "play/time_text.h"

namespace ribaku {
namespace {

constexpr int kVariantHalls[] = {kRiversEasyNumber, kRiversHardNumber, kMemoryEasyNumber,
                                 kMemoryHardNumber};
constexpr int kNameLength = 8;

bool IsHallIndex(int index) {
    return index >= 1 && index <= kHallIndexCount;
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

THallList Game::GenerateList(int hallIndex) const {
    THallList list;
    list.item = HallItemOfIndex(hallIndex, state.LayoutCount);
    if (!IsHallIndex(hallIndex)) return list;
    for (int rank = 1; rank <= kHallRanks; ++rank) {
        const THallFields fields = hall.HallTable.Fields(hallIndex, rank);
        list.rows.push_back(THallRow{std::to_string(rank), fields.name,
                                     MinutesSeconds(fields.total), MinutesSeconds(fields.penalty)});
    }
    return list;
}

std::string Game::HallRankMessage() const {
    const int rank = hall.HallNewRank;
    if (!IsHallIndex(state.LayoutNumber) || rank < 1 || rank > kHallRanks) return "";
    const THallFields fields = hall.HallTable.Fields(state.LayoutNumber, rank);
    return "You reached rank #" + std::to_string(rank) + ", " + options.PlayerName +
           " ! Your score : " + MinutesSeconds(fields.total);
}

void Game::DeleteHighscoresClick(int item) {
    const int index = HallIndexOfItem(item, state.LayoutCount);
    if (index < 1) return;
    if (view_.Ask("Please confirm...",
                  "Do you really want to remove the Hall of Fame entries for this layout ?"))
        hall.HallTable.ResetHall(index);
    view_.ShowPanelHOF();
    hall.HallPanelDirty = true;
}

void Game::HallEdit1Change(const std::string& text) {
    if (text != options.PlayerName) {
        options.PlayerName = text.empty() ? "-" : text;
        const int rank = hall.HallNewRank;
        if (IsHallIndex(state.LayoutNumber) && rank >= 1 && rank <= kHallRanks) {
            std::string entry = hall.HallTable.Entry(state.LayoutNumber, rank);
            entry.replace(0, kNameLength, HallNameField(options.PlayerName));
            hall.HallTable.SetEntry(state.LayoutNumber, rank, entry);
        }
    }
    view_.ShowPanelHOF();
}

}  // namespace ribaku
