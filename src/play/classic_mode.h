#pragma once

#include "play/board_mode.h"

namespace ribaku {

// The classic game: free matching pairs come off the board, against the clock, into the
// hall of fame of the layout. The other kinds start from it and change what differs.
class ClassicMode : public BoardMode {
public:
    TGameMode Mode() const override { return gmSolitaire; }
    const TKindTraits& Traits() const override;
    void Click(PlayContext& play, int x, int y, TMouseButton button) override;
    void PointerMove(PlayContext& play, int x, int y) override;
    void PointerLeft(PlayContext& play) override;
    void Tick(PlayContext&) override {}
    void FocusChanged(PlayContext&, bool) override {}
    bool MaySelect(const PlayContext& play, int tile) const override;
    int FirstTileOff(PlayContext&, int first, int) override { return first; }
    void AfterPair(PlayContext&) override {}
    bool Finished(const TBoardState& state) const override;
    int HallIndex(const TBoardState& state) const override { return state.LayoutNumber; }
    // A layout may hold fewer positions than TileTotal; its first pair then went to a deeper
    // history entry, and the entries above the deal's depth are from earlier games.
    int TilesDealt(const TBoardState& state) const override;
    bool GiveVerdict(PlayContext&) override { return false; }
    // The search of the freedom rule in force.
    PositionSolver Judge(const Options& options) const override;
};

// The board was emptied while the clock ran: the end of a game that takes pairs off.
bool BoardEmptied(const TBoardState& state);

}  // namespace ribaku
