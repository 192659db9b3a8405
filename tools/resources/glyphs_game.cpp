// Glyphs of the game commands: New, Back, Hint, Shuffle, Pause and Play.
#include "glyph_style.h"
#include "glyphs.h"

#include <QRadialGradient>
#include <QtMath>

using namespace glyph;

namespace {

QPainterPath sparkle(QPointF centre, qreal outer, qreal inner) {
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(45.0 * i - 90);
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    return star;
}

}  // namespace

// A fresh tile with a sparkle.
void drawNewGlyph(QPainter& painter) {
    const QRectF face(6.5, 4.5, 10, 13);
    const qreal depth = 2.5;
    QPainterPath tile;
    tile.moveTo(face.topLeft());
    tile.lineTo(face.topRight());
    tile.lineTo(face.bottomRight());
    tile.lineTo(face.right() - depth, face.bottom() + depth);
    tile.lineTo(face.left() - depth, face.bottom() + depth);
    tile.lineTo(face.left() - depth, face.top() + depth);
    tile.closeSubpath();
    paintShape(painter, tile, colour::blue);

    QPainterPath facePath;
    facePath.addRect(face);
    paintShape(painter, facePath, colour::ivory);

    const QPointF centre = face.center();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour::red, 1.4));
    painter.drawEllipse(centre, 2.9, 2.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::blue);
    painter.drawEllipse(centre, 1.2, 1.2);

    paintShape(painter, sparkle(QPointF(15.6, 4.6), 4.5, 1.8), colour::gold);
}

// An arrow turning back to the left.
void drawBackGlyph(QPainter& painter) {
    QPainterPath track;
    track.moveTo(7, 6.5);
    track.lineTo(11.5, 6.5);
    track.arcTo(QRectF(7, 6.5, 9, 9), 90, -180);
    track.lineTo(6, 15.5);
    QPainterPath arrow = strokeShape(track, 3.2, Qt::FlatCap);
    arrow = arrow.united(arrowHead(QPointF(1.5, 6.5), 180, 6.5, 10)).simplified();
    paintShape(painter, arrow, colour::blue);
}

// A lit bulb.
void drawHintGlyph(QPainter& painter) {
    QPainterPath glass;
    glass.moveTo(7.6, 13.2);
    glass.cubicTo(7.4, 11.2, 4.2, 10.2, 4.2, 7.2);
    glass.arcTo(QRectF(4.2, 1.4, 11.6, 11.6), 180, -180);
    glass.cubicTo(15.8, 10.2, 12.6, 11.2, 12.4, 13.2);
    glass.closeSubpath();
    QRadialGradient glow(QPointF(9, 6), 8);
    glow.setColorAt(0, QColor(255, 255, 225));
    glow.setColorAt(0.55, QColor(255, 226, 90));
    glow.setColorAt(1, QColor(232, 168, 20));
    painter.setBrush(glow);
    painter.setPen(QPen(colour::ink, 1.0));
    painter.drawPath(glass);

    QPainterPath base;
    base.addRoundedRect(QRectF(7.4, 13.2, 5.2, 4.0), 0.8, 0.8);
    base.addRoundedRect(QRectF(8.6, 17.2, 2.8, 1.6), 0.8, 0.8);
    paintShape(painter, base.simplified(), colour::steel);
    painter.setPen(QPen(colour::ink, 0.7));
    painter.drawLine(QPointF(7.6, 15.2), QPointF(12.4, 15.2));

    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(6.2, 3.4, 7.6, 7.6), 110 * 16, 55 * 16);
}

// Two crossing arrows.
void drawShuffleGlyph(QPainter& painter) {
    const auto crossing = [&](qreal fromY, qreal toY) {
        QPainterPath track;
        track.moveTo(1.5, fromY);
        track.lineTo(4, fromY);
        track.cubicTo(9, fromY, 9, toY, 14, toY);
        QPainterPath arrow = strokeShape(track, 2.6, Qt::FlatCap);
        arrow = arrow.united(arrowHead(QPointF(19, toY), 0, 5.5, 7.5)).simplified();
        paintShape(painter, arrow, colour::blue);
    };
    crossing(5, 15);
    crossing(15, 5);
}

void drawPauseGlyph(QPainter& painter) {
    QPainterPath bars;
    bars.addRoundedRect(QRectF(4.5, 3.5, 4.2, 13), 1.2, 1.2);
    bars.addRoundedRect(QRectF(11.3, 3.5, 4.2, 13), 1.2, 1.2);
    paintShape(painter, bars, colour::blue);
}

void drawPlayGlyph(QPainter& painter) {
    QPainterPath triangle;
    triangle.moveTo(5.5, 3.2);
    triangle.lineTo(16.5, 10);
    triangle.lineTo(5.5, 16.8);
    triangle.closeSubpath();
    paintShape(painter, triangle, colour::blue);
}
