#pragma once

#include <filesystem>

#include "layouts/catalog.h"
#include "layouts/lay_format.h"

namespace ribaku {

// A file is read as a shape layout when its extension is ".shp" in any letter case,
// otherwise as a .lay file
// (a layout saved from "x.shp" is "x.shp.lay", a .lay file).
LayoutFormat FormatOfFile(const std::filesystem::path& file);

// Reads `file` with the reader of `format`. A shape layout has no name line: it is named by
// its full path. Throws FileError (LayoutFileError when the bytes are no layout).
TLayoutRead ReadLayout(const std::filesystem::path& file, LayoutFormat format);

}  // namespace ribaku
