#include "layouts/crlf_lines.h"

namespace ribaku {

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

}  // namespace ribaku
