#include "play/time_text.h"

#include <algorithm>
#include <cstdio>

namespace ribaku {

std::string MinutesSeconds(int seconds) {
    seconds = std::max(seconds, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

}  // namespace ribaku
