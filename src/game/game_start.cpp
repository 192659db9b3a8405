// Starting a classic game, and the layouts the next game deals.
#include <string>

#include "core/layout_check.h"
#include "game/game.h"
#include "play/classic_deal.h"
#include "play/deal_animation.h"
#include "variants/two_player_mode.h"

namespace ribaku {

// The kind of game played last: a variant by its hall number, also once its game is over.
void Game::NewGame() {
    const int number = state.LayoutNumber;
    const TGameMode mode = state.GameMode;
    if (mode == gmClicks || number == kClicksNumber) {
        MahJonggClicks();
    } else if (mode == gmMemory || number == kMemoryEasyNumber || number == kMemoryHardNumber) {
        Memory(Difficulty::LastPlayed);
    } else if (mode == gmRivers || number == kRiversEasyNumber || number == kRiversHardNumber) {
        FourRivers(Difficulty::LastPlayed);
    } else if (mode == gmTwoPlayers) {
        TwoPlayers();
    } else {
        RandomSolitaireGame1Click();
    }
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
    StartClassicBoard(gmSolitaire, "");
}

// The classic start on the same layout, game number and options: a specific game deals the
// same board for two players.
void Game::TwoPlayers() {
    StartClassicBoard(gmTwoPlayers, "Two-Player Solitaire started.");
}

void Game::StartClassicBoard(TGameMode mode, const std::string& announcement) {
    // Refuse a layout that cannot be dealt before anything changes on screen.
    CheckLayoutDealable(state.LayoutMap);
    ColorHighlight();
    EndPauseDisplay();
    // Back from a variant: the classic layout whose menu entry carries the check mark.
    state.LayoutNumber = state.ClassicLayoutNumber();

    const TDealResult deal = DealClassicBoard();
    ClearPlay();

    // The editor deals its layout to try it, and stays the editor.
    const BoardMode* kind = Kind();
    if (!kind || !kind->Traits().editsLayout) SetMode(mode);
    if (deal.outcome == DealOutcome::PlainFallback) {
        status.Show("No winnable deal found for this layout: tiles dealt at random.");
    } else if (state.GameSeed > 0 && options.RandomSeed1) {
        status.Show("Specific Board started. Random Seed #" + std::to_string(state.GameSeed));
    } else if (!announcement.empty()) {
        status.Show(announcement);
    }
    view_.ShowPanelHOF();
    DrawBoard();
    if (status.StatusPos <= 1) status.Show("New game started.");
    state.GameStartTick = view_.NowMs();
    StartTwoPlayerTurns(state, state.GameStartTick);
    JudgeWinnable();
}

void Game::ClearPlay() {
    state.Selected1 = state.Selected2 = state.PointedTile = 0;
    state.HintTile1 = state.HintTile2 = state.HintIndex = 0;
    state.ElapsedSeconds = state.PenaltySeconds = state.PauseElapsed = 0;
    state.BoardFinished = state.GameOverDone = false;
    status.EndNoMoves(view_);
    state.MemoryCountdown = 0;
}

void Game::EndPauseDisplay() {
    view_.ShowPauseState(false);
    view_.SetPauseButtons();
}

// "Vertical variation" belongs to the classic game: changing it restarts one under way.
void Game::VerticalClick() {
    const BoardMode* kind = Kind();
    const bool noGame =
        state.GameMode == gmNone || state.GameMode == gmGameOver || state.GameMode == gmWelcome;
    if (kind && kind->Mode() == gmSolitaire) {
        if (!view_.Ask("Vertical variation",
                       "If you want to change the game mode, you'll have to restart your "
                       "game. Do you wish to continue ?"))
            return;
        BeginGame();
    } else if (!noGame) {
        return;
    }
    options.Vertical = !options.Vertical;
    JudgeWinnable();  // under the rule now in force
}

TDealResult Game::DealClassicBoard() {
    return ::ribaku::DealClassicBoard(play_,
                                      AnimationForDeal(play_, Kind(), state.GameMode == gmPaused));
}

TShuffleResult Game::ShuffleBoard() {
    return ::ribaku::ShuffleBoard(state, random, view_.UtcTimeOfDay(),
                                  AnimationForShuffle(play_, Kind(), state.GameMode == gmPaused));
}

TLayoutLoaded Game::LoadlayoutClick(int number) {
    TLayoutLoaded loaded = catalog.LoadlayoutClick(number, state);
    hall.HallNewRank = 0;
    return loaded;
}
}  // namespace ribaku
