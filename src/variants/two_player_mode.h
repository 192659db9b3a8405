#pragma once

#include "play/classic_mode.h"

namespace ribaku {

// Two players take pairs off one classic board in turns. Nobody pauses, asks for a hint or
// takes a pair back, and the game enters no hall of fame: it ends on the players' verdict.
class TwoPlayerMode : public ClassicMode {
public:
    TGameMode Mode() const override { return gmTwoPlayers; }
    const TKindTraits& Traits() const override;
    int HallIndex(const TBoardState&) const override { return 0; }
    bool GiveVerdict(PlayContext&) override { return true; }
};

}  // namespace ribaku
