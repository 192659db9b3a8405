#include "core/layout_check.h"
#include "core/short_path.h"

#include <algorithm>

namespace ribaku {

int CountLayoutPositions(const TLayoutMap& map) {
    return static_cast<int>(std::count(map.begin(), map.end(), uint8_t{1}));
}

std::string WhyNotDealable(const TLayoutMap& map) {
    const int positions = CountLayoutPositions(map);
    if (positions == 0) return "This layout has no tile positions.";
    if (positions > kTileCount) {
        return "This layout has " + std::to_string(positions) +
               " tile positions; at most 144 can be dealt.";
    }
    if (positions % 2 != 0) {
        return "This layout has an odd number of tile positions (" + std::to_string(positions) +
               "); tiles are removed in pairs.";
    }
    return {};
}

void CheckLayoutDealable(const TLayoutMap& map) {
    const std::string why = WhyNotDealable(map);
    if (!why.empty()) throw LayoutError(why);
}

void CheckLayoutPlayable(const TLayoutMap& map, const std::filesystem::path& file) {
    const std::string why = WhyNotDealable(map);
    if (!why.empty())
        throw LayoutError("The layout file \"" + ShortPath(file) + "\" cannot be played. " + why);
}

}  // namespace ribaku
