#pragma once

#include <cstdint>

#include "core/board_state.h"
#include "core/random.h"

namespace ribaku {

// The play area of the Clicks grid; every other cell is an empty border, so that the
// neighbours of a block are always inside the array.
inline constexpr int kClicksFirstColumn = 2;
inline constexpr int kClicksLastColumn = 19;
inline constexpr int kClicksTopRow = 2;
inline constexpr int kClicksBottomRow = 12;
inline constexpr int kClicksColours = 5;

struct TClicksCell {
    int column = 0;
    int row = 0;
};

// A new board: the border empty, the play area filled column by column, top to bottom, so
// that a seed always gives the same board.
void FillClicksGrid(TClicksGrid& grid, TRandom& random);

// The cell under a click at (x, y), in pixels from the board's origin. Any click gives a
// cell, possibly far outside the grid.
TClicksCell ClicksCellAt(int x, int y);

// The block in `cell`, 0 when it is empty or outside the grid.
uint8_t ClicksBlock(const TClicksGrid& grid, TClicksCell cell);

// Whether `cell` holds a block with a neighbour of its colour: a group a click removes.
bool ClicksGroupAt(const TClicksGrid& grid, TClicksCell cell);

// Clears the group in `cell`: right, lower, left and upper neighbours of each block in
// turn, depth first. Returns how many blocks went; 0, touching nothing, when `cell` holds
// no group (a lone block stays).
int RemoveClicksGroup(TClicksGrid& grid, TClicksCell cell);

// One step of the board settling after a removal, drawn after each: blocks fall, then
// empty columns close to the left. Returns whether anything changed; the board has
// settled after the first pass that changes nothing.
bool SettleClicksPass(TClicksGrid& grid);

// Whether a group of two or more is left anywhere on the board.
bool ClicksMoveLeft(const TClicksGrid& grid);

}  // namespace ribaku
