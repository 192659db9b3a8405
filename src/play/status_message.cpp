#include "play/status_message.h"

#include <algorithm>

#include "core/game_view.h"

namespace ribaku {

void TStatusLine::Show(const std::string& message) {
    NoMovesShown = false;
    StatusMessage = message;
    StatusLength = static_cast<int32_t>(message.size());
    StatusPos = StatusLength;
}

void TStatusLine::ShowNoMoves() {
    StatusStep = 1;
    Show("      SORRY, NO MORE MOVES !!");
    NoMovesShown = true;
}

void TStatusLine::EndNoMoves(GameView& view) {
    if (!NoMovesShown) return;
    NoMovesShown = false;
    StatusMessage.assign(1, ' ');
    StatusLength = 1;
    StatusPos = 0;
    view.SetStatusText(StatusMessage);
}

void TStatusLine::Tick(GameView& view, bool coolStatus) {
    if (!NoMovesShown) {
        if (StatusPos <= 1) {
            StatusMessage.assign(1, ' ');  // done: the field keeps what it shows
            return;
        }
        StatusPos = std::max(StatusPos - 1, 1);
        if (!coolStatus) StatusPos = 1;
    } else {
        if (TickCount % 2 != 0) return;
        StatusPos += StatusStep;
        if (StatusPos <= 0 || StatusPos >= StatusLength) {
            StatusStep = -StatusStep;
            StatusPos += StatusStep;
        }
        StatusPos = std::max(StatusPos, 1);
    }
    view.SetStatusText(StatusMessage.substr(
        std::min<size_t>(static_cast<size_t>(StatusPos - 1), StatusMessage.size())));
}

}  // namespace ribaku
