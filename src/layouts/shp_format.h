#pragma once

#include <filesystem>
#include <string_view>

#include "core/board_state.h"

namespace ribaku {

inline constexpr int kShpLines = 144;

// One digit of a .shp coordinate: "0".."9" are 0..9; any other character c counts as
// (code of c) - 55, which is right for "A".."F" only (a lower-case "a" gives 42).
int ShpDigit(char c);

// Two digits, the first the high one.
int ShpPair(char high, char low);

// The first 144 lines of a .shp file, each with the column, row and level of a tile counted
// from 0 in characters 4-5, 6-7 and 8-9. A line marks level Z + 1, row Y + 2, column X + 2:
// column 1 and row 1 stay empty. `file` only names the file in error messages.
// Throws LayoutFileError for fewer than 144 lines, LF-only line ends, a line shorter than
// 9 characters, or a tile outside X 0..32, Y 0..18, Z 0..4.
TLayoutMap ParseShp(std::string_view bytes, const std::filesystem::path& file);

// Throws FileError (LayoutFileError when the bytes are no layout).
TLayoutMap ReadShpFile(const std::filesystem::path& file);

}  // namespace ribaku
