#pragma once

#include "core/deal.h"

namespace ribaku {

enum class ShuffleOutcome {
    Shuffled,    // the tiles left were redealt so that they can all be taken off
    TooFewFree,  // fewer than two free positions: nothing changed
    GaveUp,      // no drawing within the pass limit: nothing changed
};

// The reshuffle gives up after this many passes (one pair drawn or one restart each).
inline constexpr int kMaxShufflePasses = 200;

struct TShuffleResult {
    ShuffleOutcome outcome = ShuffleOutcome::Shuffled;
    TPositionList buildPairs;  // as in TDealResult, when shuffled
};

// Redistributes the tiles still on the board over the same occupied cells so that the rest
// can be won. Seeds the generator from the clock: a reshuffle is never a specific game.
TShuffleResult ShuffleBoard(TBoardState& state, TRandom& rng, const TimeOfDay& now,
                            const DealAnimation& animation);

}  // namespace ribaku
