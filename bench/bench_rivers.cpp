#include <benchmark/benchmark.h>

#include <chrono>
#include <utility>

#include "variants/rivers_deal.h"
#include "variants/rivers_path.h"

namespace ribaku {
namespace {

TBoardState RiversDeal(Difficulty choice, int millisecond) {
    TBoardState s;
    TRandom random;
    DealVariantBoard(s, random, TimeOfDay{12, 0, 0, millisecond}, choice, kRiversBoards);
    return s;
}

// The same-kind pair of one level whose path search takes longest on this board.
std::pair<int, int> SlowestPair(const TBoardState& s) {
    std::pair<int, int> slowest{0, 0};
    auto longest = std::chrono::nanoseconds::zero();
    for (int a = 1; a <= s.TileTotal; ++a) {
        for (int b = a + 1; b <= s.TileTotal; ++b) {
            if (!TilesMatch(a, b) || s.TilePos[a].level != s.TilePos[b].level) continue;
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 200; ++i)
                benchmark::DoNotOptimize(FindRiverPath(s, a, b));
            const auto took = std::chrono::steady_clock::now() - start;
            if (took > longest) {
                longest = took;
                slowest = {a, b};
            }
        }
    }
    return slowest;
}

// Goal: under 20 us for the worst pair of a full Rivers Hard board.
void BM_RiverPathWorstPairFullHard(benchmark::State& bench) {
    const TBoardState s = RiversDeal(Difficulty::Hard, 1);
    const auto [a, b] = SlowestPair(s);
    for (auto _ : bench)
        benchmark::DoNotOptimize(FindRiverPath(s, a, b));
}
BENCHMARK(BM_RiverPathWorstPairFullHard)->Unit(benchmark::kMicrosecond);

// Takes off the first pair, in tile order, that a path joins; false when none is left.
bool TakeFirstJoinedPair(TBoardState& s) {
    for (int a = 1; a <= s.TileTotal; ++a) {
        if (!s.TilePos[a].OnBoard()) continue;
        for (int b = a + 1; b <= s.TileTotal; ++b) {
            if (!TilesMatch(a, b) || !s.TilePos[b].OnBoard() || !FindRiverPath(s, b, a)) continue;
            for (const int tile : {a, b}) {
                s.Board[s.TilePos[tile]] = 0;
                s.TilePos[tile] = TCellPos{};
            }
            s.TilesLeft -= 2;
            return true;
        }
    }
    return false;
}

// Goal: a whole Rivers Easy game played through the path rule in under 5 ms. A greedy
// player takes the first joined pair in tile order until none is left.
void BM_RiversEasyGreedyGame(benchmark::State& bench) {
    const TBoardState dealt = RiversDeal(Difficulty::Easy, 7);
    int tilesLeft = 0;
    for (auto _ : bench) {
        TBoardState s = dealt;
        while (TakeFirstJoinedPair(s)) {
        }
        tilesLeft = s.TilesLeft;
    }
    bench.counters["tiles_left"] = tilesLeft;
}
BENCHMARK(BM_RiversEasyGreedyGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ribaku
