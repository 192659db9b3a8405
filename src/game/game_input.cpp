// The pointer on the board goes to the kind of game on screen, relative to the board origin.
#include "game/game.h"
#include "play/selection.h"

namespace ribaku {

void Game::ButtonDown(int x, int y, TMouseButton button) {
    BoardMode* kind = kinds.Find(state.GameMode);
    if (!kind) return;
    const int tilesBefore = state.TilesLeft;
    kind->Click(play_, x - state.BoardOriginX, y - state.BoardOriginY, button);
    if (state.TilesLeft != tilesBefore) JudgeWinnable();
}

void Game::FormMouseMove(int x, int y) {
    if (BoardMode* kind = kinds.Find(state.GameMode))
        kind->PointerMove(play_, x - state.BoardOriginX, y - state.BoardOriginY);
}

void Game::PointerLeft() {
    if (BoardMode* kind = kinds.Find(state.GameMode)) {
        kind->PointerLeft(play_);
    } else {
        DropPointer(play_, false);
    }
}

}  // namespace ribaku
