#pragma once

#include "core/deal.h"
#include "play/play_context.h"

namespace ribaku {

// Fills the board from LayoutMap and deals it, plain or winnable as the options say: the
// specific game of GameSeed under "Random Seed", else a deal from the clock. Throws
// LayoutError, before anything changes, when the layout cannot be dealt.
TDealResult DealClassicBoard(PlayContext& play, const DealAnimation& animation);

}  // namespace ribaku
