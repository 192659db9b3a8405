#include "core/tiles.h"

namespace ribaku {

int TileFace(int tile) {
    if (tile < 1 || tile > kTileCount) return 0;
    if (tile <= 108) return TileKind(tile) + 1;  // Craks, Bamboos, Dots: one face per kind
    if (tile <= 116) return tile - 81;           // Flowers 28..31, Seasons 32..35: one face each
    return TileKind(tile) + 7;                   // Dragons 36..38, Winds 39..42
}

}  // namespace ribaku
