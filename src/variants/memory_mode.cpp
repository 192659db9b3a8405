#include "variants/memory_mode.h"

#include "play/selection.h"

namespace ribaku {
namespace {

constexpr int kTurnedUpTicks = 10;
constexpr int kWrongPairPenalty = 2;

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
    TBoardState& s = play.state;
    if (s.MemoryCountdown == 0 || --s.MemoryCountdown > 0) return;
    if (TilesMatch(s.Selected1, s.Selected2)) {
        TakePairOff(play, s.Selected1, s.TilePos[s.Selected1]);
    } else {
        s.Selected1 = s.Selected2 = 0;
        s.PenaltySeconds += kWrongPairPenalty;
        play.redraws.DrawBoard();  // both tiles turn face down again
    }
}

}  // namespace ribaku
