#include "layouts/layout_test_files.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

namespace ribaku::testing {

TempFolder::TempFolder() {
    static std::atomic<int> made{0};
    path_ = std::filesystem::temp_directory_path() /
            ("ribaku-layouts-" + std::to_string(::getpid()) + "-" + std::to_string(made++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string LayBytes(const std::string& header, const std::string& name, const std::string& cells) {
    return header + "\r\n" + name + "\r\n" + cells + "\r\n";
}

std::string CellLine(const std::vector<int>& tilePositions) {
    std::string cells(kLayoutMapSize, '0');
    for (int position : tilePositions)
        cells[position] = '1';
    return cells;
}

std::vector<std::string> ShpLines() {
    const char* hex = "0123456789ABCDEF";
    std::vector<std::string> lines;
    for (int i = 0; i < 144; ++i) {
        const int x = (i % 16) * 2;
        const int y = (i / 16) * 2;
        lines.push_back(std::string("T") + std::to_string(i % 10) + "_" + hex[x / 16] +
                        hex[x % 16] + hex[y / 16] + hex[y % 16] + "00 tile");
    }
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

}  // namespace ribaku::testing
