#include "layout_builder.h"

#include <stdexcept>

namespace layoutgen {
namespace {

constexpr int kPictureWidth = 704;
constexpr int kPictureHeight = 468;
constexpr int kOriginX = 36;  // where the board starts in a full-size window
constexpr int kOriginY = 25;

bool InGrid(int column, int row, int level) {
    return column >= 1 && column <= kColumns && row >= 1 && row <= kRows && level >= 1 &&
           level <= kLevels;
}

}  // namespace

Pixel FaceTopLeft(int column, int row, int level) {
    return {20 * column + 6 * level + kOriginX - 46, 25 * row - 6 * level + kOriginY - 59};
}

bool Drawable(int column, int row, int level) {
    const Pixel face = FaceTopLeft(column, row, level);
    return face.x - 6 >= 0 && face.x + 40 <= kPictureWidth && face.y >= 0 &&
           face.y + 56 <= kPictureHeight;
}

LayoutBuilder::LayoutBuilder(std::string fileName, std::string displayName) {
    layout_.fileName = std::move(fileName);
    layout_.displayName = std::move(displayName);
}

void LayoutBuilder::Tile(int column, int row, int level) {
    if (!InGrid(column, row, level) || !Drawable(column, row, level))
        Refuse(column, row, level, "lies outside the board picture");
    for (int c = column - 1; c <= column + 1; ++c)
        for (int r = row - 1; r <= row + 1; ++r)
            if (Has(c, r, level)) Refuse(column, row, level, "overlaps a tile of its level");
    if (level > 1) {
        for (int c = column; c <= column + 1; ++c)
            for (int r = row; r <= row + 1; ++r)
                if (!CellCovered(c, r, level - 1))
                    Refuse(column, row, level, "hangs over an empty cell");
    }
    layout_.cells[CellIndex(column, row, level)] = 1;
    ++count_;
}

void LayoutBuilder::Mirrored(int column, int row, int level) {
    Tile(column, row, level);
    const int mirror = 2 * kMiddleColumn - column;
    if (mirror != column) Tile(mirror, row, level);
}

void LayoutBuilder::Row(int level, int row, int firstColumn, int count) {
    for (int i = 0; i < count; ++i)
        Tile(firstColumn + 2 * i, row, level);
}

void LayoutBuilder::CentredRow(int level, int row, int count) {
    Row(level, row, kMiddleColumn - (count - 1), count);
}

void LayoutBuilder::CentredBlock(int level, int columns, int rows, int middleRow) {
    const int firstRow = middleRow - (rows - 1);
    for (int i = 0; i < rows; ++i)
        CentredRow(level, firstRow + 2 * i, columns);
}

void LayoutBuilder::Picture(int level, int firstRow,
                            std::initializer_list<std::string_view> lines) {
    int row = firstRow;
    for (std::string_view line : lines) {
        for (size_t i = 0; i < line.size(); ++i)
            if (line[i] == '[') Tile(static_cast<int>(i) + 1, row, level);
        row += 2;
    }
}

bool LayoutBuilder::Has(int column, int row, int level) const {
    return InGrid(column, row, level) && layout_.cells[CellIndex(column, row, level)] != 0;
}

bool LayoutBuilder::CellCovered(int column, int row, int level) const {
    return Has(column, row, level) || Has(column - 1, row, level) || Has(column, row - 1, level) ||
           Has(column - 1, row - 1, level);
}

Layout LayoutBuilder::Finish() const {
    if (count_ != kFullDeal)
        throw std::runtime_error(layout_.fileName + ": " + std::to_string(count_) +
                                 " tiles instead of " + std::to_string(kFullDeal));
    return layout_;
}

void LayoutBuilder::Refuse(int column, int row, int level, std::string_view why) const {
    throw std::runtime_error(layout_.fileName + ": the tile at column " + std::to_string(column) +
                             ", row " + std::to_string(row) + ", level " + std::to_string(level) +
                             " " + std::string(why));
}

}  // namespace layoutgen
