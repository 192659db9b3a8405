// Dragons: a damask of dragon roundels and auspicious clouds, tone on tone on jade. A middle
// tone between the pale paper and the dark pictures: the dark tile edges still show on it.

#include <QPainterPath>

#include "canvas.h"
#include "dragon_figure.h"
#include "noise.h"
#include "ornaments.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 352;   // two repeats across the board
constexpr int kHeight = 312;  // one and a half down
constexpr double kRoundel = 78;

const QColor kSilk(50, 96, 84);
const QColor kBody(60, 110, 96);
const QColor kLine(98, 146, 128);

QImage paintSilk(int scale) {
    const TileableNoise weave(31, 88, 78);
    const TileableNoise cloud(32, 4, 4);
    return shadeTile(kWidth, kHeight, scale, [&](double u, double v) {
        const double light = 0.9 + 0.14 * cloud.fractal(u, v, 4) + 0.06 * weave.at(u, v);
        return scaled(kSilk, light);
    });
}

void paintRoundel(QPainter& painter, QPointF centre, bool mirrored) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(withAlpha(kLine, 150), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), kRoundel + 8, kRoundel + 8);
    painter.drawEllipse(QPointF(0, 0), kRoundel + 11, kRoundel + 11);
    if (mirrored) painter.scale(-1, 1);
    paintDragonRoundel(painter, kRoundel, {kBody, kLine, 1.0});
    painter.restore();
}

void paintCloud(QPainter& painter, QPointF centre) {
    painter.save();
    painter.translate(centre);
    painter.setPen(QPen(kLine, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(auspiciousCloud());
    painter.scale(-0.6, 0.6);
    painter.translate(-30, -46);
    painter.drawPath(auspiciousCloud());
    painter.restore();
}

}  // namespace

QImage paintDragons(int scale) {
    QImage image = paintSilk(scale);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(scale, scale);
    const double quarterW = kWidth / 4.0;
    const double quarterH = kHeight / 4.0;
    paintWrapped(painter, QSize(kWidth, kHeight), [&](QPainter& p) {
        paintRoundel(p, QPointF(quarterW, quarterH), false);
        paintRoundel(p, QPointF(3 * quarterW, 3 * quarterH), true);
        paintCloud(p, QPointF(3 * quarterW, quarterH));
        paintCloud(p, QPointF(quarterW, 3 * quarterH));
    });
    return image;
}
