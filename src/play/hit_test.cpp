#include "play/hit_test.h"

namespace ribaku {

// A tile's hit box is its face plus the edge on its left, 46 x 56 pixels. Later hits
// replace earlier ones, so the scan order decides which of overlapping tiles is on top.
int TileAt(const TBoardState& state, int x, int y) {
    int found = 0;
    for (int level = 1; level <= kMapLevels; ++level) {
        const int l = level - 1;
        for (int column = kMapColumns; column >= 1; --column) {
            const int left = (column - 1) * 20 + l * 6 - 26;
            if (x < left || x >= left + 46) continue;
            for (int row = 1; row <= kMapRows; ++row) {
                const int top = (row - 1) * 25 - l * 6 - 40;
                const uint8_t cell = state.Board(column, row, level);
                if (cell != 0 && y >= top && y < top + 56) found = cell;
            }
        }
    }
    return found;
}

}  // namespace ribaku
