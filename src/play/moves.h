#pragma once

#include "core/deal.h"
#include "play/board_mode.h"
#include "play/play_context.h"

namespace ribaku {

// The player's questions and steps back: moves left, hints, Back, Restart and Shuffle.

// The freedom rule the options choose: open sides, or open ends with "Vertical Variation".
bool IsTileFree(const TBoardState& state, const Options& options, int tile);

// The free tiles into FreeList, and the moves among them into MovesLeft.
void CountMoves(TBoardState& state, const Options& options);  // IsItFree

// Outlines the next of the possible moves, for a 40-second penalty.
void ShowHint(PlayContext& play);  // Hint
// The pair shown as a hint, at the hint's price in time.
void ShowHintPair(PlayContext& play, int first, int second);

// The last pair taken off comes back, and the board is drawn; never below `dealt` tiles.
void StepBack(PlayContext& play, int dealt);  // GoBack

// Every pair comes back and the clock starts again.
void RestartGame(PlayContext& play, int dealt);

// New places for the tiles left: winnable when "Shuffable" is on, else at random until a
// move shows. A kind that counts moves says how many it found, and a timed one pays for
// each.
void ShuffleTiles(PlayContext& play, const TKindTraits& kind, const DealAnimation& animation);

}  // namespace ribaku
