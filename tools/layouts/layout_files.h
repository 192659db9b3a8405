#pragma once

#include <filesystem>

#include "layout_builder.h"

// The two layout file formats the game reads: its own three-line ".lay" and the external
// ".shp" list of 144 hexadecimal positions. Both end every line with CR LF.
namespace layoutgen {

void WriteLay(const Layout& layout, const std::filesystem::path& folder);
void WriteShp(const Layout& layout, const std::filesystem::path& folder);

}  // namespace layoutgen
