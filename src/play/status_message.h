#pragma once

#include <cstdint>
#include <string>

namespace ribaku {

// The one-line message of the status bar: it slides in one character per tick from its
// end ("Cool Status"), or swings to and fro while no move is left.
struct TStatusLine {
    std::string StatusMessage;
    int32_t StatusLength = 0;
    int32_t StatusPos = 0;
    int32_t StatusStep = 1;
    bool NoMovesShown = false;
    int32_t TickCount = 0;
};

}  // namespace ribaku
