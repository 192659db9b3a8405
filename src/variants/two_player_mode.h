#pragma once

#include <cstdint>

#include "play/classic_mode.h"

namespace ribaku {

// Two players take pairs off one classic board in turns: a turn lasts until the player to
// move takes a pair off. Each player's thinking time is summed, and the one who used less
// wins. Nobody pauses, asks for a hint or takes a pair back, and the game enters no hall of
// fame: it ends on the players' verdict.
class TwoPlayerMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmTwoPlayers; }
    const TKindTraits& Traits() const override;
    void Tick(PlayContext& play) override;
    // Time away in another program is nobody's thinking time.
    void FocusChanged(PlayContext& play, bool focused) override;
    void AfterPair(PlayContext& play) override;  // the turn passes
    int HallIndex(const TBoardState&) const override { return 0; }
    bool GiveVerdict(PlayContext& play) override;
};

// A new two-player game: player 1 moves first, both clocks at zero from `nowMs`.
void StartTwoPlayerTurns(TBoardState& state, uint32_t nowMs);

// The status line's verdict on two totals of thinking time.
const char* TwoPlayerVerdict(int32_t playerTime1, int32_t playerTime2);

}  // namespace ribaku
