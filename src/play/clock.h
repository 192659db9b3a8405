#pragma once

#include <cstdint>
#include <string_view>

#include "play/board_mode.h"
#include "play/play_context.h"

namespace ribaku {

// The game clock: ElapsedSeconds from the tick counter. True when 100 minutes of game time,
// penalties included, are up and the game must stop.
bool RunGameClock(TBoardState& state, uint32_t nowMs);

// The status bar's tiles, moves and time for the kind on screen (none: a screen without a
// game, or the pause), and the no-moves message. An emptied board is drawn once more, so
// that its redraw ends the game.
// `movesMark` follows the number of moves left, or stands alone where moves are not counted:
// what is known of whether the game can still be won.
void WriteScore(PlayContext& play, const BoardMode* kind, bool paused,
                std::string_view movesMark = {});

}  // namespace ribaku
