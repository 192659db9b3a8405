#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/board_state.h"

namespace ribaku {

// A layout the deals cannot handle; the message is meant for the player.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Only the value 1 marks a tile position; other bytes survive in the map but are not dealt.
int CountLayoutPositions(const TLayoutMap& map);

// Why the deals cannot take the layout, empty when they can: they need an even number of
// positions, 2..144.
std::string WhyNotDealable(const TLayoutMap& map);

// Throws LayoutError with WhyNotDealable.
void CheckLayoutDealable(const TLayoutMap& map);

// The same for the cells of `file`, about to become the current layout; the message names
// the file.
void CheckLayoutPlayable(const TLayoutMap& map, const std::filesystem::path& file);

}  // namespace ribaku
