#include "core/short_path.h"

#include <string_view>

namespace ribaku {
namespace {

constexpr std::string_view kEllipsis = "\u2026";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The end of the path to keep: "/name.ext" when it fits beside a useful beginning, else
// the last characters of the name.
std::string_view Tail(std::string_view text, std::size_t budget) {
    const std::size_t slash = text.rfind('/');
    if (slash != std::string_view::npos && text.size() - slash <= budget - budget / 4)
        return text.substr(slash);
    std::size_t start = text.size() - budget / 2;
    while (start < text.size() && IsContinuationByte(text[start]))
        ++start;
    return text.substr(start);
}

// The beginning to keep; before a whole file name, cut after a folder's slash.
std::string_view Head(std::string_view text, std::size_t budget, bool beforeName) {
    std::string_view head = text.substr(0, budget);
    const std::size_t slash = head.rfind('/');
    if (beforeName && slash != std::string_view::npos && slash > 0)
        return head.substr(0, slash + 1);
    std::size_t end = head.size();
    while (end > 0 && IsContinuationByte(text[end]))
        --end;
    return head.substr(0, end);
}

}  // namespace

std::string ShortPath(const std::filesystem::path& path, std::size_t limit) {
    const std::string& text = path.native();
    if (text.size() <= limit) return text;
    const std::size_t budget = limit > kEllipsis.size() ? limit - kEllipsis.size() : 0;
    const std::string_view tail = Tail(text, budget);
    const bool wholeName = !tail.empty() && tail.front() == '/';
    const std::string_view head = Head(text, budget - tail.size(), wholeName);
    std::string shortened;
    shortened.reserve(head.size() + kEllipsis.size() + tail.size());
    shortened.append(head).append(kEllipsis).append(tail);
    return shortened;
}

}  // namespace ribaku
