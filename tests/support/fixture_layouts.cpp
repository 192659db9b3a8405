#include "support/fixture_layouts.h"

namespace ribaku::testing {
namespace {

// A block of tiles, `wide` x `high`, anchored at (column, row).
void Block(TLayoutMap& map, int column, int row, int level, int wide, int high) {
    for (int y = 0; y < high; ++y)
        for (int x = 0; x < wide; ++x)
            SetPosition(map, column + 2 * x, row + 2 * y, level);
}

}  // namespace

void SetPosition(TLayoutMap& map, int column, int row, int level) {
    map[LayoutMapIndex(column, row, level)] = 1;
}

TLayoutMap StackedFixture144() {
    TLayoutMap map{};
    Block(map, 3, 2, 1, 12, 6);  // 72
    Block(map, 6, 3, 2, 8, 4);   // 32, half a tile lower than the base rows
    Block(map, 8, 3, 3, 6, 4);   // 24
    Block(map, 11, 5, 4, 4, 2);  // 8, half a tile right
    Block(map, 12, 6, 5, 4, 2);  // 8
    return map;
}

TLayoutMap RowFixture(int count) {
    TLayoutMap map{};
    Block(map, 2, 2, 1, count, 1);
    return map;
}

}  // namespace ribaku::testing
