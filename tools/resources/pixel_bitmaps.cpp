#include "pixel_bitmaps.h"

#include "tile_silhouette.h"

#include <QColor>

#include <functional>

namespace {

const QRgb kTransparent = qRgb(0, 0, 0);
const QRgb kShadowGrey = qRgb(128, 128, 128);

enum class Phase { Even, Odd };

struct ShadowPiece {
    const char* file;
    int width;
    int height;
    std::function<bool(int x, int y)> inArea;
    Phase phase;
};

QImage blackImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kTransparent);
    return image;
}

// A 50 % checkerboard of grey inside the piece's area, so that the shadow darkens the tile
// below it by half without needing an alpha channel.
QImage drawShadowPiece(const ShadowPiece& piece) {
    QImage image = blackImage(piece.width, piece.height);
    const int wantedParity = piece.phase == Phase::Even ? 0 : 1;
    for (int y = 0; y < piece.height; ++y) {
        for (int x = 0; x < piece.width; ++x) {
            if (piece.inArea(x, y) && (x + y) % 2 == wantedParity) {
                image.setPixel(x, y, kShadowGrey);
            }
        }
    }
    return image;
}

}  // namespace

std::vector<NamedImage> shadowPieces() {
    const auto whole = [](int, int) { return true; };
    const std::vector<ShadowPiece> pieces = {
        {"3.bmp", 20, 10, whole, Phase::Even},
        {"9.bmp", 10, 20, [](int, int y) { return y < 10; }, Phase::Even},
        {"10.bmp", 10, 20, whole, Phase::Odd},
        {"11.bmp", 10, 20, [](int x, int y) { return y < 10 && x >= y; }, Phase::Even},
        {"12.bmp", 10, 20, [](int x, int y) { return y < 10 && x <= y; }, Phase::Even},
        {"13.bmp", 10, 20, [](int, int y) { return y < 15; }, Phase::Odd},
    };
    std::vector<NamedImage> images;
    for (const ShadowPiece& piece : pieces) {
        images.push_back({piece.file, drawShadowPiece(piece)});
    }
    return images;
}

QImage filledFace() {
    QImage image(40, 50, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    return image;
}

namespace {

constexpr int kMiniWidth = 13;
constexpr int kMiniHeight = 15;
constexpr int kMiniDepth = 3;

QRgb miniFacePixel(int x, int y) {
    const int left = kMiniDepth;
    const int right = kMiniWidth - 1;
    const int bottom = kMiniHeight - kMiniDepth - 1;
    if (x == left || y == bottom) return qRgb(178, 160, 118);  // the face's shaded rim
    if (x == right || y == 0) return qRgb(255, 253, 242);      // the lit rim
    return qRgb(244, 236, 208);                                // ivory
}

QRgb miniEdgePixel(int x, int y, int depth) {
    if (depth == kMiniDepth) return qRgb(96, 62, 22);  // the outer line of the edge
    // The seam between the left and the bottom side runs from the face's lower-left
    // corner down to the tile's lower-left corner.
    const bool leftSide = x < kMiniDepth && x + y < kMiniHeight;
    return leftSide ? qRgb(222, 170, 82) : qRgb(190, 136, 56);
}

}  // namespace

QImage miniatureTile() {
    QImage image = blackImage(kMiniWidth, kMiniHeight);
    for (int y = 0; y < kMiniHeight; ++y) {
        for (int x = 0; x < kMiniWidth; ++x) {
            const int depth = tileEdgeDepthAt(x, y, kMiniWidth, kMiniHeight, kMiniDepth);
            if (depth == 0) image.setPixel(x, y, miniFacePixel(x, y));
            if (depth > 0) image.setPixel(x, y, miniEdgePixel(x, y, depth));
        }
    }
    return image;
}
