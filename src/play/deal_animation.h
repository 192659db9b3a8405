#pragma once

#include "core/deal.h"
#include "play/board_mode.h"
#include "play/play_context.h"

namespace ribaku {

// How a deal or a reshuffle shows itself with "Animate" on: the board drawn pair by pair or
// tile by tile, each step repainted at once. `kind` is the kind on screen (none on the
// welcome panel, after a game, or while paused). The mode is still that of the previous
// screen when a new game is dealt; a specific game is never animated.
DealAnimation AnimationForDeal(PlayContext& play, const BoardMode* kind, bool paused);
DealAnimation AnimationForShuffle(PlayContext& play, const BoardMode* kind, bool paused);

}  // namespace ribaku
