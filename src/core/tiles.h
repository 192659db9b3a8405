#pragma once

#include <cstdint>

// The 144 physical tiles are numbered 1..144 in blocks of four per kind; 0 means no tile.
namespace ribaku {

inline constexpr int kTileCount = 144;
inline constexpr int kFaceCount = 42;

// (n - 1) div 4: 0..35. Flowers (kind 27) and Seasons (kind 28) match within their group.
constexpr int TileKind(int tile) {
    return (tile - 1) / 4;
}

// Whether a == b is allowed is the caller's business.
constexpr bool TilesMatch(int a, int b) {
    return TileKind(a) == TileKind(b);
}

// The picture a tile shows, 1..42; 0 for tile 0.
int TileFace(int tile);

}  // namespace ribaku
