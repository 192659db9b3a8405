#include "game/game.h"

namespace ribaku {

Game::Game(GameView& view)
    : music(options, catalog, random, status, view),
      view_(view),
      play_{state, options, random, status, hall, view, *this} {
    state.GameMode = gmNone;
    state.PausedMode = gmWelcome;
}

void Game::SetMode(TGameMode mode) {
    if (state.GameMode == gmWelcome) view_.ShowWelcomePanel(false);
    state.GameMode = mode;
    if (mode == gmWelcome) view_.ShowWelcomePanel(true);
}

}  // namespace ribaku
