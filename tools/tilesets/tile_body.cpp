#include "tile_body.h"

#include <array>

#include "colour_math.h"
#include "ink.h"
#include "tile_layout.h"

namespace tileset {
namespace {

// Ivory lit from the upper left: a faint diagonal gradient, a bright bevel along the top and
// left, a darker one along the bottom and right, and a fine rim so that neighbouring faces
// stay apart on the board.
QColor facePixel(int x, int y) {
    const int right = kFaceWidth - 1;
    const int bottom = kFaceHeight - 1;
    if (x == 0 || y == 0 || x == right || y == bottom) return {150, 136, 108};
    if (x == 1 || y == 1) return {255, 253, 246};
    if (x == right - 1 || y == bottom - 1) return {226, 216, 190};
    const double t = static_cast<double>(x + y) / (kFaceWidth + kFaceHeight);
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

}  // namespace

QImage blankFace() {
    QImage face(kFaceWidth, kFaceHeight, QImage::Format_RGB32);
    for (int y = 0; y < kFaceHeight; ++y)
        for (int x = 0; x < kFaceWidth; ++x)
            face.setPixel(x, y, opaque(facePixel(x, y)));
    return face;
}

QImage blankTile(const QColor& border) {
    QImage tile(kTileWidth, kTileHeight, QImage::Format_RGB32);
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            QColor colour(0, 0, 0);
            switch (tilePart(x, y)) {
                case TilePart::Face:
                    colour = facePixel(x - kEdge, y);
                    break;
                case TilePart::LeftSide:
                    colour = sidePixel(border, sideDepth(x, y), false);
                    break;
                case TilePart::BottomSide:
                    colour = sidePixel(border, sideDepth(x, y), true);
                    break;
                case TilePart::Outside:
                    break;
            }
            tile.setPixel(x, y, opaque(colour));
        }
    }
    return tile;
}

QImage silhouetteMask() {
    QImage mask(kTileWidth, kTileHeight, QImage::Format_RGB32);
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x)
            mask.setPixel(x, y, insideSilhouette(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

}  // namespace tileset
