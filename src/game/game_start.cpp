// Starting a classic game and the commands that do it.
#include <string>

#include "game/game.h"
#include "core/layout_check.h"

namespace ribaku {

void Game::NewGame() {
    RandomSolitaireGame1Click();
}

void Game::RandomSolitaireGame1Click() {
    options.RandomSeed1 = false;
    BeginGame();
}

void Game::NewRandomSpecificGame1Click() {
    options.RandomSeed1 = true;
    random.SeedFromClock(view_.UtcTimeOfDay());
    state.GameSeed = static_cast<int32_t>(random.RandomBelow(2147483647u));
    BeginGame();
}

void Game::NewSpecificGame1Click() {
    options.RandomSeed1 = true;
    BeginGame();
}

void Game::BeginGame() {
    // Refuse a layout that cannot be dealt before anything changes on screen.
    CheckLayoutDealable(state.LayoutMap);
    ColorHighlight();
    view_.ShowPauseState(false);
    view_.SetPauseButtons();
    // Back from a variant: the classic layout whose menu entry carries the check mark.
    if (state.LayoutNumber >= 100) state.LayoutNumber = state.SavedLayoutNumber;

    const TDealResult deal = DealClassicBoard();

    state.Selected1 = state.Selected2 = state.PointedTile = 0;
    state.HintTile1 = state.HintTile2 = state.HintIndex = 0;
    state.ElapsedSeconds = state.PenaltySeconds = state.PauseElapsed = 0;
    state.BoardFinished = state.GameOverDone = false;
    status.EndNoMoves(view_);
    state.MemoryCountdown = 0;

    if (state.GameMode != gmEditor) SetMode(gmSolitaire);
    if (deal.outcome == DealOutcome::PlainFallback) {
        status.Show("No winnable deal found for this layout: tiles dealt at random.");
    } else if (state.GameSeed > 0 && options.RandomSeed1) {
        status.Show("Specific Board started. Random Seed #" + std::to_string(state.GameSeed));
    }
    view_.ShowPanelHOF();
    DrawBoard();
    if (status.StatusPos <= 1) status.Show("New game started.");
    state.GameStartTick = view_.NowMs();
}

void Game::VerticalClick() {
    switch (state.GameMode) {
        case gmSolitaire:
            if (!view_.Ask("Vertical variation",
                           "If you want to change the game mode, you'll have to restart your "
                           "game. Do you wish to continue ?"))
                return;
            BeginGame();
            options.Vertical = !options.Vertical;
            return;
        case gmNone:
        case gmGameOver:
        case gmWelcome:
            options.Vertical = !options.Vertical;
            return;
        default:
            return;
    }
}

}  // namespace ribaku
