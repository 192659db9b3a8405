// Glyphs of the program commands: Music, Help, About, Hall of Fame and Exit.
#include "glyph_style.h"
#include "glyphs.h"

#include <QTransform>

using namespace glyph;

namespace {

QPainterPath noteHead(QPointF centre) {
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 3.0, 2.1);
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(-22);
    return place.map(head);
}

// A round badge with a glint, for a sign to be drawn over it.
void drawBadge(QPainter& painter, const QColor& base) {
    QPainterPath disc;
    disc.addEllipse(QPointF(10, 10), 8.4, 8.4);
    paintShape(painter, disc, base);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    painter.drawArc(QRectF(3.2, 3.2, 13.6, 13.6), 100 * 16, 70 * 16);
}

}  // namespace

// Two beamed quavers.
void drawMusicGlyph(QPainter& painter) {
    const QPointF left(5.6, 15.6);
    const QPointF right(14.2, 13.6);
    QPainterPath note = noteHead(left).united(noteHead(right));
    note.addRect(QRectF(left.x() + 1.6, 4.4, 1.5, left.y() - 4.4));
    note.addRect(QRectF(right.x() + 1.6, 2.4, 1.5, right.y() - 2.4));
    QPainterPath beam;
    beam.moveTo(left.x() + 1.6, 4.4);
    beam.lineTo(right.x() + 3.1, 2.4);
    beam.lineTo(right.x() + 3.1, 5.4);
    beam.lineTo(left.x() + 1.6, 7.4);
    beam.closeSubpath();
    paintShape(painter, note.united(beam).simplified(), colour::maroon);
}

// A question mark on a maroon badge.
void drawHelpGlyph(QPainter& painter) {
    drawBadge(painter, colour::maroon);
    QPainterPath hook;
    hook.moveTo(7.1, 7.6);
    hook.arcTo(QRectF(7.1, 4.5, 5.8, 5.8), 180, -220);
    hook.lineTo(10, 10.8);
    hook.lineTo(10, 11.8);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(10, 14.9), 1.25, 1.25);
}

// An "i" on a golden badge.
void drawAboutGlyph(QPainter& painter) {
    drawBadge(painter, colour::gold);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::maroon);
    painter.drawEllipse(QPointF(10, 5.6), 1.4, 1.4);
    QPainterPath stem;
    stem.moveTo(8.2, 8.3);
    stem.lineTo(11.1, 8.3);
    stem.lineTo(11.1, 13.8);
    stem.lineTo(12.2, 13.8);
    stem.lineTo(12.2, 15.3);
    stem.lineTo(7.8, 15.3);
    stem.lineTo(7.8, 13.8);
    stem.lineTo(8.9, 13.8);
    stem.lineTo(8.9, 9.8);
    stem.lineTo(8.2, 9.8);
    stem.closeSubpath();
    painter.drawPath(stem);
}

// A golden cup.
void drawHallOfFameGlyph(QPainter& painter) {
    QPainterPath handles;
    handles.moveTo(5.2, 4.2);
    handles.cubicTo(0.6, 3.6, 1.0, 10.4, 6.8, 10.2);
    handles.moveTo(14.8, 4.2);
    handles.cubicTo(19.4, 3.6, 19.0, 10.4, 13.2, 10.2);

    QPainterPath cup;
    cup.moveTo(4.6, 2.4);
    cup.lineTo(15.4, 2.4);
    cup.cubicTo(15.4, 8.4, 13.6, 11.4, 11, 12.2);
    cup.lineTo(11, 14.4);
    cup.lineTo(13.8, 15.6);
    cup.lineTo(13.8, 18.0);
    cup.lineTo(6.2, 18.0);
    cup.lineTo(6.2, 15.6);
    cup.lineTo(9, 14.4);
    cup.lineTo(9, 12.2);
    cup.cubicTo(6.4, 11.4, 4.6, 8.4, 4.6, 2.4);
    cup.closeSubpath();

    paintShape(painter, strokeShape(handles, 1.6).united(cup).simplified(), colour::gold);
    painter.setPen(QPen(QColor(255, 255, 230, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 4.2), QPointF(7.3, 8));
}

// An open door and an arrow leaving through it.
void drawExitGlyph(QPainter& painter) {
    QPainterPath frame;
    frame.addRect(QRectF(2.5, 2.5, 9, 15.5));
    paintShape(painter, frame, QColor(70, 52, 40));

    QPainterPath door;
    door.moveTo(2.5, 2.5);
    door.lineTo(8.5, 4.2);
    door.lineTo(8.5, 19.2);
    door.lineTo(2.5, 18);
    door.closeSubpath();
    paintShape(painter, door, colour::wood);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::gold);
    painter.drawEllipse(QPointF(7.2, 11.2), 0.8, 0.8);

    QPainterPath shaft;
    shaft.moveTo(9.0, 10.5);
    shaft.lineTo(14.0, 10.5);
    QPainterPath arrow = strokeShape(shaft, 3.4, Qt::FlatCap);
    arrow = arrow.united(arrowHead(QPointF(19.4, 10.5), 0, 5.8, 9.6)).simplified();
    paintShape(painter, arrow, colour::red);
}
