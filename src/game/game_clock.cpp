// The 50 ms timer: the game clock and its limit, the status bar, and the pause, which hides
// the board and stops the clock, also while the window has lost the focus.
#include <string>

#include "game/game.h"
#include "play/time_text.h"

namespace ribaku {
namespace {

// 100 minutes of game time, penalties included, abandon the game.
constexpr int kTimeLimitSeconds = 6000;

bool ClockRuns(TGameMode mode) {
    return mode >= gmSolitaire && mode <= gmMemory;
}

bool CanPause(TGameMode mode) {
    return mode == gmSolitaire || mode == gmRivers || mode == gmMemory;
}

}  // namespace

void Game::Tick() {
    TBoardState& s = state;
    if (s.MemoryCountdown > 0 && --s.MemoryCountdown == 0 && variants.JudgeMemoryPair)
        variants.JudgeMemoryPair();
    ++status.TickCount;
    status.Tick(view_, options.CoolStatus);
    MediaNotify();
    if (s.GameMode == gmTwoPlayers && variants.DrawPlayerClocks) variants.DrawPlayerClocks();
    if (s.GameMode == gmGameOver) return;
    if (ClockRuns(s.GameMode)) {
        s.ElapsedSeconds = static_cast<int32_t>((view_.NowMs() - s.GameStartTick) / 1000);
        if (s.ElapsedSeconds + s.PenaltySeconds >= kTimeLimitSeconds) Stop();
    }
    WriteScore();
    if (s.GameMode == gmWelcome || s.GameMode == gmPaused) view_.ShowBackground();
}

void Game::WriteScore() {
    TBoardState& s = state;
    const TGameMode mode = s.GameMode;
    if ((!ClockRuns(mode) && mode != gmPaused) || s.BoardFinished) {
        view_.SetMovesLeftText("");
        view_.SetTilesLeftText("");
        view_.SetTimeText("");
        return;
    }
    IsItFree();
    const bool matching = mode == gmSolitaire || mode == gmTwoPlayers;
    view_.SetTilesLeftText(std::to_string(s.TilesLeft));
    view_.SetMovesLeftText(options.Moves && matching ? std::to_string(s.MovesLeft) : "");
    const bool timed = mode == gmSolitaire || mode == gmRivers || mode == gmMemory;
    view_.SetTimeText(
        options.ShowTime && timed ? MinutesSeconds(s.ElapsedSeconds + s.PenaltySeconds) : "");
    if (s.MovesLeft > 0) status.EndNoMoves(view_);
    if (s.TilesLeft == 0) {
        // The redraw finds the empty board and ends the game.
        if (!s.GameOverDone) DrawBoard();
    } else if (s.MovesLeft == 0 && matching && !status.NoMovesShown) {
        status.ShowNoMoves();
    }
}

void Game::PauseClick() {
    TBoardState& s = state;
    if (CanPause(s.GameMode)) {
        PointerLeft();  // the pointer will be elsewhere when the game comes back
        s.PausedMode = s.GameMode;
        SetMode(gmPaused);
        s.PauseElapsed = static_cast<int32_t>(view_.NowMs() - s.GameStartTick);
        view_.ShowPauseState(true);
        view_.ShowBackground();
        SetPauseButtons();
    } else if (s.GameMode == gmPaused) {
        SetMode(s.PausedMode);
        s.GameStartTick = view_.NowMs() - static_cast<uint32_t>(s.PauseElapsed);
        view_.ShowPauseState(false);
        // Back on the welcome panel the board stays hidden; a finished board ends the
        // redraw with the background anyway.
        if (s.GameMode == gmWelcome) {
            view_.ShowBackground();
        } else {
            DrawBoard();
        }
        SetPauseButtons();
    }
}

void Game::SetPauseButtons() {
    view_.SetPauseButtons();
}

void Game::FormActivate() {
    if (state.GameMode == gmPaused) PauseClick();
}

void Game::FormDeactivate() {
    if (state.GameMode != gmPaused) PauseClick();
}

void Game::CallHelp(HelpPage page) {
    TBoardState& s = state;
    if (s.GameMode == gmTwoPlayers) return;
    if (s.GameMode != gmPaused) {
        PauseClick();
        // A mode that cannot pause (welcome, game over, Clicks, editor) is returned to
        // as well when the dialog closes.
        if (s.GameMode != gmPaused) {
            s.PausedMode = s.GameMode;
            s.GameMode = gmPaused;  // directly: a welcome panel stays shown
        }
    }
    view_.CallHelp(page);
    if (s.GameMode == gmPaused) PauseClick();
}

}  // namespace ribaku
