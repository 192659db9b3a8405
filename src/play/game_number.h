#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ribaku {

// The game number box of the options page takes only 1 to 2147483647.
inline constexpr int32_t kLargestGameNumber = 2147483647;

// Decimal digits only, no sign, no blanks, within 1..2147483647.
std::optional<int32_t> ParseGameNumber(const std::string& text);

// What the box shows after a change: the number was taken, the box is being emptied, or the
// text is no game number (GameSeed keeps its value in both latter cases).
enum class GameNumberText { Accepted, Empty, Refused };

}  // namespace ribaku
