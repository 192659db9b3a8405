// The player's commands, where the kind of game on screen allows them.
#include "game/game.h"
#include "play/deal_animation.h"
#include "play/moves.h"

namespace ribaku {

void Game::Hint() {
    const BoardMode* kind = Kind();
    if (kind && kind->Traits().hints) ShowHint(play_);
}

void Game::Back() {
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().undoes) return;
    const int dealt = kind->TilesDealt(state);
    if (state.TilesLeft != 0 && state.TilesLeft < dealt) StepBack(play_, dealt);
}

void Game::Restart() {
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().undoes) return;
    const int dealt = kind->TilesDealt(state);
    if (state.TilesLeft != 0 && state.TilesLeft < dealt) RestartGame(play_, dealt);
}

void Game::Shuffle1Click() {
    const BoardMode* kind = Kind();
    if (state.BoardFinished || !kind || !kind->Traits().shuffles) return;
    ShuffleTiles(play_, kind->Traits(), AnimationForShuffle(play_, kind, false));
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
