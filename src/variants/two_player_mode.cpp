#include "variants/two_player_mode.h"

namespace ribaku {

const TKindTraits& TwoPlayerMode::Traits() const {
    static const TKindTraits traits{
        .timed = false,
        .pauses = false,
        .opensHelp = false,  // both players watch the board
        .undoes = false,
        .hints = false,
        .showsCurrentTile = false,
        .playerClocks = true,
    };
    return traits;
}

}  // namespace ribaku
