#include "core/deal.h"

#include "core/freedom.h"

namespace ribaku {
namespace {

void ClearTilePos(TBoardState& state, int upTo) {
    for (int t = 1; t <= upTo; ++t)
        state.TilePos[t] = TCellPos{};
}

void Place(TBoardState& state, int tile, const TCellPos& at) {
    state.Board[at] = static_cast<uint8_t>(tile);
    state.TilePos[tile] = at;
}

void MarkPositions(TBoard& board, const TPositionList& positions) {
    for (int i = 1; i <= positions.count; ++i)
        board[positions.pos[i]] = kUndealt;
}

}  // namespace

void FillBoard(TBoardState& state, TPositionList& positions) {
    positions.count = 0;
    for (int l = 1; l <= kMapLevels; ++l) {
        for (int r = 1; r <= kMapRows; ++r) {
            for (int c = 1; c <= kMapColumns; ++c) {
                const bool position = state.LayoutMap[LayoutMapIndex(c, r, l)] == 1;
                state.Board(c, r, l) = position ? kUndealt : 0;
                if (position && positions.count < kTileCount) {
                    positions.pos[++positions.count] = TCellPos{c, r, l};
                }
            }
        }
    }
    state.TilesLeft = positions.count;
    state.TileTotal = kTileCount;
}

void PlainDeal(TBoardState& state, TRandom& rng, const DealAnimation& animation) {
    ClearTilePos(state, kTileCount);
    if (animation.beforeDeal) animation.beforeDeal();
    for (int tile = 1; tile <= state.TilesLeft; ++tile) {
        TCellPos at;
        do {
            at.column = static_cast<int>(rng.RandomBelow(kMapColumns)) + 1;
            at.row = static_cast<int>(rng.RandomBelow(kMapRows)) + 1;
            at.level = static_cast<int>(rng.RandomBelow(kMapLevels)) + 1;
        } while (state.Board[at] != kUndealt);
        Place(state, tile, at);
        if (animation.tilePlaced) animation.tilePlaced(tile);
    }
}

int PairPicker::CountFree() const {
    int free = 0;
    for (int i = 1; i <= positions_.count; ++i) {
        const TCellPos& p = positions_.pos[i];
        if (board_[p] != 0 && BuildTestFree(board_, p.column, p.row, p.level)) ++free;
    }
    return free;
}

int PairPicker::DrawFreePosition(int other) {
    for (;;) {
        const int i = static_cast<int>(rng_.RandomBelow(positions_.count)) + 1;
        const TCellPos& p = positions_.pos[i];
        if (i != other && board_[p] == kUndealt && BuildTestFree(board_, p.column, p.row, p.level))
            return i;
    }
}

void PairPicker::TakePair(TPositionList& pairs, int k) {
    // Both are drawn while the other is still on the board.
    const int first = DrawFreePosition(0);
    const int second = DrawFreePosition(first);
    pairs.pos[k] = positions_.pos[first];
    pairs.pos[k + 1] = positions_.pos[second];
    board_[pairs.pos[k]] = 0;
    board_[pairs.pos[k + 1]] = 0;
}

TDealResult CreateBoard(TBoardState& state, TRandom& rng, const DealAnimation& animation,
                        int maxStuckRestarts) {
    TDealResult result;
    result.outcome = DealOutcome::Winnable;
    if (animation.beforeDeal) animation.beforeDeal();
    ClearTilePos(state, kTileCount);
    TPositionList positions;
    FillBoard(state, positions);
    const int n = positions.count;
    PairPicker picker(state.Board, positions, rng);
    TPositionList& pairs = result.buildPairs;
    int k = 1;
    while (k <= n) {
        state.FreeCount = picker.CountFree();
        if (state.FreeCount <= 1) {
            if (++result.stuckRestarts > maxStuckRestarts) {
                FillBoard(state, positions);
                PlainDeal(state, rng, DealAnimation{});
                result.outcome = DealOutcome::PlainFallback;
                result.buildPairs.count = 0;
                return result;
            }
            MarkPositions(state.Board, positions);
            k = 1;
            continue;
        }
        picker.TakePair(pairs, k);
        k += 2;
    }
    pairs.count = n;
    for (k -= 2; k >= 1; k -= 2) {
        int a, b;
        do {
            a = static_cast<int>(rng.RandomBelow(n)) + 1;
            b = static_cast<int>(rng.RandomBelow(n)) + 1;
        } while (!TilesMatch(a, b) || a == b || state.TilePos[a].OnBoard() ||
                 state.TilePos[b].OnBoard());
        Place(state, a, pairs.pos[k]);
        Place(state, b, pairs.pos[k + 1]);
        if (animation.pairPlaced) animation.pairPlaced();
    }
    return result;
}

}  // namespace ribaku
