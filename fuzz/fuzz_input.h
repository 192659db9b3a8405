#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace ribaku::fuzz {

// Readers that open files by name get the input through a file of their own kind, in a folder
// of this process (several fuzzers may run side by side), under TMPDIR.
std::filesystem::path WriteInputFile(const uint8_t* data, size_t size, const std::string& name);

}  // namespace ribaku::fuzz
