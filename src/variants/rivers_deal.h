#pragma once

#include "variants/variant_start.h"

namespace ribaku {

// The boards of Rivers (halls 100 and 101): Easy lays 84 tiles (Craks, Bamboos, Dots 1 to 3)
// on one level; Hard 144 in two stacked layers, Craks and Bamboos below. The block leaves
// empty margins around it for the paths.
inline constexpr TVariantBoards kRiversBoards{
    .easyNumber = kRiversEasyNumber,
    .hardNumber = kRiversHardNumber,
    .easy = {.levels = 1, .firstColumn = 4, .columns = 14, .firstRow = 5, .rows = 6},
    .hard = {.levels = 2, .firstColumn = 6, .columns = 12, .firstRow = 5, .rows = 6},
};

}  // namespace ribaku
