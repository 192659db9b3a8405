#include "play/highlight.h"

namespace ribaku {
namespace {

constexpr int kPenWidth = 3;

}  // namespace

THighlightPen PenOfMode(THighlightMode mode, THighlightPen last) {
    switch (mode) {
        case THighlightMode::RedRectangle:
            return {255, 0, 0, kPenWidth};
        case THighlightMode::GreenRectangle:
            return {0, 128, 0, kPenWidth};
        case THighlightMode::BlueRectangle:
            return {0, 0, 255, kPenWidth};
        default:
            last.width = kPenWidth;
            return last;
    }
}

}  // namespace ribaku
