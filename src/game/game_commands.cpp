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
    if (state.TilesLeft == 0 || state.TilesLeft >= dealt) return;
    StepBack(play_, dealt);
    JudgeWinnable();
}

void Game::Restart() {
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().undoes) return;
    const int dealt = kind->TilesDealt(state);
    if (state.TilesLeft == 0 || state.TilesLeft >= dealt) return;
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
