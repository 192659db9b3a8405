#pragma once

#include "core/random.h"
#include "play/classic_mode.h"

namespace ribaku {

// Clicks: a block-clearing game on a board of its own. A click on a block that touches one of
// its colour takes the whole group off; the blocks above fall and empty columns close up,
// pass by pass. No clock runs, and the game has no end.
class ClicksMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmClicks; }
    const TKindTraits& Traits() const override;
    void Click(PlayContext& play, int x, int y, TMouseButton button) override;
    void PointerMove(PlayContext&, int, int) override {}
    PositionSolver Judge(const Options&) const override { return nullptr; }  // not judged
};

// How long each settling pass stays on screen.
inline constexpr int kClicksPassMs = 40;

// The board of a new Clicks game (hall 120): the tiles' board emptied, the blocks drawn at
// random from the clock's seed.
void DealClicksBoard(TBoardState& state, TRandom& random, const TimeOfDay& now);

}  // namespace ribaku
