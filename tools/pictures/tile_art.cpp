#include "tile_art.h"

#include <QPainterPath>

#include "canvas.h"

namespace {

const QColor kEdge(46, 84, 160);
const QColor kIvory(250, 246, 232);
const QColor kIvoryShade(232, 222, 196);
const QColor kRed(196, 32, 30);
const QColor kGreen(20, 128, 60);
const QColor kNavy(28, 36, 110);

void paintCharacter(QPainter& painter, const QRectF& face, QChar character, const QColor& ink) {
    painter.setFont(cjkFont(static_cast<int>(face.width() * 0.72)));
    painter.setPen(ink);
    painter.drawText(face, Qt::AlignCenter, QString(character));
}

void paintDots(QPainter& painter, const QRectF& face) {
    const double r = face.width() * 0.13;
    const QPointF c = face.center();
    const double dx = face.width() * 0.24, dy = face.height() * 0.27;
    const QPointF places[] = {c, c + QPointF(-dx, -dy), c + QPointF(dx, -dy), c + QPointF(-dx, dy),
                              c + QPointF(dx, dy)};
    const QColor colours[] = {kRed, kNavy, kGreen, kGreen, kNavy};
    for (int i = 0; i < 5; ++i) {
        painter.setPen(QPen(colours[i], r * 0.35));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(places[i], r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours[i]);
        painter.drawEllipse(places[i], r * 0.35, r * 0.35);
    }
}

// One bamboo stem with its nodes, standing in the given rectangle.
void paintStem(QPainter& painter, const QRectF& stem, const QColor& colour) {
    const double w = stem.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(stem, w * 0.4, w * 0.4);
    painter.setPen(QPen(kIvory, w * 0.18));
    for (double f : {0.33, 0.66}) {
        const double y = stem.top() + stem.height() * f;
        painter.drawLine(QPointF(stem.left() + w * 0.15, y), QPointF(stem.right() - w * 0.15, y));
    }
}

void paintBamboo(QPainter& painter, const QRectF& face) {
    const double w = face.width() * 0.16, h = face.height() * 0.36;
    const QPointF c = face.center();
    paintStem(painter, QRectF(c.x() - w / 2, c.y() - h - h * 0.08, w, h), kRed);
    paintStem(painter, QRectF(c.x() - w * 2.2, c.y() + h * 0.08, w, h), kGreen);
    paintStem(painter, QRectF(c.x() + w * 1.2, c.y() + h * 0.08, w, h), kGreen);
}

QPainterPath rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

}  // namespace

void paintTile(QPainter& painter, const QRectF& face, TileSymbol symbol) {
    const double depth = face.width() * 0.15;
    const double radius = face.width() * 0.1;
    painter.save();
    painter.fillPath(rounded(face.translated(-depth + 2, depth + 2), radius), QColor(0, 0, 0, 70));
    painter.fillPath(rounded(face.translated(-depth, depth), radius), kEdge.darker(130));
    painter.fillPath(rounded(face.translated(-depth * 0.5, depth * 0.5), radius), kEdge);
    QLinearGradient ivory(face.topRight(), face.bottomLeft());
    ivory.setColorAt(0, kIvory);
    ivory.setColorAt(1, kIvoryShade);
    painter.fillPath(rounded(face, radius), ivory);
    painter.setPen(QPen(kIvoryShade.darker(115), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rounded(face, radius));
    const QRectF inner = face.adjusted(face.width() * 0.1, face.height() * 0.08,
                                       -face.width() * 0.1, -face.height() * 0.08);
    switch (symbol) {
        case TileSymbol::RedDragon:
            paintCharacter(painter, inner, QChar(0x4E2D), kRed);
            break;
        case TileSymbol::GreenDragon:
            paintCharacter(painter, inner, QChar(0x767C), kGreen);
            break;
        case TileSymbol::EastWind:
            paintCharacter(painter, inner, QChar(0x6771), kNavy);
            break;
        case TileSymbol::FiveDots:
            paintDots(painter, inner);
            break;
        case TileSymbol::ThreeBamboo:
            paintBamboo(painter, inner);
            break;
    }
    painter.restore();
}
