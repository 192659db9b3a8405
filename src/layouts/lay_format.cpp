#include "layouts/lay_format.h"

#include "core/short_path.h"
#include "layouts/crlf_lines.h"
#include "layouts/layout_file_error.h"

namespace ribaku {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

[[noreturn]] void Refuse(const std::filesystem::path& file, const std::string& why) {
    throw LayoutFileError("The layout file \"" + ShortPath(file) + "\" cannot be used: " + why);
}

}  // namespace

TLayoutRead ParseLay(std::string_view bytes, const std::filesystem::path& file) {
    const TCrLfLines read = ReadCrLfLines(bytes, 3);
    CheckTextLines(read, 2, file);
    if (read.bareLf) Refuse(file, "its lines end with LF alone instead of CR LF.");
    if (read.lines.size() < 3) {
        Refuse(file, "it holds " + std::to_string(read.lines.size()) +
                         " of the three lines of a layout (header, name, cells), "
                         "each ended by CR LF.");
    }
    TLayoutRead layout{std::string(read.lines[1]), std::nullopt};
    if (read.lines[0] != kLayHeader) return layout;

    const std::string_view cells = read.lines[2];
    if (cells.size() < kLayoutMapSize) {
        Refuse(file, "its cell line holds " + std::to_string(cells.size()) + " of the " +
                         std::to_string(kLayoutMapSize) + " cells of a layout.");
    }
    TLayoutMap map;
    // Any character is a cell; bytes wrap around, as the writer's do.
    for (int i = 0; i < kLayoutMapSize; ++i)
        map[i] = static_cast<uint8_t>(static_cast<unsigned char>(cells[i]) - '0');
    layout.map = map;
    return layout;
}

std::string SerializeLay(std::string_view name, const TLayoutMap& map) {
    if (name.find_first_of("\r\n") != std::string_view::npos)
        throw LayoutFileError("A layout name cannot hold a line break.");
    std::string bytes;
    bytes.reserve(kLayHeader.size() + name.size() + kLayoutMapSize + 3 * kLineEnd.size());
    bytes.append(kLayHeader).append(kLineEnd);
    bytes.append(name).append(kLineEnd);
    for (uint8_t cell : map)
        bytes.push_back(static_cast<char>(static_cast<uint8_t>('0' + cell)));
    bytes.append(kLineEnd);
    return bytes;
}

TLayoutRead ReadLayFile(const std::filesystem::path& file) {
    return ParseLay(ReadWholeFile(file), file);
}

void WriteLayFile(const std::filesystem::path& file, std::string_view name, const TLayoutMap& map) {
    WriteFileAtomically(file, SerializeLay(name, map));
}

}  // namespace ribaku
