// The player's commands, where the kind of game on screen allows them.
#include "game/game.h"
#include "play/deal_animation.h"
#include "play/moves.h"

namespace ribaku {

void Game::Hint() {
    const BoardMode* kind = Kind();
    if (kind && kind->Traits().hints) ShowHint(play_);
}

// How many tiles the deal put down, when the kind on screen allows going back and a pair
// is there to take back; else 0.
int Game::UndoDepth() const {
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().undoes) return 0;
    const int dealt = kind->TilesDealt(state);
    return state.TilesLeft != 0 && state.TilesLeft < dealt ? dealt : 0;
}

void Game::Back() {
    const int dealt = UndoDepth();
    if (dealt == 0) return;
    StepBack(play_, dealt);
    JudgeWinnable();
}

void Game::Restart() {
    const int dealt = UndoDepth();
    if (dealt == 0) return;
    RestartGame(play_, dealt);
    JudgeWinnable();
}

void Game::Shuffle1Click() {
    const BoardMode* kind = Kind();
    if (state.BoardFinished || !kind || !kind->Traits().shuffles) return;
    ShuffleTiles(play_, kind->Traits(), AnimationForShuffle(play_, kind, false));
    JudgeWinnable();
}

void Game::Stop() {
    if (state.GameMode == gmPaused) {
        state.GameStartTick = view_.NowMs() - static_cast<uint32_t>(state.PauseElapsed);
        view_.ShowPauseState(false);
        view_.SetPauseButtons();
    }
    SetMode(gmWelcome);
    view_.ShowBackground();
}

}  // namespace ribaku
