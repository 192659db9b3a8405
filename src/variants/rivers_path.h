#pragma once

#include <optional>
#include <vector>

#include "core/board_state.h"

namespace ribaku {

// A cell of the level both tiles of a Rivers pair lie on.
struct TRiverCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const TRiverCell&, const TRiverCell&) = default;
};

// The path that joins tile `a` to tile `b` through empty cells of their level, in at most
// three straight legs of whole-tile steps, or none. Tiles on different levels are never
// joined. The cells run from b's own cell, through each corner, to the cell next to a (a's
// cell is not in it): the order in which b slides towards a. When several paths exist, the
// first in the fixed search order is the one given: first legs right, left, down, up; then
// down before up and right before left; nearest cells first.
std::optional<std::vector<TRiverCell>> FindRiverPath(const TBoardState& state, int a,
                                                     int b);  // CanBeReached

}  // namespace ribaku
