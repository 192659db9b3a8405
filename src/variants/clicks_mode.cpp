#include "variants/clicks_mode.h"

#include "play/selection.h"

namespace ribaku {

const TKindTraits& ClicksMode::Traits() const {
    static const TKindTraits traits = [] {
        TKindTraits untimed = kUntimedBoard;
        untimed.drawsTiles = false;
        return untimed;
    }();
    return traits;
}

void ClicksMode::Click(PlayContext& play, int, int, TMouseButton button) {
    if (button == TMouseButton::Right) DropSelection(play);
}

}  // namespace ribaku
