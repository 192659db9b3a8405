#include <gtest/gtest.h>

#include "variants/rivers_path.h"

namespace ribaku {
namespace {

using Path = std::vector<TRiverCell>;

// A Rivers board drawn by hand: tiles on even columns and odd rows of level 1.
class RiversPath : public ::testing::Test {
protected:
    int Put(int column, int row, int level = 1) {
        const int tile = ++tiles_;
        s.Board(column, row, level) = static_cast<uint8_t>(tile);
        s.TilePos[tile] = TCellPos{column, row, level};
        return tile;
    }
    // A block of tiles filling columns `left`..`right` and rows `top`..`bottom`.
    void Block(int left, int top, int right, int bottom) {
        for (int c = left; c <= right; c += 2)
            for (int r = top; r <= bottom; r += 2)
                if (s.Board(c, r, 1) == 0) Put(c, r);
    }
    int TileAt(int column, int row) const { return s.Board(column, row, 1); }

    TBoardState s;

private:
    int tiles_ = 0;
};

TEST_F(RiversPath, NeighboursJoinInOneStepButNeverAcrossLevels) {
    const int a = Put(10, 9);
    EXPECT_EQ(FindRiverPath(s, a, Put(8, 9, 2)), std::nullopt);  // beside it, one level up
    EXPECT_EQ(FindRiverPath(s, a, Put(12, 9)), (Path{{12, 9}}));
    Put(8, 9);  // with both sides closed, the leg down is the first to find a tile below
    EXPECT_EQ(FindRiverPath(s, a, Put(10, 11)), (Path{{10, 11}}));
}

// Two tiles of the block's top row join through the empty row above it, two of its left
// column through the empty column to its left.
TEST_F(RiversPath, PathsRunThroughTheMarginsAroundTheBlock) {
    Block(4, 3, 12, 7);
    EXPECT_EQ(FindRiverPath(s, TileAt(4, 3), TileAt(12, 3)),
              (Path{{12, 3}, {12, 1}, {10, 1}, {8, 1}, {6, 1}, {4, 1}}));
    EXPECT_EQ(FindRiverPath(s, TileAt(4, 3), TileAt(4, 7)), (Path{{4, 7}, {2, 7}, {2, 5}, {2, 3}}));
    // The bottom row and the right column of the largest block, through rows 19 and column 32.
    Block(4, 3, 30, 17);
    const std::optional<Path> bottom = FindRiverPath(s, TileAt(4, 17), TileAt(30, 17));
    ASSERT_TRUE(bottom);
    EXPECT_EQ(bottom->at(1), (TRiverCell{30, 19}));
    const std::optional<Path> side = FindRiverPath(s, TileAt(30, 3), TileAt(30, 17));
    ASSERT_TRUE(side);
    EXPECT_EQ(side->at(1), (TRiverCell{32, 17}));
}

TEST_F(RiversPath, TheBoundsKeepLegsOffTheOuterCells) {
    const int a = Put(32, 9);
    EXPECT_EQ(FindRiverPath(s, a, Put(34, 9)), std::nullopt);
}

// A sits in a pocket open to the right, B in one open to the left, B's opening facing away
// from A: only a path of four legs joins them.
TEST_F(RiversPath, ThreeTurnsAreRefusedEvenOnAnOtherwiseEmptyBoard) {
    const int a = Put(10, 5);
    for (auto [c, r] : {std::pair{8, 5}, {10, 3}, {10, 7}})
        Put(c, r);
    const int b = Put(6, 9);
    for (auto [c, r] : {std::pair{8, 9}, {6, 7}, {6, 11}})
        Put(c, r);
    EXPECT_EQ(FindRiverPath(s, a, b), std::nullopt);
    EXPECT_EQ(FindRiverPath(s, b, a), std::nullopt);
}

// A tile between A and B ends the straight leg; of the ways around it, the search meets the
// ones below first, nearest first.
TEST_F(RiversPath, AnOccupiedCellEndsALegAndTheFirstPathInSearchOrderIsGiven) {
    const int a = Put(10, 9);
    Put(12, 9);
    const int b = Put(14, 9);
    EXPECT_EQ(FindRiverPath(s, a, b), (Path{{14, 9}, {14, 11}, {12, 11}, {10, 11}}));
    Put(12, 11);  // the row below is closed now: the search goes on down before it goes up
    EXPECT_EQ(FindRiverPath(s, a, b),
              (Path{{14, 9}, {14, 11}, {14, 13}, {12, 13}, {10, 13}, {10, 11}}));
}

}  // namespace
}  // namespace ribaku
