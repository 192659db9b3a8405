#pragma once

#include <gtest/gtest.h>

#include "core/deal.h"

namespace ribaku::testing {

// Takes the pairs off in build order on a copy of the state, asserting at each step that
// both tiles are of one kind and free under the classic rule; the board must end empty.
::testing::AssertionResult ClearsInBuildOrder(TBoardState state, const TPositionList& pairs);

// Board and TilePos agree: every tile on the board sits in its cell and nothing else does.
::testing::AssertionResult BoardAndTilePosAgree(const TBoardState& state);

}  // namespace ribaku::testing
