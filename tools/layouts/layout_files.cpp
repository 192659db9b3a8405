#include "layout_files.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace layoutgen {
namespace {

constexpr const char* kLayHeader = "Ribaku 3.0";
constexpr const char* kLineEnd = "\r\n";

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

std::string TwoHexDigits(int value) {
    const char* digits = "0123456789ABCDEF";
    return {digits[(value >> 4) & 15], digits[value & 15]};
}

// A ".shp" line: three characters the reader skips (we number the tiles there), then the
// column, row and level counted from 0 in two upper-case hexadecimal digits each. The
// format starts at column 2 and row 2 of the grid.
std::string ShpLine(int ordinal, int column, int row, int level) {
    if (column < 2 || row < 2)
        throw std::runtime_error("a .shp layout cannot use column 1 or row 1");
    std::string number = std::to_string(ordinal);
    number.insert(0, 3 - number.size(), '0');
    return number + TwoHexDigits(column - 2) + TwoHexDigits(row - 2) + TwoHexDigits(level - 1);
}

}  // namespace

void WriteLay(const Layout& layout, const std::filesystem::path& folder) {
    std::string text = std::string(kLayHeader) + kLineEnd + layout.displayName + kLineEnd;
    for (uint8_t cell : layout.cells)
        text += static_cast<char>('0' + cell);
    text += kLineEnd;
    WriteFile(folder / (layout.fileName + ".lay"), text);
}

void WriteShp(const Layout& layout, const std::filesystem::path& folder) {
    std::string text;
    int ordinal = 0;
    for (int level = 1; level <= kLevels; ++level)
        for (int row = 1; row <= kRows; ++row)
            for (int column = 1; column <= kColumns; ++column)
                if (layout.cells[CellIndex(column, row, level)] != 0)
                    text += ShpLine(++ordinal, column, row, level) + kLineEnd;
    WriteFile(folder / (layout.fileName + ".shp"), text);
}

}  // namespace layoutgen
