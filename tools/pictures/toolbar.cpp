// The toolbar's background: pale silk with a faint wave pattern, repeated across the
// toolbar behind its flat buttons, so it must not compete with their captions.

#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 32;
constexpr double kWaveRadius = 10;  // five waves across, so the picture repeats seamlessly

const QColor kSilkTop(240, 237, 228);
const QColor kSilkBottom(214, 208, 194);

// Overlapping fans of concentric arcs, row after row, each row hiding the lower half of
// the one before.
void paintWaves(QPainter& painter) {
    const QColor line(0, 0, 0, 16);
    for (int row = -1; row * kWaveRadius / 2 < kHeight + kWaveRadius; ++row) {
        const double y = row * kWaveRadius / 2;
        const double shift = (row % 2 != 0) ? kWaveRadius : 0;
        for (double x = shift - 2 * kWaveRadius; x < kWidth + 2 * kWaveRadius;
             x += 2 * kWaveRadius) {
            QLinearGradient fill(0, y - kWaveRadius, 0, y + kWaveRadius);
            fill.setColorAt(0, mix(kSilkTop, kSilkBottom, (y - kWaveRadius) / kHeight));
            fill.setColorAt(1, mix(kSilkTop, kSilkBottom, (y + kWaveRadius) / kHeight));
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawEllipse(QPointF(x, y), kWaveRadius, kWaveRadius);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(line, 0.8));
            for (double r = kWaveRadius - 1.5; r > 1; r -= 2.5)
                painter.drawEllipse(QPointF(x, y), r, r);
        }
    }
}

}  // namespace

QImage paintToolbar() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    paintWaves(painter);
    return image;
}
