// Writes the help texts the game shows from their readable sources:
// ribaku_helptexts <source folder> <data folder>.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "rtf_markup.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source folder> <data folder>\n", argv[0]);
        return 2;
    }
    const fs::path sources = argv[1];
    const fs::path data = argv[2];
    for (const char* name : {"ribaku", "whatsnew"}) {
        const fs::path source = sources / (std::string(name) + ".txt");
        try {
            WriteText(data / (std::string(name) + ".rtf"),
                      helptexts::MarkupToRtf(ReadText(source)));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", source.string().c_str(), error.what());
            return 1;
        }
    }
    return 0;
}
