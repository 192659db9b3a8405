#pragma once

#include "play/classic_mode.h"

namespace ribaku {

// Mah-Jongg Rivers: every tile of the flat board may be chosen; a pair goes when a path of at
// most three legs joins its tiles, and with "Animate Tile Rivers" the first tile slides along
// it. Moves are not counted and there are no hints.
class RiversMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmRivers; }
    const TKindTraits& Traits() const override;
    bool MaySelect(const PlayContext&, int) const override { return true; }
    int FirstTileOff(PlayContext& play, int first, int second) override;
    int TilesDealt(const TBoardState& state) const override { return state.TileTotal; }
};

}  // namespace ribaku
