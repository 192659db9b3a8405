#pragma once

#include <array>
#include <memory>

#include "play/board_mode.h"

namespace ribaku {

// Every kind of game, one object each, found by the GameMode it is played under.
class KindRegistry {
public:
    // The classic game and every variant.
    KindRegistry();

    // The kind played under `mode`; none for a screen that is no game (the welcome panel,
    // the pause, a finished game).
    BoardMode* Find(TGameMode mode) const;
    // Takes the place of the kind played under the same mode.
    void Install(std::unique_ptr<BoardMode> kind);

private:
    std::array<std::unique_ptr<BoardMode>, gmEditor + 1> kinds_;
};

}  // namespace ribaku
