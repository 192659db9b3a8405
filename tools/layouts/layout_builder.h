#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Builds one layout tile by tile and refuses, at once and with the place named, any tile
// the game could not show or that a player would find odd: outside the board picture,
// overlapping a tile of its own level, or hanging partly over nothing.
namespace layoutgen {

inline constexpr int kLevels = 5;
inline constexpr int kRows = 20;
inline constexpr int kColumns = 34;
inline constexpr int kCellCount = kLevels * kRows * kColumns;  // 3400
inline constexpr int kFullDeal = 144;

// The tile anchored at this column and row lies in the middle of the board picture, so
// layouts mirrored about it look centred.
inline constexpr int kMiddleColumn = 17;
inline constexpr int kMiddleRow = 10;

using Cells = std::array<uint8_t, kCellCount>;

inline constexpr int CellIndex(int column, int row, int level) {
    return (level - 1) * kColumns * kRows + (row - 1) * kColumns + (column - 1);
}

struct Pixel {
    int x, y;
};

// The top-left pixel of a tile's 40 x 50 face in the board picture of a full-size window;
// its 6-pixel edge lies to the left of the face and below it.
Pixel FaceTopLeft(int column, int row, int level);

// Whether the whole 46 x 56 tile box of a tile lies inside the 704 x 468 board picture.
bool Drawable(int column, int row, int level);

struct Layout {
    std::string fileName;  // without extension
    std::string displayName;
    Cells cells{};
};

class LayoutBuilder {
public:
    LayoutBuilder(std::string fileName, std::string displayName);

    // One tile whose upper-left cell is (column, row) on the given level.
    void Tile(int column, int row, int level);
    // A tile and its mirror image about the middle column (once when they coincide).
    void Mirrored(int column, int row, int level);
    // `count` tiles side by side, the first at `firstColumn`.
    void Row(int level, int row, int firstColumn, int count);
    // `count` tiles side by side, centred on the middle column.
    void CentredRow(int level, int row, int count);
    // A block of columns x rows tiles centred on the middle column and on `middleRow`
    // (for an even number of rows the block is centred on the middle of that tile).
    void CentredBlock(int level, int columns, int rows, int middleRow = kMiddleRow);
    // A picture of one level: each text line is a row of tiles, two rows of cells below
    // the one before; "[]" is a tile whose upper-left cell is at the "[" (column 1 for the
    // first character). Other characters are empty cells.
    void Picture(int level, int firstRow, std::initializer_list<std::string_view> lines);

    bool Has(int column, int row, int level) const;
    int Count() const { return count_; }
    Layout Finish() const;  // refuses any count but a full deal

private:
    bool CellCovered(int column, int row, int level) const;
    [[noreturn]] void Refuse(int column, int row, int level, std::string_view why) const;

    Layout layout_;
    int count_ = 0;
};

}  // namespace layoutgen
