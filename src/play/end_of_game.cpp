// The end of a game as every board redraw sees it.
#include "core/game.h"

namespace ribaku {

bool Game::RedrawHandsOver() {
    if (state.TilesLeft == 0 && state.GameMode != gmEditor && state.ElapsedSeconds > 0) {
        state.BoardFinished = true;
    }
    if (!state.BoardFinished && state.GameMode != gmPaused) return false;
    GameOver();
    return true;
}

// The board stays hidden behind the background; the result and the hall of fame follow
// with the end-of-game rules.
void Game::GameOver() {
    view_.ShowFond();
}

}  // namespace ribaku
