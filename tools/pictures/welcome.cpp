// The welcome panel's picture: warm paper in a lacquer-red frame with a dragon as a faint
// watermark. Group boxes, buttons and dark text stand over it, so it stays pale and calm.

#include <QPainterPath>
#include <cmath>

#include "canvas.h"
#include "dragon_figure.h"
#include "noise.h"
#include "ornaments.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 329;
constexpr int kHeight = 321;

const QColor kPaper(248, 241, 224);
const QColor kPaperEdge(230, 214, 182);
const QColor kFrame(150, 40, 30);
const QColor kGold(196, 156, 84);
const QColor kWatermark(176, 140, 96);

QImage paintPaper() {
    const TileableNoise mottle(71, 5, 5);
    return shadePixels(kWidth, kHeight, [&](int x, int y) {
        const double u = double(x) / kWidth, v = double(y) / kHeight;
        const double dx = u - 0.5, dy = v - 0.5;
        const double edge = std::min(1.0, 2.2 * (dx * dx + dy * dy));
        return scaled(mix(kPaper, kPaperEdge, edge), 0.97 + 0.05 * mottle.fractal(u, v, 5));
    });
}

void paintFrame(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFrame, 2.5));
    painter.drawRect(QRectF(3.5, 3.5, kWidth - 7, kHeight - 7));
    painter.setPen(QPen(kGold, 1));
    painter.drawRect(QRectF(8.5, 8.5, kWidth - 17, kHeight - 17));
    painter.setPen(QPen(kFrame, 1.5));
    painter.setBrush(kGold);
    for (double x : {8.5, kWidth - 8.5}) {
        for (double y : {8.5, kHeight - 8.5}) {
            QPainterPath diamond(QPointF(x, y - 4));
            diamond.lineTo(x + 4, y);
            diamond.lineTo(x, y + 4);
            diamond.lineTo(x - 4, y);
            diamond.closeSubpath();
            painter.drawPath(diamond);
        }
    }
}

void paintWatermark(QPainter& painter) {
    painter.save();
    painter.translate(kWidth / 2.0, kHeight / 2.0 + 4);
    paintDragonRoundel(painter, 128, {withAlpha(kPaper, 90), withAlpha(kWatermark, 60), 1.2});
    painter.restore();
    painter.setPen(QPen(withAlpha(kWatermark, 70), 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(auspiciousCloud().translated(kWidth - 62, kHeight - 24));
    painter.drawPath(auspiciousCloud().translated(58, 26));
}

}  // namespace

QImage paintWelcome() {
    QImage image = paintPaper();
    QPainter painter(&image);
    prepare(painter);
    paintWatermark(painter);
    paintFrame(painter);
    return image;
}
