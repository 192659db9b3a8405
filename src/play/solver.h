#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/board_state.h"

// Whether a position of the classic game can still be cleared, seeing every face: searches
// over the order of the pairs and over the ways each kind is paired off, for the window's
// "is my game still winnable?".
namespace ribaku {

// The two freedom rules of the classic game (core/freedom.h).
enum class FreedomRule { Classic, Vertical };

enum class SolveVerdict {
    Winnable,
    NotWinnable,
    Unknown,  // the node budget ran out or the search was cancelled
};

struct TSolveLimits {
    // Positions the search may visit, each trial of a way of pairing a kind off counting as
    // one; a few million fit in a few seconds.
    int64_t nodeBudget = 1'000'000;
    // Set from another thread to stop the search; it then answers Unknown within milliseconds.
    const std::atomic<bool>* cancel = nullptr;
};

struct TTilePair {
    uint8_t first = 0;
    uint8_t second = 0;
    friend bool operator==(const TTilePair&, const TTilePair&) = default;
};

struct TSolveResult {
    SolveVerdict verdict = SolveVerdict::Unknown;
    // For Winnable: pairs of tile numbers which, taken off in this order, clear the board.
    std::vector<TTilePair> line;
    int64_t nodes = 0;
};

// The tiles on the board are those whose TilePos is on the board; Board and TilePos must
// agree. A cell holding anything but its placed tile blocks like a tile that never leaves.
// The same position and rule always give the same verdict and line.
TSolveResult SolvePosition(const TBoardState& state, FreedomRule rule,
                           const TSolveLimits& limits = {});

// A search with SolvePosition's answer under the rule of one kind of game.
using PositionSolver = TSolveResult (*)(const TBoardState&, const TSolveLimits&);

}  // namespace ribaku
