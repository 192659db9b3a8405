#pragma once

#include "core/board_state.h"

// Whether a tile may be taken. Both rules also require that nothing lies on the tile.
namespace ribaku {

// Classic rule: the left or the right side is open.
bool IsFree(const TBoardState& state, int tile);  // Dispo

// "Vertical Variation": the top or the bottom side is open instead.
bool IsFreeVertical(const TBoardState& state, int tile);  // Dispo_Vertical

// The test the deal builders apply to a position that is not yet a tile: the classic
// rule whatever the options say, and blind to the game mode.
bool BuildTestFree(const TBoard& board, int column, int row, int level);

}  // namespace ribaku
