#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

#include "variants/rivers_deal.h"
#include "variants/rivers_path.h"
#include "play/winnable_watch.h"
#include "variants/rivers_solver.h"

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

void TakeOff(TBoardState& s, int tile) {
    s.Board[s.TilePos[tile]] = 0;
    s.TilePos[tile] = TCellPos{};
    --s.TilesLeft;
}

// A player who takes any pair the game allows, each as likely, for up to `pairs` pairs.
void PlayAtRandom(TBoardState& s, TRandom& rng, int pairs) {
    for (int n = 0; n < pairs; ++n) {
        const std::vector<TTilePair> open = OpenRiverPairs(s);
        if (open.empty()) return;
        const TTilePair chosen = open[rng.RandomBelow(static_cast<uint32_t>(open.size()))];
        TakeOff(s, chosen.first);
        TakeOff(s, chosen.second);
    }
}

// Positions a player meets: deals of one board, 0 to all pairs into the game.
std::vector<TBoardState> PlayedPositions(Difficulty choice, int count) {
    std::vector<TBoardState> positions;
    TRandom player{2026};
    for (int i = 0; i < count; ++i) {
        TBoardState s = RiversDeal(choice, 1000 + i);
        PlayAtRandom(s, player, i % (s.TileTotal / 2 + 1));
        positions.push_back(s);
    }
    return positions;
}

// Goal: the verdict the watch gives (at its budget) in under 2 ms at the median and
// 50 ms at the 99th percentile, rarely without an answer.
void BM_RiversVerdictPlayedPositions(benchmark::State& bench) {
    const Difficulty choice = bench.range(0) == 0 ? Difficulty::Easy : Difficulty::Hard;
    const std::vector<TBoardState> positions = PlayedPositions(choice, 1000);
    std::vector<double> milliseconds;
    int lost = 0, unknown = 0;
    for (auto _ : bench) {
        for (const TBoardState& s : positions) {
            const auto start = std::chrono::steady_clock::now();
            const TSolveResult r = SolveRiversPosition(s, {.nodeBudget = kWatchNodeBudget});
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            milliseconds.push_back(took.count());
            lost += r.verdict == SolveVerdict::NotWinnable ? 1 : 0;
            unknown += r.verdict == SolveVerdict::Unknown ? 1 : 0;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto percentile = [&](double share) {
        return milliseconds[static_cast<size_t>(share * double(milliseconds.size() - 1))];
    };
    const double n = static_cast<double>(milliseconds.size());
    bench.counters["positions"] = n;
    bench.counters["median_ms"] = percentile(0.5);
    bench.counters["p99_ms"] = percentile(0.99);
    bench.counters["max_ms"] = percentile(1.0);
    bench.counters["not_winnable_pct"] = 100.0 * lost / n;
    bench.counters["unknown_pct"] = 100.0 * unknown / n;
}
BENCHMARK(BM_RiversVerdictPlayedPositions)
    ->ArgName("hard")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace ribaku
