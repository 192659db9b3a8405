#pragma once

#include <string>

namespace ribaku {

// Seconds as two-digit minutes and seconds, "MM:SS": the game clock and the hall of fame.
std::string MinutesSeconds(int seconds);

}  // namespace ribaku
