#pragma once

#include "play/classic_mode.h"
#include "variants/rivers_solver.h"

namespace ribaku {

// Mah-Jongg Rivers: every tile of the flat board may be chosen; a pair goes when a path of at
// most three legs joins its tiles, and with "Animate Tile Rivers" the first tile slides along
// it. Moves are not counted and there are no hints, but for the one that keeps the game
// winnable.
class RiversMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmRivers; }
    const TKindTraits& Traits() const override;
    bool MaySelect(const PlayContext&, int) const override { return true; }
    int FirstTileOff(PlayContext& play, int first, int second) override;
    int TilesDealt(const TBoardState& state) const override { return state.TileTotal; }
    PositionSolver Judge(const Options&) const override { return SolveRiversPosition; }
};

}  // namespace ribaku
