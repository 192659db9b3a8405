// Starting the variants: each deals its own board and takes the screen in its own mode.
#include "game/game.h"

namespace ribaku {

void Game::FourRivers(RiversChoice choice) {
    ColorHighlight();
    DealRiversBoard(state, random, view_.UtcTimeOfDay(), choice);
    ClearPlay();
    state.GameStartTick = view_.NowMs();
    EndPauseDisplay();
    status.Show("Mahjongg Rivers started.");
    SetMode(gmRivers);
    DrawBoard();
    view_.ShowPanelHOF();
}

}  // namespace ribaku
