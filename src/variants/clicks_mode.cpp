#include "variants/clicks_mode.h"

#include "play/selection.h"

namespace ribaku {

const TKindTraits& ClicksMode::Traits() const {
    static const TKindTraits traits{
        .clockRuns = false,
        .timed = false,
        .countsMoves = false,
        .pauses = false,
        .undoes = false,
        .hints = false,
        .shuffles = false,
        .drawsTiles = false,
    };
    return traits;
}

void ClicksMode::Click(PlayContext& play, int, int, TMouseButton button) {
    if (button == TMouseButton::Right) DropSelection(play);
}

}  // namespace ribaku
