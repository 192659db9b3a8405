#pragma once

#include <array>
#include <cstdint>

#include "core/board_state.h"

namespace ribaku {

// The Rivers path rule over bit masks of the occupied cells, for a search that asks it
// millions of times: Joined answers as FindRiverPath would on the board it stands for, and
// tiles come and go by Take and PutBack without allocating.
class RiverGrid {
public:
    static constexpr int kLattices = kBoardLevels * 4;

    // The cells occupied in `state`; its tiles are those whose TilePos is on the board.
    explicit RiverGrid(const TBoardState& state);

    // Whether a path of at most three legs joins `a` and `b` (both on the board).
    bool Joined(int a, int b) const;
    // Tiles on different lattices (levels, or parities of column and row) never join; the
    // lattices are numbered 0 to kLattices - 1.
    int Lattice(int tile) const { return spots_[tile].lattice; }
    void Take(int tile);
    void PutBack(int tile);

private:
    // A path steps two cells at a time, so each level falls into four lattices by the parity
    // of column and row; a lattice cell is (column / 2, row / 2).
    static constexpr int kLatticeColumns = (kBoardColumns + 1) / 2;
    static constexpr int kLatticeRows = (kBoardRows + 1) / 2;

    struct TLattice {
        std::array<uint32_t, kLatticeRows> rows{};        // bit x: cell (x, y) occupied
        std::array<uint32_t, kLatticeColumns> columns{};  // bit y: cell (x, y) occupied
    };
    struct TSpot {
        uint8_t lattice = 0;
        uint8_t x = 0;
        uint8_t y = 0;
        bool inside = false;  // within the cells a path may step on
    };

    void Mark(int tile, bool occupied);
    // Joined for two tiles of one lattice, both inside.
    bool JoinedInside(const TLattice& lattice, int parity, TSpot a, TSpot b) const;

    std::array<TLattice, kLattices> lattices_{};
    std::array<TSpot, kTileCount + 1> spots_{};
    // Tiles outside the stepping bounds are rare enough to be asked of the path rule itself.
    TBoardState board_;
};

}  // namespace ribaku
