#include "play/hall_table.h"

#include <cstdio>
#include <stdexcept>

namespace ribaku {
namespace {

constexpr size_t kNameLength = 8;

// A right-aligned number of 4 characters: blanks, then at least one digit.
std::optional<int> TimeField(const std::string& entry, size_t first) {
    size_t i = first;
    const size_t end = first + 4;
    while (i < end && entry[i] == ' ')
        ++i;
    if (i == end) return std::nullopt;
    int value = 0;
    for (; i < end; ++i) {
        if (entry[i] < '0' || entry[i] > '9') return std::nullopt;
        value = value * 10 + (entry[i] - '0');
    }
    return value;
}

// The bytes of a UTF-8 text that hold its first characters, at most `limit` bytes.
size_t CutAtCharacter(const std::string& text, size_t limit) {
    if (text.size() <= limit) return text.size();
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

void CheckIndex(int index, int rank) {
    if (index < 1 || index > kHallIndexCount || rank < 1 || rank > kHallRanks)
        throw std::out_of_range("hall " + std::to_string(index) + ", rank " + std::to_string(rank));
}

}  // namespace

std::optional<THallFields> ParseHallEntry(const std::string& entry) {
    if (entry.size() != kHallEntryLength || entry[8] != ' ' || entry[13] != ' ')
        return std::nullopt;
    const std::optional<int> total = TimeField(entry, 9);
    const std::optional<int> penalty = TimeField(entry, 14);
    if (!total || !penalty) return std::nullopt;
    std::string name = entry.substr(0, kNameLength);
    name.erase(name.find_last_not_of(' ') + 1);
    return THallFields{name, *total, *penalty};
}

std::string HallNameField(const std::string& name) {
    std::string field = name.empty() ? std::string("-") : name;
    if (field[0] == ' ') field[0] = '-';
    // A line break would end the file's value, a NUL byte the file itself.
    for (char& c : field)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    field.resize(CutAtCharacter(field, kNameLength));
    field.resize(kNameLength, ' ');
    return field;
}

std::string FormatHallEntry(const std::string& name, int total, int penalty) {
    char times[16];
    std::snprintf(times, sizeof times, " %4d %4d", total, penalty);
    return HallNameField(name) + times;
}

bool IsDefaultHallEntry(const std::string& entry, int rank) {
    return entry == DefaultHallEntry(rank);
}

THallTable::THallTable() {
    for (int index = 1; index <= kHallIndexCount; ++index)
        ResetHall(index);
}

const std::string& THallTable::Entry(int index, int rank) const {
    CheckIndex(index, rank);
    return entries_[index - 1][rank - 1];
}

void THallTable::SetEntry(int index, int rank, const std::string& entry) {
    CheckIndex(index, rank);
    entries_[index - 1][rank - 1] = ParseHallEntry(entry) ? entry : DefaultHallEntry(rank);
}

THallFields THallTable::Fields(int index, int rank) const {
    return *ParseHallEntry(Entry(index, rank));
}

void THallTable::ResetHall(int index) {
    for (int rank = 1; rank <= kHallRanks; ++rank)
        SetEntry(index, rank, DefaultHallEntry(rank));
}

bool THallTable::HoldsOnlyDefaults(int index) const {
    for (int rank = 1; rank <= kHallRanks; ++rank)
        if (!IsDefaultHallEntry(Entry(index, rank), rank)) return false;
    return true;
}

int AddHallEntry(THallTable& table, int index, int total, int penalty, const std::string& player) {
    if (total > table.Fields(index, kHallRanks).total) return 0;
    int rank = kHallRanks;
    for (int i = kHallRanks; i >= 1; --i)
        if (table.Fields(index, i).total >= total) rank = i;
    const THallFields there = table.Fields(index, rank);
    if (there.total == total && there.penalty <= penalty) {
        if (rank == kHallRanks) return 0;
        ++rank;
    }
    for (int i = kHallRanks; i > rank; --i)
        table.SetEntry(index, i, table.Entry(index, i - 1));
    table.SetEntry(index, rank, FormatHallEntry(player, total, penalty));
    return rank;
}

}  // namespace ribaku
