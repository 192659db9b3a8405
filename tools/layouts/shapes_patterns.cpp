#include <utility>
#include <vector>

#include "shapes.h"

namespace layoutgen {

// A broad cross whose arms are roofed level by level down to a single ridge.
Layout Cross() {
    LayoutBuilder b("Cross", "Roofed Cross");
    struct Arms {
        int across, acrossThickness, upright, uprightThickness;
    };
    const Arms levels[5] = {
        {15, 3, 9, 3}, {14, 2, 8, 2}, {13, 1, 7, 1}, {11, 1, 5, 1}, {7, 1, 0, 0}};
    for (int level = 1; level <= 5; ++level) {
        const Arms& arms = levels[level - 1];
        b.CentredBlock(level, arms.across, arms.acrossThickness);
        const int firstRow = kMiddleRow - (arms.upright - 1);
        for (int i = 0; i < arms.upright; ++i) {
            const int row = firstRow + 2 * i;
            // The rows of the crossing already hold the upright's tiles.
            if (b.Has(kMiddleColumn - (arms.uprightThickness - 1), row, level)) continue;
            b.CentredRow(level, row, arms.uprightThickness);
        }
    }
    return b.Finish();
}

// A square spiral drawn as one line of tiles; its inner end winds up to the top level.
Layout Spiral() {
    LayoutBuilder b("Spiral", "Rising Spiral");
    // The corners of the line in tile steps (column, row) from the upper-left tile; rows of
    // cells start at 2, columns at 1.
    const std::vector<std::pair<int, int>> corners = {{0, 8}, {0, 0}, {16, 0}, {16, 8},
                                                      {2, 8}, {2, 2}, {14, 2}, {14, 6},
                                                      {4, 6}, {4, 4}, {12, 4}};
    std::vector<std::pair<int, int>> line = {corners.front()};
    for (size_t k = 1; k < corners.size(); ++k) {
        auto [x, y] = line.back();
        const auto [toX, toY] = corners[k];
        while (x != toX || y != toY) {
            x += (toX > x) - (toX < x);
            y += (toY > y) - (toY < y);
            line.emplace_back(x, y);
        }
    }
    // How many tiles from the inner end reach each level above the first.
    const int reach[5] = {0, 30, 15, 7, 3};
    const int length = static_cast<int>(line.size());
    for (int level = 1; level <= 5; ++level) {
        const int first = level == 1 ? 0 : length - reach[level - 1];
        for (int k = first; k < length; ++k)
            b.Tile(1 + 2 * line[k].first, 2 + 2 * line[k].second, level);
    }
    return b.Finish();
}

// A flight of eight broad steps climbing diagonally from the lower left to the upper
// right, each step half a tile higher up the board than the one before.
Layout Stairs() {
    LayoutBuilder b("Stairs", "Diagonal Stairs");
    const int stepLevels[8] = {1, 2, 2, 3, 3, 4, 4, 5};
    for (int step = 0; step < 8; ++step) {
        const int firstRow = 12 - step;
        for (int level = 1; level <= stepLevels[step]; ++level)
            for (int k = 0; k < 3; ++k)
                b.Row(level, firstRow + 2 * k, 2 + 4 * step, 2);
    }
    return b.Finish();
}

// Two river banks joined by a walled bridge with a gate tower at each end, a rock in the
// stream and a hillock at each corner of the banks.
Layout Bridge() {
    LayoutBuilder b("Bridge", "The Stone Bridge");
    b.Picture(1, 2,
              {
                  "[][][][]                  [][][][]",
                  "[][][]          []          [][][]",
                  "[][][][]                  [][][][]",
                  "[][][][][][][][][][][][][][][][][]",
                  "[][][][][][][][][][][][][][][][][]",
                  "[][][][][][][][][][][][][][][][][]",
                  "[][][][]                  [][][][]",
                  "[][][]                      [][][]",
                  "[][][][]                  [][][][]",
              });
    b.Row(2, 8, 11, 7);  // the parapets
    b.Row(2, 12, 11, 7);
    for (int level = 2; level <= 3; ++level) {  // the gate towers
        for (int row = 8; row <= 12; row += 2) {
            b.Row(level, row, 7, 2);
            b.Row(level, row, 25, 2);
        }
    }
    b.Mirrored(8, 9, 4);  // their roofs
    b.Mirrored(8, 11, 4);
    b.Mirrored(8, 10, 5);
    b.Mirrored(2, 3, 2);
    b.Mirrored(2, 15, 2);
    return b.Finish();
}

}  // namespace layoutgen
