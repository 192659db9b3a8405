#pragma once

#include "core/board_state.h"
#include "core/deal.h"

// What the snapshot asks of a dealt board, done as play does it.
namespace ribaku::snapshot {

// Takes pairs 1..count of `pairs` (a winnable deal's build order) off the board, each
// recorded in History like a pair the player removed. Needs count <= pairs.count / 2.
void TakeOffPairs(TBoardState& state, const TPositionList& pairs, int count);

// The lowest-numbered free tile, 0 when none is free.
int FirstFreeTile(const TBoardState& state, bool vertical);

// The first pair of free tiles of one kind in tile-number order, as the first hint shows
// it; {0, 0} when there is none.
struct TTilePair {
    int first = 0;
    int second = 0;
};
TTilePair FirstHintPair(const TBoardState& state, bool vertical);

}  // namespace ribaku::snapshot
