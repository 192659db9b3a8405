#pragma once

#include "play/board_mode.h"
#include "play/play_context.h"

namespace ribaku {

// Clicks and pointer moves on the board of a kind that takes pairs off, as the classic game
// does. Points are relative to the board origin.

// The tile at (x, y) when the point lies inside the board's grid, else 0.
int TileOnGrid(const TBoardState& state, int x, int y);

// The tile under the point is selected; a second tile completes a pair, which goes when
// the tiles match and `kind` lets them go.
void SelectAt(BoardMode& kind, PlayContext& play, int x, int y);  // ChoisitPai

// Takes the selected pair off the board, with "done": the history records the first tile at
// `firstPos` (where it lay before it moved on the way, if it did) and the second where it
// lies; LastPair1 is `firstOff`, the tile that goes with the second.
void TakePairOff(PlayContext& play, int firstOff, const TCellPos& firstPos);

// The right button: no tile stays selected or hinted.
void DropSelection(PlayContext& play);

// The "select" sound, and the tile drawn selected.
void MarkSelected(PlayContext& play, int tile);  // SonOK

// The outline of the tile under the pointer, and the side panel's current-tile box.
void HoverAt(const BoardMode& kind, PlayContext& play, int x, int y);

// No tile stays outlined; the current-tile box empties unless the side panel holds the
// players' clocks instead.
void DropPointer(PlayContext& play, bool playerClocks);  // PointerLeft

}  // namespace ribaku
