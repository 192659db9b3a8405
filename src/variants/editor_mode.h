#pragma once

#include "play/classic_mode.h"

namespace ribaku {

// The layout editor: the board shows the layout's cells as blank tiles. The left button puts
// a tile where the ghost tile shows, the right one takes the tile under the pointer off. No
// clock runs and no game ends.
class EditorMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmEditor; }
    const TKindTraits& Traits() const override;
    void Click(PlayContext& play, int x, int y, TMouseButton button) override;
    // The ghost tile follows the pointer to the cell a left click would fill.
    void PointerMove(PlayContext& play, int x, int y) override;
    void PointerLeft(PlayContext& play) override;
    bool MaySelect(const PlayContext&, int) const override { return true; }
    bool Finished(const TBoardState&) const override { return false; }
    PositionSolver Judge(const Options&) const override { return nullptr; }  // not judged
};

}  // namespace ribaku
