#pragma once

#include <vector>

#include "play/play_context.h"
#include "variants/rivers_path.h"

namespace ribaku {

// How long the sliding tile rests on each cell of its path.
inline constexpr int kRiverSlideStepMs = 15;

// The first tile of a Rivers pair slides along `path`, cell by cell, to the cell beside its
// partner, shown at each step. No highlight is drawn meanwhile.
void SlideRiverTile(PlayContext& play, int tile, int partner, const std::vector<TRiverCell>& path);

}  // namespace ribaku
