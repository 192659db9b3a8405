#include "variants/memory_mode.h"

#include "play/selection.h"

namespace ribaku {
namespace {

constexpr int kTurnedUpTicks = 10;

}  // namespace

const TKindTraits& MemoryMode::Traits() const {
    static const TKindTraits traits{
        .countsMoves = false,
        .undoes = false,
        .hints = false,
        .shuffles = false,
        .showsCurrentTile = false,  // it would show the face
        .facesHidden = true,
    };
    return traits;
}

void MemoryMode::Click(PlayContext& play, int x, int y, TMouseButton button) {
    TBoardState& s = play.state;
    if (s.MemoryCountdown > 0) return;
    if (button == TMouseButton::Right) {
        DropSelection(play);
        return;
    }
    play.hall.HallPanelDirty = false;
    s.LastPair1 = s.LastPair2 = 0;
    const int q = TileOnGrid(s, x, y);
    if (q == 0) return;
    if (s.Selected1 == 0) {
        s.Selected1 = static_cast<uint8_t>(q);
        MarkSelected(play, q);
        return;
    }
    s.Selected2 = static_cast<uint8_t>(q);
    if (q == s.Selected1) return;
    MarkSelected(play, q);
    s.MemoryCountdown = kTurnedUpTicks;
}

void MemoryMode::Tick(PlayContext& play) {
    if (play.state.MemoryCountdown > 0) --play.state.MemoryCountdown;
}

}  // namespace ribaku
