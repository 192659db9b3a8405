#pragma once

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

// Throws LayoutError unless the layout has an even number of positions, 2..144.
void CheckLayoutDealable(const TLayoutMap& map);

}  // namespace ribaku
