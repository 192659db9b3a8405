#include <gtest/gtest.h>

#include "core/freedom.h"

namespace ribaku {
namespace {

class Freedom : public ::testing::Test {
protected:
    void Put(int tile, int c, int r, int l) {
        s.Board(c, r, l) = static_cast<uint8_t>(tile);
        s.TilePos[tile] = TCellPos{c, r, l};
    }
    TBoardState s;
};

TEST_F(Freedom, ClassicRuleNeedsOneOpenSideEvenAgainstHalfOffsetNeighbours) {
    Put(1, 10, 5, 1);
    EXPECT_TRUE(IsFree(s, 1));
    Put(2, 8, 4, 1);  // left, half a tile higher
    EXPECT_TRUE(IsFree(s, 1));
    Put(3, 12, 6, 1);  // right, half a tile lower
    EXPECT_FALSE(IsFree(s, 1));
    EXPECT_TRUE(IsFree(s, 2));
    // A neighbour a whole tile higher does not touch.
    s.Board(12, 6, 1) = 0;
    Put(3, 12, 3, 1);
    EXPECT_TRUE(IsFree(s, 1));
}

TEST_F(Freedom, AnyTileOverlappingFromAboveBlocks) {
    Put(1, 10, 5, 1);
    for (int dc = -1; dc <= 1; ++dc) {
        for (int dr = -1; dr <= 1; ++dr) {
            Put(2, 10 + dc, 5 + dr, 2);
            EXPECT_FALSE(IsFree(s, 1)) << dc << "," << dr;
            EXPECT_FALSE(IsFreeVertical(s, 1)) << dc << "," << dr;
            s.Board(10 + dc, 5 + dr, 2) = 0;
        }
    }
    Put(2, 12, 5, 2);  // a whole tile to the side, one level up: not on top
    EXPECT_TRUE(IsFree(s, 1));
}

TEST_F(Freedom, TopLevelLooksNoHigher) {
    Put(1, 10, 5, 5);
    Put(2, 8, 5, 5);
    EXPECT_TRUE(IsFree(s, 1));
    Put(3, 12, 5, 5);
    EXPECT_FALSE(IsFree(s, 1));
}

TEST_F(Freedom, VerticalRuleLooksAboveAndBelowInstead) {
    Put(1, 10, 5, 1);
    Put(2, 8, 5, 1);
    Put(3, 12, 5, 1);
    EXPECT_FALSE(IsFree(s, 1));
    EXPECT_TRUE(IsFreeVertical(s, 1));
    Put(4, 9, 3, 1);  // above, one column off
    EXPECT_TRUE(IsFreeVertical(s, 1));
    Put(5, 11, 7, 1);  // below, one column off
    EXPECT_FALSE(IsFreeVertical(s, 1));
}

TEST_F(Freedom, RemovedTilesAreNeverFree) {
    EXPECT_FALSE(IsFree(s, 7));
    EXPECT_FALSE(IsFreeVertical(s, 7));
}

TEST_F(Freedom, EdgeTilesSeeEmptyCellsBeyondTheBoard) {
    Put(1, 1, 1, 1);
    Put(2, 3, 1, 1);
    EXPECT_TRUE(IsFree(s, 1));
    EXPECT_TRUE(IsFreeVertical(s, 1));
}

TEST(BuildTest, UsesTheClassicRuleAndRefusesColumnRowOrLevelZero) {
    TBoard b;
    b(10, 5, 1) = kUndealt;
    b(8, 5, 1) = kUndealt;
    EXPECT_TRUE(BuildTestFree(b, 10, 5, 1));
    b(12, 6, 1) = kUndealt;
    EXPECT_FALSE(BuildTestFree(b, 10, 5, 1));  // still-marked positions on both sides
    EXPECT_TRUE(BuildTestFree(b, 1, 9, 1));    // column 1: its left side is open
    EXPECT_FALSE(BuildTestFree(b, 0, 5, 1));
    EXPECT_FALSE(BuildTestFree(b, 5, 0, 1));
    EXPECT_FALSE(BuildTestFree(b, 5, 5, 0));
    b(12, 6, 1) = 0;
    b(11, 4, 2) = kUndealt;  // partly on top
    EXPECT_FALSE(BuildTestFree(b, 10, 5, 1));
}

}  // namespace
}  // namespace ribaku
