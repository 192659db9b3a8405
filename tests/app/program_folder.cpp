#include "program_folder.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace ribaku::testing {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
    static int made = 0;
    path_ = fs::temp_directory_path() /
            ("ribaku-program-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    fs::remove_all(path_);
    fs::create_directories(path_);
    const fs::path data = RIBAKU_DATA_DIR;
    for (const char* folder : {"Layouts", "Musics", "Tilesets", "Backgrounds"})
        if (fs::exists(data / folder)) fs::copy(data / folder, path_ / folder);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ProgramFolder::WriteSettings(const std::string& text) const {
    std::ofstream(settingsFile(), std::ios::binary) << text;
}

std::string ProgramFolder::ReadSettings() const {
    std::ifstream in(settingsFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string SettingOf(const std::string& text, const std::string& key) {
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return {};
    const size_t start = at + key.size() + 2;
    return text.substr(start, text.find('\n', start) - start);
}

}  // namespace ribaku::testing
