#include "layouts/save_names.h"

namespace ribaku {

std::filesystem::path WithLayExtension(const std::filesystem::path& file) {
    if (file.filename().string().find(".lay") != std::string::npos) return file;
    std::filesystem::path withExtension = file;
    withExtension += ".lay";
    return withExtension;
}

std::string SavedBaseName(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return name.substr(0, name.size() < 4 ? 0 : name.size() - 4);
}

}  // namespace ribaku
