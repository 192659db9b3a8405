#pragma once

#include <cstdint>
#include <string>

namespace ribaku {

class GameView;

// The one-line message of the status bar: it slides in one character per tick from its
// end ("Cool Status"), or swings to and fro while no move is left.
struct TStatusLine {
    std::string StatusMessage;
    int32_t StatusLength = 0;
    int32_t StatusPos = 0;
    int32_t StatusStep = 1;
    bool NoMovesShown = false;
    int32_t TickCount = 0;

    // A new message, from the next tick on; it replaces a swinging no-moves message.
    void Show(const std::string& message);  // ShowStatus
    // "SORRY, NO MORE MOVES !!", swinging until moves come back.
    void ShowNoMoves();
    // Moves are back (a new game, a reshuffle, an undo): the no-moves message goes at once.
    void EndNoMoves(GameView& view);
    // One step of the animation, shown in `view`; without "Cool Status" a message shows whole.
    void Tick(GameView& view, bool coolStatus);  // StatusTick
};

}  // namespace ribaku
