#pragma once

#include <filesystem>

namespace ribaku::render {

// "name@2x.ext" beside "name.ext": where a picture drawn at twice the size is found.
inline std::filesystem::path DoubledPicturePath(const std::filesystem::path& path) {
    std::filesystem::path doubled = path;
    doubled.replace_filename(path.stem().string() + "@2x" + path.extension().string());
    return doubled;
}

}  // namespace ribaku::render
