#include <algorithm>

#include "core/game.h"

namespace ribaku {

void Game::ShowStatus(const std::string& message) {
    status.StatusMessage = message;
    status.StatusLength = static_cast<int32_t>(message.size());
    status.StatusPos = status.StatusLength;
}

void Game::StatusTick() {
    TStatusLine& s = status;
    if (!s.NoMovesShown) {
        if (s.StatusPos <= 1) {
            s.StatusMessage.assign(1, ' ');  // done: the field keeps what it shows
            return;
        }
        s.StatusPos = std::max(s.StatusPos - 1, 1);
        if (!options.CoolStatus) s.StatusPos = 1;
    } else {
        if (s.TickCount % 2 != 0) return;
        s.StatusPos += s.StatusStep;
        if (s.StatusPos <= 0 || s.StatusPos >= s.StatusLength) {
            s.StatusStep = -s.StatusStep;
            s.StatusPos += s.StatusStep;
        }
        s.StatusPos = std::max(s.StatusPos, 1);
    }
    view_.SetStatusText(s.StatusMessage.substr(
        std::min<size_t>(static_cast<size_t>(s.StatusPos - 1), s.StatusMessage.size())));
}

}  // namespace ribaku
