#pragma once

#include <bitset>
#include <vector>

#include "core/board_state.h"

namespace ribaku {

// A set of tiles by number.
using TTileSet = std::bitset<kTileCount + 1>;

// Which tiles a click can land on as tiles leave the board: where hit boxes overlap, the
// classic hit test (play/hit_test.h) gives the click to one tile, so a tile under others is
// reached only through the part of its box that none of them still covers.
class ClickCover {
public:
    // The boxes of the tiles on the board in `state`; no tile is added later.
    explicit ClickCover(const TBoardState& state);

    // Whether a click can select `tile` while the tiles of `present` lie on the board.
    bool Reachable(int tile, const TTileSet& present) const {
        for (int i = first_[tile]; i < first_[tile + 1]; ++i)
            if ((covers_[i] & present).none()) return true;
        return false;
    }

    // The tiles that cover some piece of `tile`'s box.
    TTileSet Over(int tile) const {
        TTileSet over;
        for (int i = first_[tile]; i < first_[tile + 1]; ++i)
            over |= covers_[i];
        return over;
    }

private:
    // Tile t is reached while one of covers_[first_[t] .. first_[t + 1]) lies off the board:
    // each is the set of tiles over one piece of its box.
    std::vector<TTileSet> covers_;
    std::vector<int> first_;
};

}  // namespace ribaku
