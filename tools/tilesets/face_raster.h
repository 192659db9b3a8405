#pragma once
// Turns a face drawn with QPainter into the mask and picture pair of a tileset cell.

#include <QImage>
#include <functional>

class QPainter;

namespace tileset {

struct FaceArt {
    QImage picture;  // 40 × 50 times the scale: the symbol, black wherever the mask is white
    QImage mask;     // the same size: black on the symbol, white elsewhere
};

// Paints in the 40 × 50 coordinate space of a face, on a transparent ground.
using SymbolPainter = std::function<void(QPainter&)>;

// Draws the symbol supersampled, then keeps a pixel when enough of it is covered. A kept
// edge pixel is blended with the face ground beneath it here, because the 1-bit mask
// cannot blend at run time; so edges look smooth on the ivory face. The face comes out
// `scale` times the size of `ground`'s face, which is drawn at that scale.
FaceArt rasterizeSymbol(const SymbolPainter& paint, const QImage& ground, int scale);

}  // namespace tileset
