#pragma once

#include "play/classic_mode.h"

namespace ribaku {

// Mah-Jongg Memory: the tiles lie face down; any two may be turned up, and the board takes
// no click for the half second they stay up. Then a pair of one kind goes, and any other
// turns face down again for two seconds more on the clock.
class MemoryMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmMemory; }
    const TKindTraits& Traits() const override;
    void Click(PlayContext& play, int x, int y, TMouseButton button) override;
    void Tick(PlayContext& play) override;
    bool MaySelect(const PlayContext&, int) const override { return true; }
    PositionSolver Judge(const Options&) const override { return nullptr; }  // not judged
};

}  // namespace ribaku
