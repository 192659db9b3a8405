// Starting the variants: each deals its own board and takes the screen in its own mode.
#include "game/game.h"
#include "variants/clicks_mode.h"
#include "variants/memory_deal.h"
#include "variants/rivers_deal.h"

namespace ribaku {

void Game::FourRivers(Difficulty difficulty) {
    ColorHighlight();
    DealVariantBoard(state, random, view_.UtcTimeOfDay(), difficulty, kRiversBoards);
    ShowVariant(gmRivers, "Mahjongg Rivers started.");
}

void Game::Memory(Difficulty difficulty) {
    ColorHighlight();
    DealVariantBoard(state, random, view_.UtcTimeOfDay(), difficulty, kMemoryBoards);
    ShowVariant(gmMemory, "Mahjongg Memory started.");
}

void Game::MahJonggClicks() {
    ColorHighlight();
    DealClicksBoard(state, random, view_.UtcTimeOfDay());
    ShowVariant(gmClicks, "Mahjongg Clicks started.");
}

void Game::ShowVariant(TGameMode mode, const std::string& message) {
    ClearPlay();
    state.GameStartTick = view_.NowMs();
    EndPauseDisplay();
    status.Show(message);
    SetMode(mode);
    DrawBoard();
    view_.ShowPanelHOF();
    JudgeWinnable();  // the verdict on the board before goes with it
}

}  // namespace ribaku
