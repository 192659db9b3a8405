#pragma once

#include "core/deal.h"
#include "game/game.h"

// What the snapshot does to a dealt board, through the game's own play, as a player would.
namespace ribaku::snapshot {

// Clicks pairs 1..count of `pairs` (a winnable deal's build order) off the board.
// Needs count <= pairs.count / 2.
void TakeOffPairs(Game& game, const TPositionList& pairs, int count);

// Clicks the lowest-numbered free tile, when there is one.
void SelectFirstFreeTile(Game& game);

// The game's first hint.
void ShowFirstHint(Game& game);

}  // namespace ribaku::snapshot
