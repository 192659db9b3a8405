#include "snapshot/snapshot_board.h"

#include "core/freedom.h"
#include "core/tiles.h"

namespace ribaku::snapshot {
namespace {

bool IsFree(const TBoardState& state, int tile, bool vertical) {
    return vertical ? Dispo_Vertical(state, tile) : Dispo(state, tile);
}

}  // namespace

void TakeOffPairs(TBoardState& state, const TPositionList& pairs, int count) {
    for (int i = 1; i <= 2 * count; i += 2) {
        for (int k = 0; k < 2; ++k) {
            const TCellPos at = pairs.pos[i + k];
            const int tile = state.Board[at];
            state.History[state.TileTotal - state.TilesLeft + k] =
                TTileSlot{static_cast<uint8_t>(tile), at};
            state.Board[at] = 0;
            state.TilePos[tile] = TCellPos{};
            (k == 0 ? state.LastPair1 : state.LastPair2) = tile;
        }
        state.TilesLeft -= 2;
    }
}

int FirstFreeTile(const TBoardState& state, bool vertical) {
    for (int tile = 1; tile <= state.TileTotal; ++tile) {
        if (IsFree(state, tile, vertical)) return tile;
    }
    return 0;
}

TTilePair FirstHintPair(const TBoardState& state, bool vertical) {
    int previous = 0;
    for (int tile = 1; tile <= state.TileTotal; ++tile) {
        if (!IsFree(state, tile, vertical)) continue;
        if (previous != 0 && TilesMatch(previous, tile)) return {previous, tile};
        previous = tile;
    }
    return {};
}

}  // namespace ribaku::snapshot
