#pragma once

#include <functional>

namespace ribaku {

// Where the clicks, the timer and the end of a game hand over to the rules of a variant or
// of the layout editor. Each variant sets its own when it is built; an empty rule leaves
// its branch without effect (a Rivers pair then counts as reachable).
struct TVariantRules {
    // Rivers: whether `second` reaches `first` along a path of at most three straight legs.
    // It may slide a tile along the path, and answers the tile to take off first (the one
    // that moved), or 0 when there is no path.
    std::function<int(int second, int first)> CanBeReached;
    // Two players: the turn passes after a removed pair.
    std::function<void()> PassTurn;
    // Two players: the players' clocks in the side panel, on every tick.
    std::function<void()> DrawPlayerClocks;
    // Two players: the verdict when the board is empty.
    std::function<void()> TwoPlayerVerdict;
    // Memory: the two face-up tiles are judged once MemoryCountdown has run out.
    std::function<void()> JudgeMemoryPair;
    // Clicks: a click that is not a right-button click, relative to the board origin.
    std::function<void(int x, int y)> ClicksClick;
    // Layout editor: left button places, right button removes, pointer moves the cursor.
    // The point is relative to the board origin; col and row are its coarse cell.
    std::function<void(int x, int y, int col, int row)> EditorPlace;
    std::function<void(int x, int y, int col, int row)> EditorRemove;
    std::function<void(int x, int y, int col, int row)> EditorCursor;
};

}  // namespace ribaku
