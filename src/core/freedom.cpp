#include "core/freedom.h"

namespace ribaku {
namespace {

bool ColumnOpen(const TBoard& b, int c, int r, int l) {
    return b.At(c, r - 1, l) == 0 && b.At(c, r, l) == 0 && b.At(c, r + 1, l) == 0;
}

bool RowOpen(const TBoard& b, int c, int r, int l) {
    return b.At(c - 1, r, l) == 0 && b.At(c, r, l) == 0 && b.At(c + 1, r, l) == 0;
}

bool SideOpen(const TBoard& b, int c, int r, int l) {
    return ColumnOpen(b, c - 2, r, l) || ColumnOpen(b, c + 2, r, l);
}

bool EndOpen(const TBoard& b, int c, int r, int l) {
    return RowOpen(b, c, r - 2, l) || RowOpen(b, c, r + 2, l);
}

// Nothing on the nine cells of the level above that could cover the tile, even partly.
bool NothingAbove(const TBoard& b, int c, int r, int l) {
    if (l >= kBoardLevels - 1) return true;
    return RowOpen(b, c, r - 1, l + 1) && RowOpen(b, c, r, l + 1) && RowOpen(b, c, r + 1, l + 1);
}

template <bool (*OpenSides)(const TBoard&, int, int, int)>
bool FreeUnder(const TBoardState& state, int tile) {
    if (tile < 1 || tile > kTileCount) return false;
    const TCellPos& p = state.TilePos[tile];
    if (!p.OnBoard()) return false;
    return OpenSides(state.Board, p.column, p.row, p.level) &&
           NothingAbove(state.Board, p.column, p.row, p.level);
}

}  // namespace

bool IsFree(const TBoardState& state, int tile) {
    return FreeUnder<SideOpen>(state, tile);
}

bool IsFreeVertical(const TBoardState& state, int tile) {
    return FreeUnder<EndOpen>(state, tile);
}

bool BuildTestFree(const TBoard& board, int column, int row, int level) {
    if (column == 0 || row == 0 || level == 0) return false;
    return SideOpen(board, column, row, level) && NothingAbove(board, column, row, level);
}

}  // namespace ribaku
