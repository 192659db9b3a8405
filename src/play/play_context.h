#pragma once

#include "core/board_state.h"
#include "core/game_view.h"
#include "core/options.h"
#include "core/random.h"
#include "play/hall_of_fame.h"
#include "play/status_message.h"

namespace ribaku {

// The board's redraws as the game offers them to the rules: each first runs the end-of-game
// test, so a rule never asks the view to draw a board that is already over.
class BoardRedraws {
public:
    virtual void DrawBoard() = 0;
    virtual void DrawTile(int tile) = 0;
    virtual void DrawPointedTile(int tile) = 0;

protected:
    ~BoardRedraws() = default;
};

// What the rules of a game work on: the state and the objects the game owns.
struct PlayContext {
    TBoardState& state;
    const Options& options;
    TRandom& random;
    TStatusLine& status;
    THallOfFame& hall;
    GameView& view;
    BoardRedraws& redraws;
};

}  // namespace ribaku
