#pragma once

#include "variants/variant_start.h"

namespace ribaku {

// The board of a new Rivers game (hall 100 or 101): Easy lays 84 tiles (Craks, Bamboos,
// Dots 1 to 3) on one level; Hard 144 in two stacked layers, Craks and Bamboos below. The
// block leaves empty margins around it for the paths.
void DealRiversBoard(TBoardState& state, TRandom& random, const TimeOfDay& now,
                     Difficulty difficulty);  // FourRivers

}  // namespace ribaku
