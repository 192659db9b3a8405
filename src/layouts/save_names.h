#pragma once

#include <filesystem>
#include <string>

namespace ribaku {

// The file a layout is saved to: ".lay" is appended unless the file name already holds
// ".lay" somewhere (so "my.layout" stays as it is). Only the file name counts, not the
// folders above it.
std::filesystem::path WithLayExtension(const std::filesystem::path& file);

// The Layout menu caption of a saved file: its name without the last 4 characters.
std::string SavedBaseName(const std::filesystem::path& file);

}  // namespace ribaku
