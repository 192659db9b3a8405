// The 50 ms timer, the status bar, and the pause, which hides the board and stops the clock,
// also while the window has lost the focus or the help dialog is open.
#include "game/game.h"
#include "play/clock.h"
#include "play/selection.h"

namespace ribaku {

void Game::Tick() {
    TBoardState& s = state;
    BoardMode* kind = kinds.Find(s.GameMode);
    if (kind) kind->Tick(play_);
    ++status.TickCount;
    status.Tick(view_, options.CoolStatus);
    music.MediaNotify();
    if (s.GameMode == gmGameOver) return;
    if (kind && kind->Traits().clockRuns && RunGameClock(s, view_.NowMs())) Stop();
    WriteScore();
    if (s.GameMode == gmWelcome || s.GameMode == gmPaused) view_.ShowBackground();
}

// A tick mark once the game is known to be winnable, a cross once it is known to be lost.
void Game::WriteScore() {
    const SolveVerdict verdict = KnownVerdict();
    const char* mark = verdict == SolveVerdict::Winnable      ? " \u2713"
                       : verdict == SolveVerdict::NotWinnable ? " \u2717"
                                                              : "";
    ::ribaku::WriteScore(play_, Kind(), state.GameMode == gmPaused, mark);
}

void Game::PauseClick() {
    TBoardState& s = state;
    const BoardMode* kind = Kind();
    if (kind && kind->Traits().pauses) {
        PointerLeft();  // the pointer will be elsewhere when the game comes back
        s.PausedMode = s.GameMode;
        SetMode(gmPaused);
        s.PauseElapsed = static_cast<int32_t>(view_.NowMs() - s.GameStartTick);
        view_.ShowPauseState(true);
        view_.ShowBackground();
        view_.SetPauseButtons();
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
        view_.SetPauseButtons();
    }
}

void Game::FormActivate() {
    if (BoardMode* kind = kinds.Find(state.GameMode)) kind->FocusChanged(play_, true);
    if (state.GameMode == gmPaused) PauseClick();
}

void Game::FormDeactivate() {
    if (BoardMode* kind = kinds.Find(state.GameMode)) kind->FocusChanged(play_, false);
    if (state.GameMode != gmPaused) PauseClick();
}

void Game::CallHelp(HelpPage page) {
    TBoardState& s = state;
    const BoardMode* kind = Kind();
    if (kind && !kind->Traits().opensHelp) return;
    if (s.GameMode != gmPaused) {
        PauseClick();
        // A screen that cannot pause (welcome, game over, Clicks, editor) is returned to
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
