#include "drawing_kit.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <cmath>

#include "colour_math.h"
#include "glyphs.h"
#include "ink.h"

namespace tileset {

QPainterPath leafPath(const QPointF& base, const QPointF& tip, double width, double bulge) {
    const QLineF axis(base, tip);
    const QPointF along = tip - base;
    const QPointF normal = QPointF(-along.y(), along.x()) / axis.length();
    const QPointF mid = (base + tip) / 2 - normal * bulge;
    const QPointF side = normal * width;
    QPainterPath leaf(base);
    leaf.quadTo(mid + side, tip);
    leaf.quadTo(mid - side, base);
    return leaf;
}

void drawBlossom(QPainter& painter, const QPointF& centre, double r, const QColor& petals,
                 double turn) {
    painter.save();
    painter.translate(centre);
    painter.rotate(turn);
    painter.setPen(QPen(shade(petals, 0.7), 0.6));
    painter.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const QPointF at = QTransform().rotate(72.0 * i).map(QPointF(0, -r * 0.52));
        painter.drawEllipse(at, r * 0.5, r * 0.5);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kGold);
    painter.drawEllipse(QPointF(0, 0), r * 0.3, r * 0.3);
    painter.setBrush(ink::kDeepRed);
    painter.drawEllipse(QPointF(0, 0), r * 0.13, r * 0.13);
    painter.restore();
}

void drawCornerIndex(QPainter& painter, const QString& index, const QColor& colour) {
    const QFont font = typeface(Typeface::Latin, true);
    // Left-aligned, so that a wide W does not shrink and narrow digits keep to the corner.
    const QPainterPath path = sizedText(index, font, 12.5, {0, 2.5, 12, 10});
    inkPath(painter, path.translated(2.5 - path.boundingRect().left(), 0), colour, 0.35);
}

namespace {

// The lower right corner of the art, which stays where it was; the art spans the face from
// (2, 2) to this corner before it shrinks.
constexpr QPointF kIndexedAnchor{38, 48};

}  // namespace

QPointF indexedPoint(const QPointF& point) {
    return kIndexedAnchor + (point - kIndexedAnchor) * kIndexedScale;
}

void enterIndexedArea(QPainter& painter) {
    painter.translate(kIndexedAnchor);
    painter.scale(kIndexedScale, kIndexedScale);
    painter.translate(-kIndexedAnchor);
}

void drawBrushLine(QPainter& painter, const QPainterPath& spine, double width,
                   const QColor& colour) {
    constexpr int kSteps = 80;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double r = width / 2 * (1.0 - 0.7 * t);
        painter.drawEllipse(spine.pointAtPercent(t), r, r);
    }
    painter.restore();
}

}  // namespace tileset
