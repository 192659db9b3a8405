#pragma once

#include <array>
#include <functional>

#include "core/board_state.h"
#include "core/random.h"

namespace ribaku {

// Positions numbered from 1 in the fixed order level, row, column.
struct TPositionList {
    std::array<TCellPos, kTileCount + 1> pos{};
    int count = 0;
};

// Redraws the deal asks for while it places tiles; an empty function means "no animation".
struct DealAnimation {
    std::function<void()> beforeDeal;          // whole board, before the first draw
    std::function<void(int tile)> tilePlaced;  // the plain deal, after each tile
    std::function<void()> pairPlaced;          // the winnable builders, after each pair
};

// A winnable deal gives up after this many stuck attempts and deals at random instead.
// Over thousands of deals of each shipped layout no deal needed more than 6 (bench_deal);
// a layout that cannot be cleared reaches the bound in a quarter of a second.
inline constexpr int kMaxStuckRestarts = 1000;

enum class DealOutcome { Plain, Winnable, PlainFallback };

struct TDealResult {
    DealOutcome outcome = DealOutcome::Plain;
    int stuckRestarts = 0;
    // A winnable deal's pairs in the order they were built: taking them off in this order
    // (entries 1 and 2 first) clears the board.
    TPositionList buildPairs;
};

// Board and position list from LayoutMap: 155 on every position, TilesLeft := positions,
// TileTotal := 144. The layout must have passed CheckLayoutDealable.
void FillBoard(TBoardState& state, TPositionList& positions);

// Tiles 1..N dropped on random positions; the generator must be seeded already.
void PlainDeal(TBoardState& state, TRandom& rng, const DealAnimation& animation);

// A deal that can be won by taking pairs off in the order in which they were built.
// The generator must be seeded already. Falls back to PlainDeal after maxStuckRestarts.
TDealResult CreateBoard(TBoardState& state, TRandom& rng, const DealAnimation& animation,
                        int maxStuckRestarts = kMaxStuckRestarts);

// Pairs of positions taken off a board whose occupied cells hold nonzero values: the core
// of both winnable builders. Entries 2i-1 and 2i of `pairs` form the i-th pair.
class PairPicker {
public:
    PairPicker(TBoard& board, const TPositionList& positions, TRandom& rng)
        : board_(board), positions_(positions), rng_(rng) {}

    int CountFree() const;
    // Takes one free pair off the board into pairs[k], pairs[k + 1]. Needs CountFree() >= 2.
    void TakePair(TPositionList& pairs, int k);

private:
    int DrawFreePosition(int other);

    TBoard& board_;
    const TPositionList& positions_;
    TRandom& rng_;
};

}  // namespace ribaku
