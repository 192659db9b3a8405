#include "layouts/shp_format.h"

#include "core/short_path.h"
#include "layouts/crlf_lines.h"
#include "layouts/layout_file_error.h"

namespace ribaku {
namespace {

constexpr int kShpMinLineLength = 9;
constexpr int kMaxX = kMapColumns - 2;  // X = 0 lands in column 2
constexpr int kMaxY = kMapRows - 2;
constexpr int kMaxZ = kMapLevels - 1;

[[noreturn]] void Refuse(const std::filesystem::path& file, const std::string& why) {
    throw LayoutFileError("The layout file \"" + ShortPath(file) + "\" cannot be used: " + why);
}

}  // namespace

int ShpDigit(char c) {
    const int code = static_cast<unsigned char>(c);
    return (c >= '0' && c <= '9') ? code - '0' : code - 55;
}

int ShpPair(char high, char low) {
    return ShpDigit(high) * 16 + ShpDigit(low);
}

TLayoutMap ParseShp(std::string_view bytes, const std::filesystem::path& file) {
    const TCrLfLines read = ReadCrLfLines(bytes, kShpLines);
    CheckTextLines(read, 2, file);
    if (read.bareLf) Refuse(file, "its lines end with LF alone instead of CR LF.");
    if (read.lines.size() < kShpLines) {
        Refuse(file, "it holds " + std::to_string(read.lines.size()) +
                         " lines; a shape "
                         "layout needs one line for each of the 144 tiles.");
    }
    TLayoutMap map{};
    for (int i = 0; i < kShpLines; ++i) {
        const std::string_view line = read.lines[i];
        const std::string lineName = "line " + std::to_string(i + 1);
        if (line.size() < kShpMinLineLength)
            Refuse(file, lineName + " is shorter than 9 characters.");
        const int x = ShpPair(line[3], line[4]);
        const int y = ShpPair(line[5], line[6]);
        const int z = ShpPair(line[7], line[8]);
        if (x < 0 || x > kMaxX || y < 0 || y > kMaxY || z < 0 || z > kMaxZ) {
            Refuse(file, lineName + " places a tile outside the grid (\"" +
                             std::string(line.substr(3, 6)) + "\").");
        }
        // Two lines on the same cell mark it once; the deal copes with fewer positions.
        map[LayoutMapIndex(x + 2, y + 2, z + 1)] = 1;
    }
    return map;
}

TLayoutMap ReadShpFile(const std::filesystem::path& file) {
    return ParseShp(ReadWholeFile(file), file);
}

}  // namespace ribaku
