#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/board_state.h"

namespace ribaku::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to `name` inside the folder (folders on the way are made).
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// A .lay file's bytes with the given header, name and cell line, each line ended by CR LF.
std::string LayBytes(const std::string& header, const std::string& name, const std::string& cells);

// A cell line of 3400 "0" with "1" at the given positions.
std::string CellLine(const std::vector<int>& tilePositions);

// 144 valid .shp lines ended by CR LF: tiles two cells apart on level 1, odd rows free.
std::vector<std::string> ShpLines();
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace ribaku::testing
