#pragma once

#include <filesystem>

#include "layout_builder.h"

// A picture of a layout as the board shows it, tiles as plain shaded boxes, to judge a
// shape by eye. Not shipped.
namespace layoutgen {

void WritePreview(const Layout& layout, const std::filesystem::path& file);

}  // namespace layoutgen
