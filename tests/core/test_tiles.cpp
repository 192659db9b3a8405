#include <gtest/gtest.h>

#include "core/board_state.h"
#include "core/tiles.h"

namespace ribaku {
namespace {

TEST(Tiles, KindsMatchWithinBlocksOfFourAndWithinFlowersAndSeasons) {
    EXPECT_TRUE(TilesMatch(1, 4));
    EXPECT_FALSE(TilesMatch(4, 5));
    EXPECT_TRUE(TilesMatch(109, 112));   // two different Flowers
    EXPECT_FALSE(TilesMatch(112, 113));  // a Flower and a Season
    EXPECT_TRUE(TilesMatch(113, 116));
    EXPECT_EQ(TileKind(144), 35);
}

TEST(Tiles, FacesFollowTheTable) {
    EXPECT_EQ(TileFace(0), 0);
    EXPECT_EQ(TileFace(1), 1);
    EXPECT_EQ(TileFace(4), 1);
    EXPECT_EQ(TileFace(36), 9);    // Crak 9
    EXPECT_EQ(TileFace(37), 10);   // Bamboo 1
    EXPECT_EQ(TileFace(108), 27);  // Dot 9
    EXPECT_EQ(TileFace(109), 28);
    EXPECT_EQ(TileFace(112), 31);
    EXPECT_EQ(TileFace(113), 32);
    EXPECT_EQ(TileFace(116), 35);
    EXPECT_EQ(TileFace(117), 36);
    EXPECT_EQ(TileFace(120), 36);
    EXPECT_EQ(TileFace(128), 38);
    EXPECT_EQ(TileFace(129), 39);
    EXPECT_EQ(TileFace(144), 42);
    // Every face 1..42 is shown by at least one tile.
    std::array<int, kFaceCount + 1> shown{};
    for (int t = 1; t <= kTileCount; ++t)
        ++shown[TileFace(t)];
    for (int f = 1; f <= kFaceCount; ++f)
        EXPECT_GT(shown[f], 0) << "face " << f;
}

TEST(BoardState, CoordinatesOfCellsIncludeTheBoardOrigin) {
    TBoardState s;
    s.BoardOriginX = 36;
    s.BoardOriginY = 25;
    EXPECT_EQ(s.CoordX(1, 1), 6 + 36);
    EXPECT_EQ(s.CoordY(1, 1), -21 + 25);
    EXPECT_EQ(s.CoordX(3, 2) - s.CoordX(1, 1), 2 * 20 + 6);  // two columns, one level up
    EXPECT_EQ(s.CoordY(3, 2) - s.CoordY(1, 1), 2 * 25 - 6);
}

TEST(BoardState, OutsideCellsReadEmptyAndLayoutMapIsLevelRowColumn) {
    TBoard board;
    board(0, 5, 1) = 7;
    EXPECT_EQ(board.At(-1, 5, 1), 0);
    EXPECT_EQ(board.At(0, -1, 1), 0);
    EXPECT_EQ(board.At(0, 5, 1), 7);
    EXPECT_EQ(LayoutMapIndex(1, 1, 1), 0);
    EXPECT_EQ(LayoutMapIndex(34, 20, 5), kLayoutMapSize - 1);
    EXPECT_EQ(LayoutMapIndex(1, 2, 3), 2 * 680 + 34);
}

}  // namespace
}  // namespace ribaku
