#pragma once

#include "variants/variant_start.h"

namespace ribaku {

// The board of a new Memory game (hall 110 or 111), face down on one level: Easy 32 tiles
// (Craks 1 to 8) in 8 x 4 cells; Hard 84 (Craks, Bamboos, Dots 1 to 3) in 14 x 6.
void DealMemoryBoard(TBoardState& state, TRandom& random, const TimeOfDay& now,
                     Difficulty difficulty);  // Memory

}  // namespace ribaku
