#include <benchmark/benchmark.h>

#include "variants/clicks_grid.h"

namespace ribaku {
namespace {

// The slowest click there is: the largest group that still leaves the longest settling.
// A column settles one floating block per pass, so ten blocks over a single emptied cell
// (rows 2 to 11 of the last column, over its bottom cell) take ten passes, the most any
// column can take. Every other block is of the group's colour: 188 blocks go in one click,
// and the 17 empty columns left of the stack close over five passes, the whole stack moving
// 17 columns left, as far as a column can go.
TClicksGrid SlowestToSettle() {
    TClicksGrid grid{};
    for (int column = kClicksFirstColumn; column <= kClicksLastColumn; ++column) {
        for (int row = kClicksTopRow; row <= kClicksBottomRow; ++row) {
            const bool stacked = column == kClicksLastColumn && row != kClicksBottomRow;
            // Colours 2 to 5 alternate in the stack, none of them the group's.
            grid[column][row] = static_cast<uint8_t>(stacked ? 2 + row % 4 : 1);
        }
    }
    return grid;
}

// Goal: under 100 us for a click's removal and every settling pass after it, the last one
// finding nothing to do.
void BM_ClicksRemoveAndSettleWorstCase(benchmark::State& bench) {
    const TClicksGrid prepared = SlowestToSettle();
    int removed = 0;
    int passes = 0;
    for (auto _ : bench) {
        TClicksGrid grid = prepared;
        removed = RemoveClicksGroup(grid, {kClicksFirstColumn, kClicksBottomRow});
        passes = 1;
        while (SettleClicksPass(grid))
            ++passes;
        benchmark::DoNotOptimize(grid);
    }
    bench.counters["removed"] = removed;
    bench.counters["passes"] = passes;
}
BENCHMARK(BM_ClicksRemoveAndSettleWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ribaku
