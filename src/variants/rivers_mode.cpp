#include "variants/rivers_mode.h"

#include "variants/rivers_path.h"
#include "variants/rivers_slide.h"

namespace ribaku {

const TKindTraits& RiversMode::Traits() const {
    static const TKindTraits traits{
        .countsMoves = false,
        .hints = false,
    };
    return traits;
}

int RiversMode::FirstTileOff(PlayContext& play, int first, int second) {
    const auto path = FindRiverPath(play.state, second, first);
    if (!path) return 0;
    if (play.options.AnimateTileRivers) SlideRiverTile(play, first, second, *path);
    return first;
}

}  // namespace ribaku
