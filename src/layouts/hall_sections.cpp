#include "layouts/hall_sections.h"

#include <algorithm>
#include <cstdio>

#include "core/board_state.h"

namespace ribaku {

std::string HallSectionName(std::string_view caption) {
    std::string section(caption);
    std::erase(section, ' ');
    return section;
}

std::string DefaultHallEntry(int rank) {
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%4d", (rank + 4) * 60);
    return std::string("---      ") + seconds + "    0";
}

std::string LengthenHallEntry(std::string entry) {
    if (entry.size() < kHallEntryLength) entry.insert(0, kHallEntryLength - entry.size(), '-');
    return entry;
}

std::vector<THallSection> HallSections(const std::vector<LayoutEntry>& layouts) {
    std::vector<THallSection> sections;
    for (size_t n = 0; n < layouts.size(); ++n)
        sections.push_back({static_cast<int>(n) + 1, HallSectionName(layouts[n].caption)});
    sections.push_back({kRiversEasyNumber, "Rivers"});
    sections.push_back({kRiversHardNumber, "Rivers2"});
    sections.push_back({kMemoryEasyNumber, "Memory"});
    sections.push_back({kMemoryHardNumber, "Memory2"});
    sections.push_back({kClicksNumber, "Clicks"});
    return sections;
}

std::vector<std::string> HallPageLines(const std::vector<LayoutEntry>& layouts) {
    std::vector<std::string> lines;
    for (const LayoutEntry& layout : layouts)
        lines.push_back(layout.caption + " Layout");
    for (const char* variant : {"Mahjongg Rivers (Easy)", "Mahjongg Rivers (Hard)",
                                "Mahjongg Memory (Easy)", "Mahjongg Memory (Hard)"})
        lines.emplace_back(variant);
    return lines;
}

}  // namespace ribaku
