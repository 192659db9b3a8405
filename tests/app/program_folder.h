#pragma once

#include <filesystem>
#include <string>

namespace ribaku::testing {

// A program folder of its own for one test: the shipped layouts, music, tilesets and
// backgrounds copied beside an optional "Ribaku.ini".
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path settingsFile() const { return path_ / "Ribaku.ini"; }
    void WriteSettings(const std::string& text) const;
    std::string ReadSettings() const;

private:
    std::filesystem::path path_;
};

// The value of `key` in a settings file's text, empty when it has none.
std::string SettingOf(const std::string& text, const std::string& key);

}  // namespace ribaku::testing
