#include "variants/editor_mode.h"

namespace ribaku {

const TKindTraits& EditorMode::Traits() const {
    static const TKindTraits traits{
        .clockRuns = false,
        .timed = false,
        .countsMoves = false,
        .pauses = false,
        .undoes = false,
        .hints = false,
        .shuffles = false,
        .editsLayout = true,
    };
    return traits;
}

void EditorMode::Click(PlayContext& play, int, int, TMouseButton) {
    play.hall.HallPanelDirty = false;
    play.state.LastPair1 = play.state.LastPair2 = 0;
}

}  // namespace ribaku
