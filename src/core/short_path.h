#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace ribaku {

// A path as a message names it: at most `limit` bytes, a longer one shortened in the middle
// ("/home/player/…/tiles.bmp"), so that a path from a settings file or a deep folder never
// makes a message box taller than the screen. The file name is kept whole when it fits;
// UTF-8 characters are never cut.
std::string ShortPath(const std::filesystem::path& path, std::size_t limit = 80);

}  // namespace ribaku
