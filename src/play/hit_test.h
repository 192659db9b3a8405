#pragma once

#include "core/board_state.h"

namespace ribaku {

// The topmost tile under a point relative to the board origin, 0 for none. Where hit boxes
// overlap, the higher level wins; on one level the smaller column, then the larger row.
int TileAt(const TBoardState& state, int x, int y);  // WhatTileThere

}  // namespace ribaku
