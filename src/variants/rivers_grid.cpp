// Paths of at most three legs by bit masks: the first and last legs run along the row (or
// column) rays of the two tiles, the middle leg joins a cell of one ray to the cell of the
// other ray in the same column (or row) across empty cells.
#include "variants/rivers_grid.h"

#include <bit>

#include "variants/rivers_path.h"

namespace ribaku {
namespace {

// The cells a path may step on: a leg steps right only from columns below 32, left only from
// columns above 2, down only from rows below 18, up only from rows above 2 (rivers_path.cpp).
// On a lattice of one parity that leaves columns 1 to 33 and rows 1 to 19, and within them a
// step may go either way.
bool Inside(int column, int row) {
    return column >= 1 && column <= 33 && row >= 1 && row <= 19;
}

// The lattice cells outside the bounds, as a wall along a row (parity of the column) or a
// column (parity of the row).
uint32_t Walls(int parity, bool alongRow) {
    uint32_t walls = ~0u;
    for (int i = 0; 2 * i + parity <= (alongRow ? kBoardColumns : kBoardRows); ++i) {
        const int cell = 2 * i + parity;
        if (alongRow ? Inside(cell, 1) : Inside(1, cell)) walls &= ~(1u << i);
    }
    return walls;
}

const std::array<uint32_t, 2> kRowWalls{Walls(0, true), Walls(1, true)};
const std::array<uint32_t, 2> kColumnWalls{Walls(0, false), Walls(1, false)};

// Cell `at` and the empty cells on both sides of it up to the first blocked one.
uint32_t Reach(uint32_t blocked, int at) {
    const uint32_t below = (1u << at) - 1;
    const uint32_t right = ((1u << std::countr_zero(blocked >> (at + 1))) - 1) << (at + 1);
    const uint32_t left = below & ~((1u << std::bit_width(blocked & below)) - 1);
    return left | (1u << at) | right;
}

// The cells strictly between `a` and `b`.
uint32_t Between(int a, int b) {
    const int low = a < b ? a : b, high = a < b ? b : a;
    return ((1u << high) - 1) & ~((2u << low) - 1);
}

// Some cell of both reaches has the cells between its two ends (in `crossing`) all empty.
template <typename Crossing>
bool Bridged(uint32_t common, uint32_t between, const Crossing& crossing) {
    for (; common != 0; common &= common - 1)
        if ((crossing[std::countr_zero(common)] & between) == 0) return true;
    return false;
}

}  // namespace

RiverGrid::RiverGrid(const TBoardState& state) : board_(state) {
    // Whatever stands on a cell blocks it, placed tile or not.
    for (int c = 0; c < kBoardColumns; ++c)
        for (int r = 0; r < kBoardRows; ++r)
            for (int l = 0; l < kBoardLevels; ++l) {
                if (state.Board(c, r, l) == 0) continue;
                TLattice& lattice = lattices_[l * 4 + (c & 1) * 2 + (r & 1)];
                lattice.rows[r / 2] |= 1u << (c / 2);
                lattice.columns[c / 2] |= 1u << (r / 2);
            }
    for (int t = 1; t <= kTileCount; ++t) {
        const TCellPos& p = state.TilePos[t];
        if (!p.OnBoard()) continue;
        spots_[t] = TSpot{static_cast<uint8_t>(p.level * 4 + (p.column & 1) * 2 + (p.row & 1)),
                          static_cast<uint8_t>(p.column / 2), static_cast<uint8_t>(p.row / 2),
                          Inside(p.column, p.row)};
    }
}

bool RiverGrid::Joined(int a, int b) const {
    const TSpot from = spots_[a], to = spots_[b];
    if (from.lattice != to.lattice) return false;
    if (!from.inside || !to.inside) return FindRiverPath(board_, a, b).has_value();
    return JoinedInside(lattices_[from.lattice], from.lattice & 3, from, to);
}

bool RiverGrid::JoinedInside(const TLattice& lattice, int parity, TSpot a, TSpot b) const {
    const uint32_t rowWalls = kRowWalls[parity >> 1], columnWalls = kColumnWalls[parity & 1];
    // Along the rows of a and b, then down or up a column between them.
    const uint32_t alongRows =
        Reach(lattice.rows[a.y] | rowWalls, a.x) & Reach(lattice.rows[b.y] | rowWalls, b.x);
    if (Bridged(alongRows, Between(a.y, b.y), lattice.columns)) return true;
    // Along their columns, then across a row.
    const uint32_t alongColumns = Reach(lattice.columns[a.x] | columnWalls, a.y) &
                                  Reach(lattice.columns[b.x] | columnWalls, b.y);
    return Bridged(alongColumns, Between(a.x, b.x), lattice.rows);
}

void RiverGrid::Take(int tile) {
    Mark(tile, false);
}

void RiverGrid::PutBack(int tile) {
    Mark(tile, true);
}

void RiverGrid::Mark(int tile, bool occupied) {
    const TSpot spot = spots_[tile];
    TLattice& lattice = lattices_[spot.lattice];
    const uint32_t column = 1u << spot.x, row = 1u << spot.y;
    lattice.rows[spot.y] =
        occupied ? lattice.rows[spot.y] | column : lattice.rows[spot.y] & ~column;
    lattice.columns[spot.x] =
        occupied ? lattice.columns[spot.x] | row : lattice.columns[spot.x] & ~row;
    const TCellPos& p = board_.TilePos[tile];
    board_.Board[p] = occupied ? static_cast<uint8_t>(tile) : 0;
}

}  // namespace ribaku
