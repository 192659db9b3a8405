#pragma once

#include <vector>

#include "core/board_state.h"
#include "play/solver.h"

namespace ribaku {

// Whether a Rivers position can still be cleared, seeing every face: SolvePosition's answer
// (play/solver.h) under the Rivers rule. A pair goes when its tiles match, a path of at most
// three legs joins them (variants/rivers_path.h) and a click can reach each of them (on Hard,
// a lower tile shows only where no upper tile covers it). The same position always gives the
// same verdict and line.
TSolveResult SolveRiversPosition(const TBoardState& state, const TSolveLimits& limits = {});

// The pairs a player may take now under the same rule, kind by kind.
std::vector<TTilePair> OpenRiverPairs(const TBoardState& state);

}  // namespace ribaku
