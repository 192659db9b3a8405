#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/board_state.h"

namespace ribaku {

inline constexpr std::string_view kLayHeader = "Ribaku 3.0";

// What a layout file gives: the display name, and the cells when they could be taken.
struct TLayoutRead {
    std::string name;
    // Empty when a .lay header is not exactly "Ribaku 3.0": the previous layout then stays.
    std::optional<TLayoutMap> map;
};

// A .lay file: three lines ended by CR LF (header, name, 3400 cell characters, each the
// digit "0" plus the cell's value). `file` only names the file in error messages.
// Throws LayoutFileError for LF-only line ends, missing lines, or a cell line shorter than
// 3400 characters under the right header.
TLayoutRead ParseLay(std::string_view bytes, const std::filesystem::path& file);

// The exact bytes of a .lay file; reading them back gives the same name and map.
// Throws LayoutFileError when the name holds a line break, which no reader could take back.
std::string SerializeLay(std::string_view name, const TLayoutMap& map);

// Throws FileError (LayoutFileError when the bytes are no layout).
TLayoutRead ReadLayFile(const std::filesystem::path& file);

// Replaces the file whole or not at all. Throws FileError.
void WriteLayFile(const std::filesystem::path& file, std::string_view name, const TLayoutMap& map);

}  // namespace ribaku
