#pragma once

#include "variants/variant_start.h"

namespace ribaku {

// The boards of Memory (halls 110 and 111), face down on one level: Easy 32 tiles (Craks 1
// to 8) in 8 x 4 cells; Hard 84 (Craks, Bamboos, Dots 1 to 3) in 14 x 6.
inline constexpr TVariantBoards kMemoryBoards{
    .easyNumber = kMemoryEasyNumber,
    .hardNumber = kMemoryHardNumber,
    .easy = {.levels = 1, .firstColumn = 10, .columns = 8, .firstRow = 7, .rows = 4},
    .hard = {.levels = 1, .firstColumn = 4, .columns = 14, .firstRow = 5, .rows = 6},
};

}  // namespace ribaku
