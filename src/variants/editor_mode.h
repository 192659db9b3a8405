#pragma once

#include "play/classic_mode.h"

namespace ribaku {

// The layout editor: the board shows the layout's cells as blank tiles. No clock runs, no
// game ends, and the right button belongs to the editor.
class EditorMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmEditor; }
    const TKindTraits& Traits() const override;
    void Click(PlayContext& play, int x, int y, TMouseButton button) override;
    void PointerMove(PlayContext&, int, int) override {}
    bool MaySelect(const PlayContext&, int) const override { return true; }
    bool Finished(const TBoardState&) const override { return false; }
};

}  // namespace ribaku
