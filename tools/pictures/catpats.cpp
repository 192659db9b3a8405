// Catpats: two cats' trails of paw prints crossing a warm dark felt, pressed in softly.

#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "canvas.h"
#include "noise.h"
#include "pictures.h"
#include "random.h"

namespace {

constexpr int kSize = 176;  // four repeats across the board

const QColor kFelt(50, 38, 46);
const QColor kPrint(98, 70, 82);
const QColor kShade(30, 22, 28);

QImage paintFelt(int scale) {
    const TileableNoise fluff(51, 22, 22);
    const TileableNoise patches(52, 3, 3);
    return shadeTile(kSize, kSize, scale, [&](double u, double v) {
        return scaled(kFelt,
                      0.88 + 0.16 * patches.fractal(u, v, 3) + 0.08 * fluff.fractal(u, v, 3));
    });
}

// One print, one unit long, toes pointing up (towards negative y).
QPainterPath pawPrint() {
    QPainterPath pad(QPointF(-0.28, 0.22));
    pad.cubicTo(-0.26, 0.02, -0.12, -0.02, 0, -0.02);
    pad.cubicTo(0.12, -0.02, 0.26, 0.02, 0.28, 0.22);
    pad.cubicTo(0.3, 0.36, 0.2, 0.44, 0.1, 0.42);
    pad.quadTo(0, 0.38, -0.1, 0.42);
    pad.cubicTo(-0.2, 0.44, -0.3, 0.36, -0.28, 0.22);
    pad.closeSubpath();
    const struct {
        double x, y, angle;
    } toes[] = {{-0.34, -0.12, -30}, {-0.13, -0.31, -10}, {0.13, -0.31, 10}, {0.34, -0.12, 30}};
    for (const auto& toe : toes) {
        QPainterPath oval;
        oval.addEllipse(QPointF(0, 0), 0.1, 0.13);
        pad.addPath(QTransform().translate(toe.x, toe.y).rotate(toe.angle).map(oval));
    }
    return pad;
}

// A walk from one corner of the tile to the opposite one (so it continues in the next
// tile), prints alternating left and right of the line of travel.
void paintTrail(QPainter& painter, QPointF start, QPointF step, int prints, double size,
                Random& random) {
    const QPainterPath paw = pawPrint();
    const double heading = std::atan2(step.y(), step.x()) * 180 / std::numbers::pi + 90;
    const QPointF across = QPointF(-step.y(), step.x()) / std::hypot(step.x(), step.y());
    for (int i = 0; i < prints; ++i) {
        const double side = (i % 2 == 0) ? 1 : -1;
        const QPointF at = start + step * i + across * (side * size * 0.5);
        const QTransform place = QTransform()
                                     .translate(at.x(), at.y())
                                     .rotate(heading + random.range(-9, 9) + side * 6)
                                     .scale(size, size);
        const QPainterPath print = place.map(paw);
        paintWrapped(painter, QSize(kSize, kSize), [&](QPainter& p) {
            p.fillPath(print.translated(0.8, 1.0), withAlpha(kShade, 120));
            p.fillPath(print, withAlpha(kPrint, 210));
        });
    }
}

}  // namespace

QImage paintCatpats(int scale) {
    QImage image = paintFelt(scale);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(scale, scale);
    Random random(77);
    // A big cat walks down to the right, a kitten up to the left between its tracks.
    paintTrail(painter, QPointF(10, 10), QPointF(kSize / 4.0, kSize / 4.0), 4, 21, random);
    paintTrail(painter, QPointF(kSize / 2.0 + 10, kSize - 2), QPointF(-kSize / 5.0, -kSize / 5.0),
               5, 14, random);
    return image;
}
