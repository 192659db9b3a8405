#pragma once

#include <atomic>
#include <mutex>
#include <thread>

#include "core/board_state.h"
#include "play/solver.h"

namespace ribaku {

// The nodes a search of the watch may visit: a verdict within about 150 ms on one core, at
// 1 to 1.5 microseconds a node, or none rather than a late one.
inline constexpr int64_t kWatchNodeBudget = 100'000;

// Judges, on a thread of its own, whether the position on the board can still be cleared, so
// that no click and no tick waits for the search. A new position cancels the search of the
// old one; the game reads the latest verdict when it draws the status bar.
class WinnableWatch {
public:
    WinnableWatch() = default;
    WinnableWatch(const WinnableWatch&) = delete;
    WinnableWatch& operator=(const WinnableWatch&) = delete;
    ~WinnableWatch();

    // Searches `position` (a copy is taken) with `solve`; until it ends the verdict is Unknown.
    void Judge(const TBoardState& position, PositionSolver solve);
    // No verdict any more: the search is cancelled and its answer forgotten.
    void Stop();

    // The answer for the last position judged: Unknown while its search runs, after Stop, or
    // when the search ran out of its budget.
    TSolveResult Latest() const;
    // The verdict alone: the status bar reads it every tick, without copying the line.
    SolveVerdict Verdict() const;
    // Returns once the last search is over (for the tests).
    void WaitIdle();

private:
    mutable std::mutex mutex_;
    TSolveResult result_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

}  // namespace ribaku
