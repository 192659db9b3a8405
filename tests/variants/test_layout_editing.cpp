#include <gtest/gtest.h>

#include "core/layout_check.h"
#include "support/board_checks.h"
#include "variants/layout_editing.h"

namespace ribaku {
namespace {

// A point where WhatAdd finds (c, r, l) and no neighbour of it on that level: the boxes of
// neighbouring cells overlap, and the leftmost column and the lowest row win.
int PointX(int c, int l) {
    return 20 * c + 6 * l - 52 + 14;
}
int PointY(int r, int l) {
    return 25 * r - 6 * l - 59 + 14;
}

class LayoutEditing : public ::testing::Test {
protected:
    LayoutEditing() { s.TileTotal = kTileCount; }
    int PlaceAt(int c, int r, int l) {
        return PlaceEditorTile(s, WhatAdd(s, PointX(c, l), PointY(r, l)));
    }
    int RemoveAt(int c, int r, int l) { return RemoveEditorTile(s, PointX(c, l), PointY(r, l)); }
    bool InMap(int c, int r, int l) const { return s.LayoutMap[LayoutMapIndex(c, r, l)] == 1; }

    TBoardState s;
};

// The counter, overlaps on one level, resting on the level below, covered tiles and the
// smallest free tile number.
TEST_F(LayoutEditing, TilesGoOnlyWhereTheyRestAndNeverOverlapOnTheirLevel) {
    EXPECT_EQ(EditorTilesLeft(s), 144);
    EXPECT_EQ(RemoveAt(10, 5, 1), 0);                             // nothing to take off
    EXPECT_EQ(WhatAdd(s, PointX(10, 2), PointY(5, 2)).level, 1);  // level 2 rests on nothing
    EXPECT_EQ(PlaceAt(10, 5, 1), 1);
    EXPECT_EQ(PlaceEditorTile(s, TCellPos{12, 5, 1}), 2);
    EXPECT_EQ(EditorTilesLeft(s), 142);
    EXPECT_EQ(PlaceEditorTile(s, TCellPos{11, 6, 1}), 0);  // overlaps both on level 1
    EXPECT_EQ(WhatAdd(s, PointX(13, 2), PointY(6, 2)), (TCellPos{13, 6, 2}));  // a quarter on 2
    EXPECT_EQ(WhatAdd(s, PointX(14, 2), PointY(7, 2)).level, 1);               // beside it
    EXPECT_EQ(WhatAdd(s, PointX(11, 2), PointY(5, 2)), (TCellPos{11, 5, 2}));  // on both
    EXPECT_EQ(PlaceAt(11, 5, 2), 3);

    EXPECT_EQ(RemoveEditorTile(s, 165, 80), 0);  // tile 1, where tile 3 does not hide it
    EXPECT_EQ(RemoveAt(11, 5, 2), 3);
    EXPECT_EQ(RemoveAt(10, 5, 1), 1);
    EXPECT_FALSE(InMap(10, 5, 1));
    EXPECT_EQ(PlaceAt(20, 9, 1), 1);  // the smallest free number again
    EXPECT_TRUE(InMap(20, 9, 1));
    EXPECT_TRUE(testing::BoardAndTilePosAgree(s));

    s.LayoutMap.fill(0);
    for (int k = 0; k < 144; ++k)
        s.LayoutMap[k] = 1;
    EXPECT_EQ(EditorTilesLeft(s), 0);
    EXPECT_EQ(PlaceAt(4, 15, 1), 0);  // none left to place
}

// Board, TilePos and LayoutMap move together, and never through an occupied edge.
TEST_F(LayoutEditing, TheLayoutMovesOneCellUnlessATileLiesOnTheEdgeItWouldLeave) {
    PlaceEditorTile(s, TCellPos{2, 5, 1});
    PlaceEditorTile(s, TCellPos{3, 5, 2});
    PlaceEditorTile(s, TCellPos{33, 19, 1});
    EXPECT_TRUE(MoveLayout(s, LayoutMove::Left));
    EXPECT_EQ(s.TilePos[1], (TCellPos{1, 5, 1}));
    EXPECT_EQ(s.TilePos[2], (TCellPos{2, 5, 2}));
    EXPECT_TRUE(InMap(2, 5, 2));
    EXPECT_FALSE(InMap(3, 5, 2));
    const TBoardState before = s;
    EXPECT_FALSE(MoveLayout(s, LayoutMove::Left));  // tile 1 lies in column 1
    EXPECT_EQ(s.Board, before.Board);
    EXPECT_EQ(s.LayoutMap, before.LayoutMap);

    EXPECT_TRUE(MoveLayout(s, LayoutMove::Down));  // row 19 to 20
    EXPECT_FALSE(MoveLayout(s, LayoutMove::Down));
    EXPECT_TRUE(MoveLayout(s, LayoutMove::Right));
    EXPECT_TRUE(MoveLayout(s, LayoutMove::Up));
    EXPECT_EQ(s.TilePos[3], (TCellPos{33, 19, 1}));
    EXPECT_EQ(s.TilePos[1], (TCellPos{2, 5, 1}));
    EXPECT_EQ(CountLayoutPositions(s.LayoutMap), 3);
    EXPECT_TRUE(testing::BoardAndTilePosAgree(s));
}

}  // namespace
}  // namespace ribaku
