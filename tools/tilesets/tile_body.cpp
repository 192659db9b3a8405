#include "tile_body.h"

#include <array>

#include "colour_math.h"
#include "ink.h"
#include "tile_layout.h"

namespace tileset {
namespace {

// Ivory lit from the upper left: a faint diagonal gradient, a bright bevel along the top and
// left, a darker one along the bottom and right, and a fine rim so that neighbouring faces
// stay apart on the board. (x, y) in the face's own pixels; `fine` adds the fraction of
// them that a pixel of a larger picture lies into, for a smoother gradient.
QColor facePixel(int x, int y, double fine) {
    const int right = kFaceWidth - 1;
    const int bottom = kFaceHeight - 1;
    if (x == 0 || y == 0 || x == right || y == bottom) return {150, 136, 108};
    if (x == 1 || y == 1) return {255, 253, 246};
    if (x == right - 1 || y == bottom - 1) return {226, 216, 190};
    const double t = (x + y + fine) / (kFaceWidth + kFaceHeight);
    return mix(ink::kIvory, ink::kIvoryShade, t * t);
}

// The side of a tile is a layer of bone next to the face and the coloured back below it.
// Depth 0 touches the face; the outer rim is darkest. The bottom side faces away from the
// light and is darker than the left one.
QColor sidePixel(const QColor& border, int depth, bool bottomSide) {
    const std::array<QColor, kEdge> layers = {
        QColor(224, 213, 186),
        QColor(204, 191, 160),
        mix(border, QColor(255, 255, 255), 0.28),
        border,
        shade(border, 0.8),
        shade(border, 0.5),
    };
    return bottomSide ? shade(layers[depth], 0.8) : layers[depth];
}

// The face's pixel under pixel (x, y) of a face drawn `scale` times the size.
QColor scaledFacePixel(int x, int y, int scale) {
    const double fine = static_cast<double>(x % scale + y % scale) / scale;
    return facePixel(x / scale, y / scale, fine);
}

}  // namespace

QImage blankFace(int scale) {
    QImage face(kFaceWidth * scale, kFaceHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            face.setPixel(x, y, opaque(scaledFacePixel(x, y, scale)));
    return face;
}

QImage blankTile(const QColor& border, int scale) {
    QImage tile(kTileWidth * scale, kTileHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            QColor colour(0, 0, 0);
            switch (tilePart(x, y, scale)) {
                case TilePart::Face:
                    colour = scaledFacePixel(x - kEdge * scale, y, scale);
                    break;
                case TilePart::LeftSide:
                    colour = sidePixel(border, sideDepth(x, y, scale), false);
                    break;
                case TilePart::BottomSide:
                    colour = sidePixel(border, sideDepth(x, y, scale), true);
                    break;
                case TilePart::Outside:
                    break;
            }
            tile.setPixel(x, y, opaque(colour));
        }
    }
    return tile;
}

QImage silhouetteMask(int scale) {
    QImage mask(kTileWidth * scale, kTileHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y,
                          insideSilhouette(x, y, scale) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

}  // namespace tileset
