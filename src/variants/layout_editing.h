#pragma once

#include "core/board_state.h"

namespace ribaku {

// The layout editor's rules: tiles placed and removed by the pointer, and the whole layout
// moved by one cell. The board, TilePos and LayoutMap change together, so that the layout
// saved is the one on screen. Points are relative to the board origin.

// Tiles still to place before the layout holds its 144.
int EditorTilesLeft(const TBoardState& state);

// Whether the point's coarse cell lies on the board's grid (columns 0..34, rows 0..20).
bool OnEditorGrid(int x, int y);

// The cell where a tile would go under the point: the highest level where it would rest on
// a tile below (level 1 always), on that level the leftmost column, in that column the lowest
// row, among cells whose box holds the point. Level 0 when there is none.
TCellPos WhatAdd(const TBoardState& state, int x, int y);

// Whether a tile may go at `cell`: one is left to place, and no tile of its level overlaps
// it (the 3 x 3 cells around it are empty).
bool MayPlace(const TBoardState& state, const TCellPos& cell);

// Puts a tile at `cell` when it may go there: the smallest free tile number. Returns it, or 0.
int PlaceEditorTile(TBoardState& state, const TCellPos& cell);

// Takes off the topmost tile under the point when nothing rests on it. Returns it, or 0.
int RemoveEditorTile(TBoardState& state, int x, int y);

enum class LayoutMove { Left, Right, Up, Down };

// The whole layout one cell in `move`'s direction, unless a tile lies on the edge it would
// leave. Returns whether it moved.
bool MoveLayout(TBoardState& state, LayoutMove move);  // Movetoleft1Click and the others

}  // namespace ribaku
