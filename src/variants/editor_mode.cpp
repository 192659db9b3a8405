#include "variants/editor_mode.h"

namespace ribaku {

const TKindTraits& EditorMode::Traits() const {
    static const TKindTraits traits = [] {
        TKindTraits untimed = kUntimedBoard;
        untimed.editsLayout = true;
        return untimed;
    }();
    return traits;
}

void EditorMode::Click(PlayContext& play, int, int, TMouseButton) {
    play.hall.HallPanelDirty = false;
    play.state.LastPair1 = play.state.LastPair2 = 0;
}

}  // namespace ribaku
