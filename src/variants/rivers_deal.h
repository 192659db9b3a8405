#pragma once

#include "core/board_state.h"
#include "core/random.h"

namespace ribaku {

// Which Rivers game a start command asks for; New plays the last one again.
enum class RiversChoice { Easy, Hard, LastPlayed };

// The board of a new Rivers game: the classic layout's number is kept aside, the generator is
// seeded from the clock, and the tiles are dealt on an empty board in one block. Easy lays 84
// tiles (Craks, Bamboos, Dots 1 to 3) on one level; Hard 144 in two stacked layers, Craks and
// Bamboos below. Tiles lie on even columns and odd rows, with empty margins for the paths.
void DealRiversBoard(TBoardState& state, TRandom& random, const TimeOfDay& now,
                     RiversChoice choice);  // FourRivers

}  // namespace ribaku
