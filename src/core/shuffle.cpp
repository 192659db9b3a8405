#include "core/shuffle.h"

namespace ribaku {
namespace {

using TilePosTable = decltype(TBoardState::TilePos);

void ClearTileRegion(TBoard& board) {
    for (int l = 1; l <= kMapLevels; ++l)
        for (int r = 1; r <= kMapRows; ++r)
            for (int c = 1; c <= kMapColumns; ++c)
                board(c, r, l) = 0;
}

void Restore(TBoardState& state, const TilePosTable& saved) {
    state.TilePos = saved;
    for (int t = 1; t <= state.TileTotal; ++t)
        if (saved[t].OnBoard()) state.Board[saved[t]] = static_cast<uint8_t>(t);
}

// Every occupied cell becomes 155, and the list of those cells in the fixed order.
void MarkOccupancy(TBoard& board, TPositionList& positions) {
    positions.count = 0;
    for (int l = 1; l <= kMapLevels; ++l)
        for (int r = 1; r <= kMapRows; ++r)
            for (int c = 1; c <= kMapColumns; ++c)
                if (board(c, r, l) != 0) {
                    board(c, r, l) = kUndealt;
                    if (positions.count < kTileCount) positions.pos[++positions.count] = {c, r, l};
                }
}

}  // namespace

TShuffleResult ShuffleBoard(TBoardState& state, TRandom& rng, const TimeOfDay& now,
                            const DealAnimation& animation) {
    if (animation.beforeDeal) animation.beforeDeal();
    const TilePosTable saved = state.TilePos;
    for (int t = 1; t <= state.TileTotal; ++t)
        state.TilePos[t] = TCellPos{};

    TPositionList positions;
    MarkOccupancy(state.Board, positions);
    PairPicker picker(state.Board, positions, rng);
    state.FreeCount = picker.CountFree();
    if (state.FreeCount < 2) {
        Restore(state, saved);
        return {ShuffleOutcome::TooFewFree, {}};
    }

    // Ascending, so entries 2i-1 and 2i are always of one kind.
    std::array<int, kTileCount + 1> remaining{};
    int tilesLeft = 0;
    for (int t = 1; t <= state.TileTotal; ++t)
        if (saved[t].column > 0 && saved[t].row > 0 && saved[t].level > 0)
            remaining[++tilesLeft] = t;

    rng.SeedFromClock(now);
    TShuffleResult result;
    TPositionList& pairs = result.buildPairs;
    int k = 1;
    int pass = 0;
    do {
        ++pass;
        state.FreeCount = picker.CountFree();
        if (state.FreeCount <= 1) {
            for (int i = 1; i <= positions.count; ++i)
                state.Board[positions.pos[i]] = kUndealt;
            k = 1;
        } else {
            picker.TakePair(pairs, k);
            k += 2;
        }
    } while (k <= tilesLeft && pass <= kMaxShufflePasses);
    if (pass > kMaxShufflePasses) {
        ClearTileRegion(state.Board);
        Restore(state, saved);
        return {ShuffleOutcome::GaveUp, {}};
    }

    ClearTileRegion(state.Board);
    for (int t = 1; t <= state.TileTotal; ++t)
        state.TilePos[t] = TCellPos{};
    pairs.count = tilesLeft;
    for (k -= 2; k >= 1; k -= 2) {
        int a, b;
        do {
            const int d = static_cast<int>(rng.RandomBelow(tilesLeft - 1)) + 1;
            const int e = d % 2 == 0 ? d - 1 : d + 1;
            a = remaining[d];
            b = remaining[e];
        } while (state.TilePos[a].OnBoard() || state.TilePos[b].OnBoard());
        state.TilePos[a] = pairs.pos[k];
        state.TilePos[b] = pairs.pos[k + 1];
        state.Board[pairs.pos[k]] = static_cast<uint8_t>(a);
        state.Board[pairs.pos[k + 1]] = static_cast<uint8_t>(b);
        if (animation.pairPlaced) animation.pairPlaced();
    }
    for (int t = 1; t <= state.TileTotal; ++t)
        if (state.TilePos[t].OnBoard()) state.Board[state.TilePos[t]] = static_cast<uint8_t>(t);
    return result;
}

}  // namespace ribaku
