// The Clicks rules: the board, the click, the removal of a group and the settling after it.
#include "variants/clicks_grid.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace ribaku {
namespace {

// Blocks are 32 pixels square; column 1 begins 14 pixels right of the board's origin, row 1
// at its top.
constexpr int kBlockPixels = 32;
constexpr int kColumnOneLeft = 14;

// The neighbours of a block in the order the fill visits them: right, lower, left, upper.
constexpr std::array<TClicksCell, 4> kFillOrder{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};

TClicksCell Neighbour(TClicksCell cell, TClicksCell step) {
    return {cell.column + step.column, cell.row + step.row};
}

bool InGrid(TClicksCell cell) {
    return cell.column >= 0 && cell.column < kClicksGridColumns && cell.row >= 0 &&
           cell.row < kClicksGridRows;
}

// Every block over an empty cell drops into it. Rows go top to bottom, so the lowest block
// over a gap falls all the way down; each block above it starts falling one pass later.
bool DropBlocks(TClicksGrid& grid) {
    bool dropped = false;
    for (int row = kClicksTopRow; row < kClicksBottomRow; ++row) {
        for (int column = kClicksFirstColumn; column <= kClicksLastColumn; ++column) {
            uint8_t& block = grid[column][row];
            uint8_t& below = grid[column][row + 1];
            if (block == 0 || below != 0) continue;
            std::swap(block, below);
            dropped = true;
        }
    }
    return dropped;
}

// Once the blocks have dropped, a column holds blocks exactly when its bottom cell does.
bool ColumnFilled(const TClicksGrid& grid, int column) {
    return grid[column][kClicksBottomRow] != 0;
}

// The last column holding blocks; one left of the play area when none does.
int RightmostFilledColumn(const TClicksGrid& grid) {
    int column = kClicksLastColumn;
    while (column >= kClicksFirstColumn && !ColumnFilled(grid, column))
        --column;
    return column;
}

// The columns right of `column` move one step left over it; the last one comes in empty.
// Whole columns move: the border rows are empty in every one.
void ShiftColumnsLeftOnto(TClicksGrid& grid, int column) {
    std::copy(grid.begin() + column + 1, grid.begin() + kClicksLastColumn + 1,
              grid.begin() + column);
    grid[kClicksLastColumn] = {};
}

// Each empty column with blocks right of it closes by one step, left to right. The column
// that moved onto an empty one is not looked at again until the next pass, so a run of
// empty columns takes several passes to close.
bool CloseEmptyColumns(TClicksGrid& grid) {
    bool closed = false;
    int rightmost = RightmostFilledColumn(grid);
    for (int column = kClicksFirstColumn; column < rightmost; ++column) {
        if (ColumnFilled(grid, column)) continue;
        ShiftColumnsLeftOnto(grid, column);
        --rightmost;
        closed = true;
    }
    return closed;
}

}  // namespace

void FillClicksGrid(TClicksGrid& grid, TRandom& random) {
    grid = {};
    for (int column = kClicksFirstColumn; column <= kClicksLastColumn; ++column)
        for (int row = kClicksTopRow; row <= kClicksBottomRow; ++row)
            grid[column][row] = static_cast<uint8_t>(random.RandomBelow(kClicksColours) + 1);
}

TClicksCell ClicksCellAt(int x, int y) {
    // In 64 bits, so that no click, however far off, overflows.
    const int64_t column = (int64_t{x} - kColumnOneLeft) / kBlockPixels + 1;
    return {static_cast<int>(column), y / kBlockPixels + 1};
}

uint8_t ClicksBlock(const TClicksGrid& grid, TClicksCell cell) {
    return InGrid(cell) ? grid[cell.column][cell.row] : 0;
}

bool ClicksGroupAt(const TClicksGrid& grid, TClicksCell cell) {
    const uint8_t colour = ClicksBlock(grid, cell);
    return colour != 0 && std::ranges::any_of(kFillOrder, [&](TClicksCell step) {
               return ClicksBlock(grid, Neighbour(cell, step)) == colour;
           });
}

// Depth first through an explicit stack, since a group may fill the whole board. A cell is
// tested when it is taken off the stack and its neighbours go on in reverse, so that the
// blocks are cleared in the same order as a recursive fill would clear them.
int RemoveClicksGroup(TClicksGrid& grid, TClicksCell cell) {
    if (!ClicksGroupAt(grid, cell)) return 0;
    const uint8_t colour = ClicksBlock(grid, cell);
    std::vector<TClicksCell> pending{cell};
    int removed = 0;
    while (!pending.empty()) {
        const TClicksCell next = pending.back();
        pending.pop_back();
        if (ClicksBlock(grid, next) != colour) continue;
        grid[next.column][next.row] = 0;
        ++removed;
        for (auto step = kFillOrder.rbegin(); step != kFillOrder.rend(); ++step)
            pending.push_back(Neighbour(next, *step));
    }
    return removed;
}

bool SettleClicksPass(TClicksGrid& grid) {
    const bool dropped = DropBlocks(grid);
    const bool closed = CloseEmptyColumns(grid);
    return dropped || closed;
}

bool ClicksMoveLeft(const TClicksGrid& grid) {
    for (int column = kClicksFirstColumn; column <= kClicksLastColumn; ++column)
        for (int row = kClicksTopRow; row <= kClicksBottomRow; ++row)
            if (ClicksGroupAt(grid, {column, row})) return true;
    return false;
}

}  // namespace ribaku
