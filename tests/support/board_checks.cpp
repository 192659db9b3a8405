#include "support/board_checks.h"

#include "core/freedom.h"

namespace ribaku::testing {

::testing::AssertionResult ClearsInBuildOrder(TBoardState state, const TPositionList& pairs) {
    if (pairs.count != state.TilesLeft)
        return ::testing::AssertionFailure()
               << pairs.count << " build positions for " << state.TilesLeft << " tiles";
    for (int k = 1; k + 1 <= pairs.count; k += 2) {
        const int a = state.Board[pairs.pos[k]];
        const int b = state.Board[pairs.pos[k + 1]];
        if (a == 0 || b == 0 || a > kTileCount || b > kTileCount)
            return ::testing::AssertionFailure() << "pair " << (k + 1) / 2 << " has no tiles";
        if (!TilesMatch(a, b))
            return ::testing::AssertionFailure()
                   << "pair " << (k + 1) / 2 << ": tiles " << a << " and " << b << " differ";
        if (!IsFree(state, a) || !IsFree(state, b))
            return ::testing::AssertionFailure() << "pair " << (k + 1) / 2 << " is not free";
        for (int t : {a, b}) {
            state.Board[state.TilePos[t]] = 0;
            state.TilePos[t] = TCellPos{};
        }
        state.TilesLeft -= 2;
    }
    if (state.TilesLeft != 0)
        return ::testing::AssertionFailure() << state.TilesLeft << " tiles left";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BoardAndTilePosAgree(const TBoardState& state) {
    int onBoard = 0;
    for (int t = 1; t <= kTileCount; ++t) {
        const TCellPos& p = state.TilePos[t];
        if (!p.OnBoard()) continue;
        ++onBoard;
        if (state.Board[p] != t)
            return ::testing::AssertionFailure() << "tile " << t << " is not in its cell";
    }
    int cells = 0;
    for (int l = 1; l <= kMapLevels; ++l)
        for (int r = 1; r <= kMapRows; ++r)
            for (int c = 1; c <= kMapColumns; ++c)
                if (state.Board(c, r, l) != 0) ++cells;
    if (cells != onBoard || onBoard != state.TilesLeft)
        return ::testing::AssertionFailure() << cells << " occupied cells, " << onBoard
                                             << " placed tiles, TilesLeft " << state.TilesLeft;
    return ::testing::AssertionSuccess();
}

std::map<int, int> KindsOnLevel(const TBoardState& state, int level) {
    std::map<int, int> kinds;
    for (int t = 1; t <= kTileCount; ++t)
        if (state.TilePos[t].OnBoard() && state.TilePos[t].level == level) ++kinds[TileKind(t)];
    return kinds;
}

::testing::AssertionResult InFlatBlock(const TBoardState& state, int level, int firstColumn,
                                       int lastColumn, int firstRow, int lastRow) {
    for (int t = 1; t <= kTileCount; ++t) {
        const TCellPos& p = state.TilePos[t];
        if (!p.OnBoard() || p.level != level) continue;
        if (p.column % 2 != 0 || p.column < firstColumn || p.column > lastColumn ||
            p.row % 2 != 1 || p.row < firstRow || p.row > lastRow)
            return ::testing::AssertionFailure()
                   << "tile " << t << " at " << p.column << "," << p.row;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace ribaku::testing
