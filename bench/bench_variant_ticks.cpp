#include <benchmark/benchmark.h>

#include "game/game.h"
#include "support/fake_view.h"
#include "support/fixture_layouts.h"

namespace ribaku {
namespace {

// The tests' recording view stands in for the window; its bookkeeping is part of the figure,
// so the window's own cost is what the render benchmarks measure.
struct TickBench {
    TickBench() : game(view) {
        game.state.LayoutMap = testing::StackedFixture144();
        game.state.BoardOriginX = 36;
        game.state.BoardOriginY = 25;
    }
    // The same moment each time: a game that ran on would reach its time limit and stop.
    void Tick() {
        game.Tick();
        view.calls.clear();
    }
    testing::FakeView view;
    Game game;
};

// Goal: a Memory tick under 20 us, the one that judges a wrong pair and turns it back
// face down included.
void BM_MemoryJudgingTick(benchmark::State& bench) {
    TickBench b;
    b.game.Memory(Difficulty::Hard);
    TBoardState& s = b.game.state;
    for (auto _ : bench) {
        s.Selected1 = 1;
        s.Selected2 = 5;  // another kind
        s.MemoryCountdown = 1;
        s.PenaltySeconds = 0;
        b.Tick();
    }
    if (s.GameMode != gmMemory) bench.SkipWithError("the game did not stay on screen");
}
BENCHMARK(BM_MemoryJudgingTick)->Unit(benchmark::kMicrosecond);

// Goal: a two-player tick under 20 us: the moves count, the status bar and both clocks.
void BM_TwoPlayerTick(benchmark::State& bench) {
    TickBench b;
    b.game.TwoPlayers();
    b.view.nowMs += 65000;  // a minute into player 1's turn
    for (auto _ : bench)
        b.Tick();
    if (b.game.state.GameMode != gmTwoPlayers) bench.SkipWithError("the game did not stay on");
}
BENCHMARK(BM_TwoPlayerTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ribaku
