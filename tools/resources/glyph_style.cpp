#include "glyph_style.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

namespace glyph {

void paintShape(QPainter& painter, const QPainterPath& shape, const QColor& base) {
    const QRectF bounds = shape.boundingRect();
    QLinearGradient light(bounds.topLeft(), bounds.bottomRight());
    light.setColorAt(0, base.lighter(165));
    light.setColorAt(0.45, base);
    light.setColorAt(1, base.darker(135));
    painter.setBrush(light);
    painter.setPen(QPen(colour::ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
}

QPainterPath strokeShape(const QPainterPath& path, qreal width, Qt::PenCapStyle cap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path).simplified();
}

QPainterPath arrowHead(QPointF tip, qreal direction, qreal length, qreal width) {
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-length, -width / 2);
    head.lineTo(-length, width / 2);
    head.closeSubpath();
    QTransform place;
    place.translate(tip.x(), tip.y());
    place.rotate(-direction);
    return place.map(head);
}

}  // namespace glyph
