#pragma once

#include <cstdint>

#include "core/options.h"

namespace ribaku {

// The colour and width of the outline drawn around the tile under the pointer.
struct THighlightPen {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    int width = 1;
    friend bool operator==(const THighlightPen&, const THighlightPen&) = default;
};

// The pen of `mode`: red, green or blue for the rectangle modes, width 3; the modes without
// a rectangle keep the colour of `last`.
THighlightPen PenOfMode(THighlightMode mode, THighlightPen last);

}  // namespace ribaku
