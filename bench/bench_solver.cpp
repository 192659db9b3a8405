#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "core/deal.h"
#include "core/freedom.h"
#include "layouts/lay_format.h"
#include "play/solver.h"
#include "play/winnable_watch.h"

namespace ribaku {
namespace {

// What the game's own search is allowed.
constexpr int64_t kPlayBudget = kWatchNodeBudget;
// The statistics of whole deals can wait longer for each verdict.
constexpr int64_t kStatisticsBudget = 2'000'000;

TBoardState PlainTraditionalDeal(uint32_t seed) {
    TBoardState s;
    s.LayoutMap =
        *ReadLayFile(std::filesystem::path(RIBAKU_SOURCE_DIR) / "data/Layouts/Traditional.lay").map;
    TPositionList positions;
    FillBoard(s, positions);
    TRandom rng{seed};
    PlainDeal(s, rng, DealAnimation{});
    return s;
}

std::vector<TTilePair> LegalPairs(const TBoardState& s) {
    std::vector<int> free;
    for (int t = 1; t <= kTileCount; ++t)
        if (IsFree(s, t)) free.push_back(t);
    std::vector<TTilePair> pairs;
    for (size_t i = 0; i < free.size(); ++i)
        for (size_t j = i + 1; j < free.size(); ++j)
            if (TilesMatch(free[i], free[j]))
                pairs.push_back(TTilePair{uint8_t(free[i]), uint8_t(free[j])});
    return pairs;
}

void TakeOff(TBoardState& s, int tile) {
    s.Board[s.TilePos[tile]] = 0;
    s.TilePos[tile] = TCellPos{};
    --s.TilesLeft;
}

// A player who picks any legal pair, each as likely, for up to `pairs` moves.
void PlayAtRandom(TBoardState& s, TRandom& rng, int pairs) {
    for (int k = 0; k < pairs; ++k) {
        const std::vector<TTilePair> legal = LegalPairs(s);
        if (legal.empty()) return;
        const TTilePair chosen = legal[rng.RandomBelow(static_cast<uint32_t>(legal.size()))];
        TakeOff(s, chosen.first);
        TakeOff(s, chosen.second);
    }
}

// Positions of real play: plain deals of Traditional from `firstDeal` on, 0 to 70 pairs
// into the game.
std::vector<TBoardState> PlayedPositions(int count, uint32_t firstDeal, uint32_t playerSeed) {
    std::vector<TBoardState> positions;
    TRandom player{playerSeed};
    for (int i = 0; i < count; ++i) {
        TBoardState s = PlainTraditionalDeal(firstDeal + static_cast<uint32_t>(i));
        PlayAtRandom(s, player, i % 71);
        positions.push_back(s);
    }
    return positions;
}

// Verdict times and counts, over positions solved one after another.
class Tally {
public:
    explicit Tally(int64_t budget) : budget_(budget) {}

    void Solve(const TBoardState& s) {
        const auto start = std::chrono::steady_clock::now();
        const TSolveResult r = SolvePosition(s, FreedomRule::Classic, {budget_, nullptr});
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        milliseconds_.push_back(took.count());
        nodes_ += r.nodes;
        // Long searches tell what a node costs; short ones mostly what setting up costs.
        if (r.nodes >= kLongSearch)
            slowestNode_ = std::max(slowestNode_, 1000.0 * took.count() / double(r.nodes));
        notWinnable_ += r.verdict == SolveVerdict::NotWinnable ? 1 : 0;
        unknown_ += r.verdict == SolveVerdict::Unknown ? 1 : 0;
    }

    void Report(benchmark::State& bench) {
        const double n = static_cast<double>(milliseconds_.size());
        bench.counters["positions"] = n;
        bench.counters["median_ms"] = Percentile(0.5);
        bench.counters["p99_ms"] = Percentile(0.99);
        bench.counters["max_ms"] = Percentile(1.0);
        bench.counters["not_winnable_pct"] = 100.0 * notWinnable_ / n;
        bench.counters["unknown_pct"] = 100.0 * unknown_ / n;
        bench.counters["nodes"] = static_cast<double>(nodes_);
        bench.counters["max_us_per_node"] = slowestNode_;
    }

private:
    double Percentile(double share) {
        std::sort(milliseconds_.begin(), milliseconds_.end());
        return milliseconds_[static_cast<size_t>(share * double(milliseconds_.size() - 1))];
    }

    static constexpr int64_t kLongSearch = 10'000;

    int64_t budget_;
    std::vector<double> milliseconds_;
    int64_t nodes_ = 0;
    double slowestNode_ = 0;
    int notWinnable_ = 0;
    int unknown_ = 0;
};

// The verdict time over positions a player meets, and how many the budget leaves open.
void SolvePlayed(benchmark::State& bench, uint32_t firstDeal, uint32_t playerSeed) {
    const std::vector<TBoardState> positions = PlayedPositions(3000, firstDeal, playerSeed);
    Tally tally(kPlayBudget);
    for (auto _ : bench) {
        for (const TBoardState& s : positions)
            tally.Solve(s);
    }
    tally.Report(bench);
}

void BM_SolvePlayedPositions(benchmark::State& bench) {
    SolvePlayed(bench, 1, 2024);
}
BENCHMARK(BM_SolvePlayedPositions)->Iterations(1)->Unit(benchmark::kSecond);

// Other deals and another player, so that the budget is not tuned to one set.
void BM_SolveOtherPlayedPositions(benchmark::State& bench) {
    SolvePlayed(bench, 10'001, 99);
}
BENCHMARK(BM_SolveOtherPlayedPositions)->Iterations(1)->Unit(benchmark::kSecond);

// How many fresh plain deals of Traditional cannot be won even seeing every face.
void BM_PlainDealStatistics(benchmark::State& bench) {
    Tally tally(kStatisticsBudget);
    for (auto _ : bench) {
        for (uint32_t seed = 1; seed <= 10'000; ++seed)
            tally.Solve(PlainTraditionalDeal(seed));
    }
    tally.Report(bench);
}
BENCHMARK(BM_PlainDealStatistics)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace ribaku
