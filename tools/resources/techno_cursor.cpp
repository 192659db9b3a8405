#include "techno_cursor.h"

#include "supersample.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kCursorSize = 32;

// The outline runs along pixel centres (half coordinates), so the straight left edge
// is one crisp pixel column and the tip is pixel (0, 0).
const QPointF kTip(0.5, 0.5);
const QPointF kFoot(0.5, 22.5);
const QPointF kNotchLeft(5.5, 17.5);
const QPointF kTailLeft(9.5, 26.0);
const QPointF kTailRight(13.0, 24.5);
const QPointF kNotchRight(9.3, 16.5);
const QPointF kWing(16.5, 16.5);
// Where the ridge between the two facets of the head meets its base.
const QPointF kRidgeFoot(7.2, 16.9);

const QColor kInk(6, 8, 16);
const QColor kNeon(30, 226, 255);

QPainterPath arrowOutline() {
    QPainterPath arrow;
    arrow.addPolygon(
        QPolygonF({kTip, kFoot, kNotchLeft, kTailLeft, kTailRight, kNotchRight, kWing, kTip}));
    return arrow;
}

void fillFacet(QPainter& painter, const QPolygonF& facet, const QColor& from, const QColor& to) {
    QLinearGradient shade(kTip, kTailRight);
    shade.setColorAt(0, from);
    shade.setColorAt(1, to);
    painter.setBrush(shade);
    painter.drawPolygon(facet);
}

// A head of two facets, lit from the left, and a darker tail: machined metal.
void drawBody(QPainter& painter, const QPainterPath& arrow) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawPath(arrow.translated(1.5, 1.5));  // drop shadow

    fillFacet(painter, QPolygonF({kTip, kFoot, kNotchLeft, kRidgeFoot}), QColor(112, 128, 158),
              QColor(52, 60, 84));
    fillFacet(painter, QPolygonF({kTip, kRidgeFoot, kNotchRight, kWing}), QColor(46, 52, 74),
              QColor(20, 24, 38));
    fillFacet(painter, QPolygonF({kNotchLeft, kTailLeft, kTailRight, kNotchRight, kRidgeFoot}),
              QColor(40, 46, 66), QColor(18, 20, 32));
}

// The neon rim lies just inside the ink outline of the head, so the pointer shows on dark
// and light grounds alike; a neon trace runs down the tail like a circuit line.
void drawNeon(QPainter& painter) {
    QPainterPath head;
    head.addPolygon(QPolygonF({kTip, kFoot, kNotchLeft, kNotchRight, kWing, kTip}));
    painter.save();
    painter.setClipPath(head);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kNeon, 3.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(head);
    painter.restore();

    const QPointF tailStart = (kNotchLeft + kNotchRight) / 2 + QPointF(0.2, 0.6);
    const QPointF tailEnd = (kTailLeft + kTailRight) / 2 - QPointF(0.5, 1.2);
    painter.setPen(QPen(kNeon, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tailStart, tailEnd);
}

}  // namespace

QImage technoCursor() {
    return renderSupersampled(QSize(kCursorSize, kCursorSize), [](QPainter& painter) {
        const QPainterPath arrow = arrowOutline();
        drawBody(painter, arrow);
        drawNeon(painter);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(arrow);
    });
}

QPoint technoCursorHotSpot() {
    return QPoint(qFloor(kTip.x()), qFloor(kTip.y()));
}
