#pragma once

#include "play/classic_mode.h"

namespace ribaku {

// Clicks: a block-clearing game on a board of its own. No clock runs and no tile is
// outlined; the right button still drops the selection.
class ClicksMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmClicks; }
    const TKindTraits& Traits() const override;
    void Click(PlayContext& play, int x, int y, TMouseButton button) override;
    void PointerMove(PlayContext&, int, int) override {}
};

}  // namespace ribaku
