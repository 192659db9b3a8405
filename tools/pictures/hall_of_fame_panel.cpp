// The hall-of-fame side panel: dark lacquer in a thin gold frame. The title, the ten
// names and times and the current-tile box are drawn over its calm middle.

#include <QPainterPath>
#include <cmath>

#include "canvas.h"
#include "noise.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 92;
constexpr int kHeight = 468;

const QColor kLacquerTop(24, 34, 66);
const QColor kLacquerBottom(10, 14, 32);
const QColor kGold(176, 142, 74);

QImage paintLacquer() {
    const TileableNoise grain(61, 2, 40);
    return shadePixels(kWidth, kHeight, [&](int x, int y) {
        const double v = double(y) / kHeight;
        // A soft sheen behind the title, the lacquer darkening downwards.
        const double dx = (x - kWidth / 2.0) / kWidth, dy = (y - 60.0) / 160.0;
        const double sheen = 0.12 * std::exp(-(dx * dx * 4 + dy * dy));
        const QColor base = mix(kLacquerTop, kLacquerBottom, std::pow(v, 0.8));
        return scaled(base, 0.96 + sheen + 0.06 * grain.fractal(double(x) / kWidth, v, 3));
    });
}

void paintFrame(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(4, 6, 14), 1));
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    painter.setPen(QPen(kGold, 1.2));
    painter.drawRect(QRectF(3.5, 3.5, kWidth - 7, kHeight - 7));
    painter.setPen(QPen(withAlpha(kGold, 90), 0.8));
    painter.drawRect(QRectF(6.5, 6.5, kWidth - 13, kHeight - 13));
}

// A small gold diamond with fading rules either side, centred on (x, y).
void paintOrnament(QPainter& painter, double y) {
    const double x = kWidth / 2.0;
    QLinearGradient fade(x - 30, 0, x + 30, 0);
    fade.setColorAt(0, withAlpha(kGold, 0));
    fade.setColorAt(0.5, kGold);
    fade.setColorAt(1, withAlpha(kGold, 0));
    painter.setPen(QPen(QBrush(fade), 1));
    painter.drawLine(QPointF(x - 30, y), QPointF(x + 30, y));
    QPainterPath diamond(QPointF(x, y - 5));
    diamond.lineTo(x + 5, y);
    diamond.lineTo(x, y + 5);
    diamond.lineTo(x - 5, y);
    diamond.closeSubpath();
    painter.setPen(QPen(kGold.darker(160), 0.8));
    painter.setBrush(kGold);
    painter.drawPath(diamond);
}

// Little square knots in the frame's corners.
void paintCorners(QPainter& painter) {
    painter.setPen(QPen(kGold, 1));
    painter.setBrush(kLacquerBottom);
    for (double x : {3.5, kWidth - 3.5}) {
        for (double y : {3.5, kHeight - 3.5}) {
            painter.drawRect(QRectF(x - 3, y - 3, 6, 6));
            painter.drawPoint(QPointF(x, y));
        }
    }
}

}  // namespace

QImage paintHallOfFamePanel() {
    QImage image = paintLacquer();
    QPainter painter(&image);
    prepare(painter);
    paintFrame(painter);
    paintOrnament(painter, 16);
    paintOrnament(painter, kHeight - 12);
    paintCorners(painter);
    return image;
}
