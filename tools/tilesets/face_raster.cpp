#include "face_raster.h"

#include <QPainter>
#include <algorithm>

#include "tile_layout.h"

namespace tileset {
namespace {

constexpr int kSupersample = 8;
// Coverage below this leaves the pixel to the ground: thin enough edges vanish rather than
// leave an ivory fringe around a symbol on a highlighted face.
constexpr double kCoverageKept = 0.3;

QImage paintSupersampled(const SymbolPainter& paint, int scale) {
    const int factor = kSupersample * scale;
    QImage big(kFaceWidth * factor, kFaceHeight * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(factor, factor);
    paint(painter);
    painter.end();
    return big;
}

struct Coverage {
    double red, green, blue, alpha;  // premultiplied, 0..255
};

Coverage averageBlock(const QImage& big, int x, int y) {
    Coverage sum{0, 0, 0, 0};
    for (int dy = 0; dy < kSupersample; ++dy) {
        const QRgb* line = reinterpret_cast<const QRgb*>(big.constScanLine(y * kSupersample + dy));
        for (int dx = 0; dx < kSupersample; ++dx) {
            const QRgb p = line[x * kSupersample + dx];
            sum.red += qRed(p);
            sum.green += qGreen(p);
            sum.blue += qBlue(p);
            sum.alpha += qAlpha(p);
        }
    }
    constexpr double kSamples = kSupersample * kSupersample;
    return {sum.red / kSamples, sum.green / kSamples, sum.blue / kSamples, sum.alpha / kSamples};
}

int over(double premultiplied, int ground, double alpha) {
    return std::clamp(static_cast<int>(premultiplied + ground * (1.0 - alpha) + 0.5), 0, 255);
}

}  // namespace

FaceArt rasterizeSymbol(const SymbolPainter& paint, const QImage& ground, int scale) {
    const QImage big = paintSupersampled(paint, scale);
    const int width = kFaceWidth * scale;
    const int height = kFaceHeight * scale;
    FaceArt art{QImage(width, height, QImage::Format_RGB32),
                QImage(width, height, QImage::Format_RGB32)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Coverage c = averageBlock(big, x, y);
            const double alpha = c.alpha / 255.0;
            if (alpha < kCoverageKept) {
                art.picture.setPixel(x, y, qRgb(0, 0, 0));
                art.mask.setPixel(x, y, qRgb(255, 255, 255));
                continue;
            }
            const QRgb g = ground.pixel(x, y);
            art.picture.setPixel(x, y,
                                 qRgb(over(c.red, qRed(g), alpha), over(c.green, qGreen(g), alpha),
                                      over(c.blue, qBlue(g), alpha)));
            art.mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return art;
}

}  // namespace tileset
