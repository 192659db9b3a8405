#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

#include "core/deal.h"
#include "core/freedom.h"
#include "core/shuffle.h"
#include "layouts/lay_format.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

TBoardState FreshFixture() {
    TBoardState s;
    s.LayoutMap = testing::StackedFixture144();
    return s;
}

void BM_CreateBoard(benchmark::State& bench) {
    TBoardState s = FreshFixture();
    uint32_t seed = 1;
    int64_t restarts = 0;
    for (auto _ : bench) {
        TRandom rng{seed++};
        restarts += CreateBoard(s, rng, DealAnimation{}).stuckRestarts;
    }
    // How often a deal gets stuck tells how far the restart bound is from being reached.
    bench.counters["stuck_restarts"] =
        benchmark::Counter(static_cast<double>(restarts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CreateBoard)->Unit(benchmark::kMicrosecond);

// The shipped layouts, to see how far their deals stay from the restart bound.
void BM_CreateBoardShipped(benchmark::State& bench, const char* name) {
    TBoardState s;
    s.LayoutMap =
        *ReadLayFile(std::filesystem::path(RIBAKU_SOURCE_DIR) / "data/Layouts" / name).map;
    uint32_t seed = 1;
    int64_t restarts = 0;
    int most = 0;
    for (auto _ : bench) {
        TRandom rng{seed++};
        const int r = CreateBoard(s, rng, DealAnimation{}).stuckRestarts;
        restarts += r;
        most = std::max(most, r);
    }
    bench.counters["stuck_restarts"] =
        benchmark::Counter(static_cast<double>(restarts), benchmark::Counter::kAvgIterations);
    bench.counters["most_restarts"] = most;
}
BENCHMARK_CAPTURE(BM_CreateBoardShipped, Traditional, "Traditional.lay")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CreateBoardShipped, BigTower, "Big Tower.lay")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CreateBoardShipped, Spiral, "Spiral.lay")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CreateBoardShipped, Pyramid, "Pyramid.lay")->Unit(benchmark::kMicrosecond);

void BM_PlainDeal(benchmark::State& bench) {
    TBoardState s = FreshFixture();
    uint32_t seed = 1;
    for (auto _ : bench) {
        TRandom rng{seed++};
        TPositionList positions;
        FillBoard(s, positions);
        PlainDeal(s, rng, DealAnimation{});
        benchmark::DoNotOptimize(s.Board);
    }
}
BENCHMARK(BM_PlainDeal)->Unit(benchmark::kMicrosecond);

// One recount of the free tiles of a full board: 144 freedom tests.
void BM_RecountFreeTiles(benchmark::State& bench) {
    TBoardState s = FreshFixture();
    TRandom rng{7};
    CreateBoard(s, rng, DealAnimation{});
    for (auto _ : bench) {
        int free = 0;
        for (int t = 1; t <= kTileCount; ++t)
            free += IsFree(s, t) ? 1 : 0;
        benchmark::DoNotOptimize(free);
    }
}
BENCHMARK(BM_RecountFreeTiles)->Unit(benchmark::kNanosecond);

// The reshuffle of a half-played game: 72 tiles left.
void BM_ShuffleBoard(benchmark::State& bench) {
    TBoardState s = FreshFixture();
    TRandom rng{11};
    const TDealResult deal = CreateBoard(s, rng, DealAnimation{});
    for (int k = 1; k <= 72; ++k) {
        s.TilePos[s.Board[deal.buildPairs.pos[k]]] = TCellPos{};
        s.Board[deal.buildPairs.pos[k]] = 0;
    }
    s.TilesLeft = 72;
    int ms = 0;
    for (auto _ : bench) {
        const TShuffleResult r = ShuffleBoard(s, rng, TimeOfDay{12, 0, 0, ms++ % 1000}, {});
        benchmark::DoNotOptimize(r.outcome);
    }
}
BENCHMARK(BM_ShuffleBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ribaku
