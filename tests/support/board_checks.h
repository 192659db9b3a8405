#pragma once

#include <gtest/gtest.h>

#include <map>

#include "core/deal.h"

namespace ribaku::testing {

// Takes the pairs off in build order on a copy of the state, asserting at each step that
// both tiles are of one kind and free under the classic rule; the board must end empty.
::testing::AssertionResult ClearsInBuildOrder(TBoardState state, const TPositionList& pairs);

// Kind -> how many tiles of it lie on `level`.
std::map<int, int> KindsOnLevel(const TBoardState& state, int level);

// Every tile of `level` lies on the lattice of a flat variant's block: even columns from
// `firstColumn` to `lastColumn`, odd rows from `firstRow` to `lastRow`.
::testing::AssertionResult InFlatBlock(const TBoardState& state, int level, int firstColumn,
                                       int lastColumn, int firstRow, int lastRow);

// Board and TilePos agree: every tile on the board sits in its cell and nothing else does.
::testing::AssertionResult BoardAndTilePosAgree(const TBoardState& state);

}  // namespace ribaku::testing
