#include "play/winnable_watch.h"

namespace ribaku {

WinnableWatch::~WinnableWatch() {
    Stop();
}

void WinnableWatch::Judge(const TBoardState& position, PositionSolver solve) {
    Stop();
    cancel_ = false;
    worker_ = std::thread([this, position, solve] {
        TSolveResult found = solve(position, TSolveLimits{.nodeBudget = kWatchNodeBudget, .cancel = &cancel_});
        const std::lock_guard lock(mutex_);
        if (!cancel_) result_ = std::move(found);
    });
}

// The search stops within milliseconds of the flag, so the game's thread hardly waits here.
void WinnableWatch::Stop() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    const std::lock_guard lock(mutex_);
    result_ = TSolveResult{};
}

TSolveResult WinnableWatch::Latest() const {
    const std::lock_guard lock(mutex_);
    return result_;
}

SolveVerdict WinnableWatch::Verdict() const {
    const std::lock_guard lock(mutex_);
    return result_.verdict;
}

void WinnableWatch::WaitIdle() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace ribaku
