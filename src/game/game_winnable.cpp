// Whether the board can still be won: the verdict beside the moves left, the way back to the
// last winnable position, and a hint that keeps the game winnable. Each kind of game names
// the search that judges its boards.
#include "game/game.h"
#include "play/moves.h"

namespace ribaku {
namespace {

// The budget of a search the player waits for, stepping back: a verdict, not a long wait.
constexpr int64_t kBackSearchNodes = 1'000'000;

}  // namespace

void Game::JudgeWinnable() {
    const BoardMode* kind = Kind();
    const PositionSolver solve = kind ? kind->Judge(options) : nullptr;
    if (!options.ShowWinnable || !solve || state.TilesLeft == 0) {
        winnable.Stop();
        return;
    }
    winnable.Judge(state, solve);
}

SolveVerdict Game::KnownVerdict() const {
    const BoardMode* kind = Kind();
    if (!options.ShowWinnable || !kind || !kind->Judge(options)) return SolveVerdict::Unknown;
    return winnable.Verdict();
}

bool Game::BackToWinnable() {
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().undoes || KnownVerdict() != SolveVerdict::NotWinnable)
        return false;
    const PositionSolver solve = kind->Judge(options);
    winnable.Stop();
    // Each step is judged here, so no search is started in the background on the way.
    for (int dealt = UndoDepth(); dealt != 0; dealt = UndoDepth()) {
        StepBack(play_, dealt);
        const TSolveResult here = solve(state, TSolveLimits{.nodeBudget = kBackSearchNodes});
        if (here.verdict == SolveVerdict::Winnable) break;
    }
    JudgeWinnable();
    return true;
}

bool Game::WinningHint() {
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().winningHints || KnownVerdict() != SolveVerdict::Winnable)
        return false;
    const TSolveResult known = winnable.Latest();
    if (known.verdict != SolveVerdict::Winnable || known.line.empty()) return false;
    ShowHintPair(play_, known.line.front().first, known.line.front().second);
    return true;
}

}  // namespace ribaku
