#pragma once

#include "core/board_state.h"
#include "core/deal.h"
#include "core/game_view.h"
#include "core/options.h"
#include "core/random.h"
#include "core/shuffle.h"
#include "play/status_line.h"

namespace ribaku {

// The one engine object: the board, the options and the generator, and every game
// operation under its established name. Member functions live in the folder of their
// subsystem, so each file is one room.
class Game {
public:
    explicit Game(GameView& view);

    TBoardState state;
    Options options;
    TRandom random;
    TStatusLine status;

    // The mode setter; hides the welcome panel when leaving it and shows it when entering it.
    void IM(TGameMode mode);

    // GameSeed for a specific game, else the clock.
    void SeedDeal();

    // Fill the board from LayoutMap and deal it, plain or winnable as the options say.
    // Throws LayoutError, before anything changes, when the layout cannot be dealt.
    TDealResult DealClassicBoard();

    // The winnable reshuffle of the tiles left; leaves the board as it was when it fails.
    TShuffleResult ShuffleBoard();

    // Status line (play/status_line.cpp): a new message, and its animation on each tick.
    void ShowStatus(const std::string& message);
    void StatusTick();

private:
    bool DealAnimates() const;
    DealAnimation AnimationForDeal();
    DealAnimation AnimationForShuffle();

    GameView& view_;
};

}  // namespace ribaku
