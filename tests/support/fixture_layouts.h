#pragma once

#include "core/board_state.h"

namespace ribaku::testing {

// 144 positions on five levels, with rows and levels half a tile apart: hard enough that
// a careless deal gets stuck, but winnable.
TLayoutMap StackedFixture144();

// `count` tiles side by side on level 1, row 2, from column 2.
TLayoutMap RowFixture(int count);

void SetPosition(TLayoutMap& map, int column, int row, int level);

}  // namespace ribaku::testing
