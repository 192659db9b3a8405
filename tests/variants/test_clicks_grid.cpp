#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <ranges>
#include <string>
#include <utility>
#include <vector>

#include "variants/clicks_grid.h"

namespace ribaku {
namespace {

using Picture = std::vector<std::string>;

// Rows of colours and dots (empty), drawn from the left of the play area, the last one on
// the bottom row.
TClicksGrid Grid(const Picture& rows) {
    TClicksGrid grid{};
    const int top = kClicksBottomRow + 1 - static_cast<int>(rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] != '.') grid[kClicksFirstColumn + c][top + r] = rows[r][c] - '0';
    return grid;
}

// The play area as Grid draws it: from the highest row holding a block, trailing dots off.
Picture Drawn(const TClicksGrid& grid) {
    Picture rows;
    for (int row = kClicksTopRow; row <= kClicksBottomRow; ++row) {
        std::string line;
        for (int column = kClicksFirstColumn; column <= kClicksLastColumn; ++column)
            line += grid[column][row] == 0 ? '.' : static_cast<char>('0' + grid[column][row]);
        line.erase(line.find_last_not_of('.') + 1);
        if (!rows.empty() || !line.empty()) rows.push_back(line);
    }
    return rows;
}

const TClicksGrid kFullBoard = Grid(Picture(11, std::string(18, '1')));

TEST(ClicksClick, ALoneBlockStaysAndAGroupGoes) {
    TClicksGrid grid = Grid({"3", "12", "11"});
    const TClicksCell lone = ClicksCellAt(46, 288);  // column 2, row 10: the 3
    EXPECT_FALSE(ClicksGroupAt(grid, lone));
    EXPECT_EQ(RemoveClicksGroup(grid, lone), 0);
    EXPECT_TRUE(ClicksMoveLeft(grid));
    EXPECT_EQ(RemoveClicksGroup(grid, ClicksCellAt(77, 383)), 3);  // column 2, row 12
    EXPECT_EQ(Drawn(grid), (Picture{"3", ".2", ""}));
    EXPECT_FALSE(ClicksMoveLeft(grid));
}

TEST(ClicksClick, ClicksOffThePlayAreaFindNothingAndOneOnItTakesAWholeBoardGroup) {
    TClicksGrid grid = kFullBoard;
    for (auto [x, y] : {std::pair{46, 32}, {621, 383}})  // the corners of the play area
        EXPECT_TRUE(ClicksGroupAt(grid, ClicksCellAt(x, y)));
    const std::pair<int, int> offThePlayArea[] = {
        {45, 200},      {622, 200},         {300, 31},          {300, 384},
        {-5000, -5000}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    for (auto [x, y] : offThePlayArea) {
        EXPECT_EQ(ClicksBlock(grid, ClicksCellAt(x, y)), 0) << x << ", " << y;
        EXPECT_EQ(RemoveClicksGroup(grid, ClicksCellAt(x, y)), 0) << x << ", " << y;
    }
    EXPECT_EQ(RemoveClicksGroup(grid, ClicksCellAt(300, 200)), 198);  // without recursing
    EXPECT_TRUE(Drawn(grid).empty());
    EXPECT_FALSE(SettleClicksPass(grid));
}

TEST(ClicksSettle, TheLowestFloatingBlockLandsFirstAndTheOneAboveItInTheNextPass) {
    TClicksGrid grid = Grid({"2.", "3.", "14", "11"});
    RemoveClicksGroup(grid, {2, 12});
    EXPECT_TRUE(SettleClicksPass(grid));
    EXPECT_EQ(Drawn(grid), (Picture{"2", "", "", "34"}));
    EXPECT_TRUE(SettleClicksPass(grid));
    EXPECT_EQ(Drawn(grid), (Picture{"2", "34"}));
    EXPECT_FALSE(SettleClicksPass(grid));
}

// Full rows, so that the last column is seen to come in empty.
TEST(ClicksSettle, EmptyColumnsCloseToTheLeftOneStepAPass) {
    const Picture full{"113452345234523452", "115432543254325432"};
    TClicksGrid grid = Grid(full);
    RemoveClicksGroup(grid, {3, 11});
    EXPECT_TRUE(SettleClicksPass(grid));
    EXPECT_EQ(Drawn(grid), (Picture{"." + full[0].substr(2), "." + full[1].substr(2)}));
    EXPECT_TRUE(SettleClicksPass(grid));
    EXPECT_EQ(Drawn(grid), (Picture{full[0].substr(2), full[1].substr(2)}));
    EXPECT_FALSE(SettleClicksPass(grid));
}

TEST(ClicksFill, BlocksOfTheFiveColoursFillThePlayAreaTheSameForTheSameSeed) {
    TRandom random{42}, again{42};
    TClicksGrid grid{}, same{};
    grid[0][0] = grid[20][14] = 9;  // the border is cleared too
    FillClicksGrid(grid, random);
    FillClicksGrid(same, again);
    EXPECT_EQ(grid, same);
    TRandom draws{42};  // column by column from the top: a seed's board never changes
    for (int row = kClicksTopRow; row <= kClicksBottomRow; ++row)
        EXPECT_EQ(grid[kClicksFirstColumn][row], draws.RandomBelow(kClicksColours) + 1);
    for (int column = 0; column < kClicksGridColumns; ++column)
        for (int row = 0; row < kClicksGridRows; ++row)
            EXPECT_EQ(grid[column][row] != 0, kFullBoard[column][row] != 0)
                << column << ", " << row;
    EXPECT_LE(std::ranges::max(grid | std::views::join), kClicksColours);
    FillClicksGrid(same, again);  // the next draws: another board
    EXPECT_NE(same, grid);
}

}  // namespace
}  // namespace ribaku
