#pragma once

#include <array>
#include <optional>
#include <string>

#include "layouts/hall_sections.h"

namespace ribaku {

// Hall indexes are the layout numbers: 1..99 the listed layouts, 100 and up the variants.
inline constexpr int kHallIndexCount = 120;

inline constexpr bool IsHallIndex(int index) {
    return index >= 1 && index <= kHallIndexCount;
}

// An entry is 18 characters: the name in 8, a blank, the total seconds right-aligned in 4,
// a blank, the penalty seconds right-aligned in 4.
struct THallFields {
    std::string name;  // the 8 characters of the name field, trailing blanks removed
    int total = 0;
    int penalty = 0;
};

// The fields of an entry, or nothing when the entry is not of that form (a hand-edited
// file): its time fields must be digits, right-aligned.
std::optional<THallFields> ParseHallEntry(const std::string& entry);

// The name as it stands in an entry: exactly 8 bytes, cut at a character boundary and padded
// with blanks. An empty name and a leading blank become "-", because the hall file trims
// blanks around its values and would shift the fields.
std::string HallNameField(const std::string& name);

std::string FormatHallEntry(const std::string& name, int total, int penalty);

// The ten best times of every hall, rank 1 the best. Every entry starts as the default of
// its rank and always stays of the entry form.
class THallTable {
public:
    THallTable();

    // index 1..kHallIndexCount, rank 1..kHallRanks; out-of-range arguments throw.
    const std::string& Entry(int index, int rank) const;
    // Stores the entry, or the default of its rank when it is not of the entry form.
    void SetEntry(int index, int rank, const std::string& entry);
    THallFields Fields(int index, int rank) const;

    void ResetHall(int index);
    // A hall holding only the defaults of its ranks leaves no section in the file.
    bool HoldsOnlyDefaults(int index) const;

private:
    std::array<std::array<std::string, kHallRanks>, kHallIndexCount> entries_;
};

// Exactly the default of its rank: a player may well be named "---".
bool IsDefaultHallEntry(const std::string& entry, int rank);

// Puts a game of `total` seconds, `penalty` of them penalties, into the hall: before the
// first entry whose total is not smaller, or after it when the totals are equal and its
// penalty is not larger. Answers the new rank, or 0 when the game does not enter.
int AddHallEntry(THallTable& table, int index, int total, int penalty, const std::string& player);

}  // namespace ribaku
