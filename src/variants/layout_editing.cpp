#include "variants/layout_editing.h"

#include "core/layout_check.h"
#include "play/hit_test.h"

namespace ribaku {
namespace {

// Whether any of the 3 x 3 cells around (c, r) on `level` holds a tile: a tile there would
// overlap one centred on (c, r), on that level or resting on it from the next.
bool NearTile(const TBoardState& s, int c, int r, int level) {
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr)
            if (s.Board(c + dc, r + dr, level) != 0) return true;
    return false;
}

uint8_t& MapCell(TLayoutMap& map, const TCellPos& p) {
    return map[LayoutMapIndex(p.column, p.row, p.level)];
}

struct TShift {
    int columns = 0;
    int rows = 0;
};

TShift ShiftOf(LayoutMove move) {
    switch (move) {
        case LayoutMove::Left:
            return {-1, 0};
        case LayoutMove::Right:
            return {1, 0};
        case LayoutMove::Up:
            return {0, -1};
        case LayoutMove::Down:
            return {0, 1};
    }
    return {};
}

// The line of cells the layout would leave the board through, on every level.
bool EdgeOccupied(const TBoardState& s, TShift shift) {
    for (int l = 1; l <= kMapLevels; ++l) {
        for (int c = 1; c <= kMapColumns; ++c) {
            for (int r = 1; r <= kMapRows; ++r) {
                const bool onEdge = (shift.columns < 0 && c == 1) ||
                                    (shift.columns > 0 && c == kMapColumns) ||
                                    (shift.rows < 0 && r == 1) || (shift.rows > 0 && r == kMapRows);
                if (onEdge && s.Board(c, r, l) != 0) return true;
            }
        }
    }
    return false;
}

}  // namespace

int EditorTilesLeft(const TBoardState& state) {
    return state.TileTotal - CountLayoutPositions(state.LayoutMap);
}

bool OnEditorGrid(int x, int y) {
    return static_cast<unsigned>(x / 20) < 35u && static_cast<unsigned>(y / 25) < 21u;
}

TCellPos WhatAdd(const TBoardState& s, int x, int y) {
    TCellPos found{0, 0, 0};
    for (int l = 1; l <= kMapLevels; ++l) {
        for (int c = kMapColumns; c >= 1; --c) {
            for (int r = 1; r <= kMapRows; ++r) {
                const bool inBox = 20 * c + 6 * l - 52 <= x && x < 20 * c + 6 * l - 22 &&
                                   25 * r - 6 * l - 59 <= y && y < 25 * r - 6 * l - 24;
                if (inBox && (l == 1 || NearTile(s, c, r, l - 1))) found = TCellPos{c, r, l};
            }
        }
    }
    return found;
}

bool MayPlace(const TBoardState& s, const TCellPos& cell) {
    return cell.level > 0 && EditorTilesLeft(s) > 0 &&
           !NearTile(s, cell.column, cell.row, cell.level);
}

int PlaceEditorTile(TBoardState& s, const TCellPos& cell) {
    if (!MayPlace(s, cell)) return 0;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (s.TilePos[tile].OnBoard()) continue;
        s.TilePos[tile] = cell;
        s.Board[cell] = static_cast<uint8_t>(tile);
        MapCell(s.LayoutMap, cell) = 1;
        ++s.TilesLeft;
        return tile;
    }
    return 0;
}

int RemoveEditorTile(TBoardState& s, int x, int y) {
    const int tile = TileAt(s, x, y);
    if (tile == 0) return 0;
    const TCellPos cell = s.TilePos[tile];
    if (cell.level < kMapLevels && NearTile(s, cell.column, cell.row, cell.level + 1)) return 0;
    MapCell(s.LayoutMap, cell) = 0;
    s.Board[cell] = 0;
    s.TilePos[tile] = TCellPos{};
    --s.TilesLeft;
    return tile;
}

bool MoveLayout(TBoardState& s, LayoutMove move) {
    const TShift shift = ShiftOf(move);
    if (EdgeOccupied(s, shift)) return false;
    TBoard moved{};
    TLayoutMap map{};
    for (int l = 1; l <= kMapLevels; ++l) {
        for (int c = 1; c <= kMapColumns; ++c) {
            for (int r = 1; r <= kMapRows; ++r) {
                const int toColumn = c + shift.columns;
                const int toRow = r + shift.rows;
                // Only the empty edge line falls off.
                if (toColumn < 1 || toColumn > kMapColumns || toRow < 1 || toRow > kMapRows)
                    continue;
                moved(toColumn, toRow, l) = s.Board(c, r, l);
                map[LayoutMapIndex(toColumn, toRow, l)] = s.LayoutMap[LayoutMapIndex(c, r, l)];
            }
        }
    }
    s.Board = moved;
    s.LayoutMap = map;
    for (TCellPos& p : s.TilePos) {
        if (!p.OnBoard()) continue;
        p.column += shift.columns;
        p.row += shift.rows;
    }
    return true;
}

}  // namespace ribaku
