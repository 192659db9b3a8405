#pragma once

#include <cstdint>

#include "play/board_mode.h"
#include "play/play_context.h"

namespace ribaku {

// The game clock: ElapsedSeconds from the tick counter. True when 100 minutes of game time,
// penalties included, are up and the game must stop.
bool RunGameClock(TBoardState& state, uint32_t nowMs);

// The status bar's tiles, moves and time for the kind on screen (none: a screen without a
// game, or the pause), and the no-moves message. An emptied board is drawn once more, so
// that its redraw ends the game.
void WriteScore(PlayContext& play, const BoardMode* kind, bool paused);

}  // namespace ribaku
