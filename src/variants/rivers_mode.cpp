#include "variants/rivers_mode.h"

namespace ribaku {

const TKindTraits& RiversMode::Traits() const {
    static const TKindTraits traits{
        .countsMoves = false,
        .hints = false,
    };
    return traits;
}

}  // namespace ribaku
