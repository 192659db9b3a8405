#include "play/classic_mode.h"

#include <algorithm>

#include "core/layout_check.h"
#include "play/moves.h"
#include "play/selection.h"

namespace ribaku {
namespace {

TSolveResult SolveClassic(const TBoardState& state, const TSolveLimits& limits) {
    return SolvePosition(state, FreedomRule::Classic, limits);
}

TSolveResult SolveVertical(const TBoardState& state, const TSolveLimits& limits) {
    return SolvePosition(state, FreedomRule::Vertical, limits);
}

}  // namespace

const TKindTraits& ClassicMode::Traits() const {
    static const TKindTraits traits;
    return traits;
}

void ClassicMode::Click(PlayContext& play, int x, int y, TMouseButton button) {
    if (button == TMouseButton::Right) {
        DropSelection(play);
    } else {
        SelectAt(*this, play, x, y);
    }
}

void ClassicMode::PointerMove(PlayContext& play, int x, int y) {
    HoverAt(*this, play, x, y);
}

void ClassicMode::PointerLeft(PlayContext& play) {
    DropPointer(play, Traits().playerClocks);
}

bool ClassicMode::MaySelect(const PlayContext& play, int tile) const {
    return IsTileFree(play.state, play.options, tile);
}

bool ClassicMode::Finished(const TBoardState& state) const {
    return BoardEmptied(state);
}

int ClassicMode::TilesDealt(const TBoardState& state) const {
    return std::min(state.TileTotal, CountLayoutPositions(state.LayoutMap));
}

PositionSolver ClassicMode::Judge(const Options& options) const {
    return options.Vertical ? SolveVertical : SolveClassic;
}

bool BoardEmptied(const TBoardState& state) {
    return state.TilesLeft == 0 && state.ElapsedSeconds > 0;
}

}  // namespace ribaku
