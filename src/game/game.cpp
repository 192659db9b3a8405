#include "game/game.h"

namespace ribaku {

Game::Game(GameView& view) : view_(view) {
    state.GameMode = gmNone;
    state.PausedMode = gmWelcome;
}

void Game::SetMode(TGameMode mode) {
    if (state.GameMode == gmWelcome) view_.ShowWelcomePanel(false);
    state.GameMode = mode;
    if (mode == gmWelcome) view_.ShowWelcomePanel(true);
}

}  // namespace ribaku
