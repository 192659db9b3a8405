#include <algorithm>

#include "core/game.h"

namespace ribaku {

// Any new message replaces a swinging no-moves message.
void Game::ShowStatus(const std::string& message) {
    status.NoMovesShown = false;
    status.StatusMessage = message;
    status.StatusLength = static_cast<int32_t>(message.size());
    status.StatusPos = status.StatusLength;
}

void Game::EndNoMovesMessage() {
    if (!status.NoMovesShown) return;
    status.NoMovesShown = false;
    status.StatusMessage.assign(1, ' ');
    status.StatusLength = 1;
    status.StatusPos = 0;
    view_.SetStatusText(status.StatusMessage);
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
