#pragma once
// Reduces a tileset picture to an 8-bit palette for the "Few Colors" tileset.

#include <QImage>

namespace tileset {

// Median cut over the picture's colours. Pure black and pure white get palette entries of
// their own, so masks and the black around pictures survive exactly.
QImage toFewColours(const QImage& picture);

}  // namespace tileset
