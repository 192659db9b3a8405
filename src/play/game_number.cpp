// The options page's game number box: what it takes.
#include "play/game_number.h"

namespace ribaku {

std::optional<int32_t> ParseGameNumber(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kLargestGameNumber) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace ribaku
