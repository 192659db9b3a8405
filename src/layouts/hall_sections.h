#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "layouts/catalog.h"

namespace ribaku {

inline constexpr int kHallRanks = 10;
inline constexpr size_t kHallEntryLength = 18;

// The hall-of-fame section of a layout: its menu caption with every space removed.
std::string HallSectionName(std::string_view caption);

// "---      " + (rank + 4) * 60 right-aligned in 4 + "    0": 5:00 for rank 1 to 14:00.
std::string DefaultHallEntry(int rank);

// Start-up puts "-" in front of an entry until it holds 18 characters.
std::string LengthenHallEntry(std::string entry);

struct THallSection {
    int hallIndex;
    std::string section;
};

// Every hall the file is read into: layouts 1..n, then Rivers, Memory and Clicks.
std::vector<THallSection> HallSections(const std::vector<LayoutEntry>& layouts);

// The hall page's choice list: each layout + " Layout", then the four timed variants.
std::vector<std::string> HallPageLines(const std::vector<LayoutEntry>& layouts);

}  // namespace ribaku
