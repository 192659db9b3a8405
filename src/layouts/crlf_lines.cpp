#include "layouts/crlf_lines.h"

#include <algorithm>

#include "core/short_path.h"
#include "layouts/layout_file_error.h"

namespace ribaku {
namespace {

// Tabs may stand in a name; an LF is a line end written without its CR.
bool IsBinaryByte(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code < 0x20 && c != '\t' && c != '\n') || code == 0x7f;
}

}  // namespace

TCrLfLines ReadCrLfLines(std::string_view bytes, size_t wanted) {
    TCrLfLines result;
    size_t pos = 0;
    while (result.lines.size() < wanted && pos < bytes.size()) {
        const size_t cr = bytes.find('\r', pos);
        const size_t end = cr == std::string_view::npos ? bytes.size() : cr;
        const std::string_view line = bytes.substr(pos, end - pos);
        if (line.find('\n') != std::string_view::npos) result.bareLf = true;
        result.lines.push_back(line);
        if (cr == std::string_view::npos) break;
        const size_t lf = bytes.find('\n', cr);
        pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
    }
    return result;
}

void CheckTextLines(const TCrLfLines& read, size_t count, const std::filesystem::path& file) {
    const size_t checked = std::min(count, read.lines.size());
    for (size_t i = 0; i < checked; ++i) {
        if (std::any_of(read.lines[i].begin(), read.lines[i].end(), IsBinaryByte)) {
            throw LayoutFileError("The file \"" + ShortPath(file) +
                                  "\" is not a layout file: it holds binary data, not the "
                                  "lines of text of a layout.");
        }
    }
}

}  // namespace ribaku
