// Seasons: a sprout, the sun over waves, a maple leaf and a snowflake, numbered 1 to 4 in blue.

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "colour_math.h"
#include "drawing_kit.h"
#include "faces.h"
#include "ink.h"

namespace tileset {
namespace {

void drawSprout(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kBrown);
    painter.drawChord(QRectF(7, 41, 26, 10), 0, 180 * 16);
    QPainterPath stem(QPointF(20, 46));
    stem.cubicTo(21, 38, 18, 30, 20, 21);
    drawBrushLine(painter, stem, 2.4, ink::kDeepGreen);
    painter.setPen(QPen(ink::kDeepGreen, 0.7));
    painter.setBrush(ink::kLeafGreen);
    painter.drawPath(leafPath({20, 35}, {6, 25}, 4.2, -2));
    painter.drawPath(leafPath({20, 30}, {34, 22}, 4.2, 2));
    painter.setBrush(ink::kPink);
    painter.setPen(QPen(shade(ink::kPink, 0.65), 0.6));
    painter.drawPath(leafPath({20, 22}, {20, 9}, 4.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kGreen);
    painter.drawPath(leafPath({20, 23}, {16, 15}, 1.6));
    painter.drawPath(leafPath({20, 23}, {24, 15}, 1.6));
}

void drawSunOverWaves(QPainter& painter) {
    const QPointF sun(20, 18);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kGold);
    for (int i = 0; i < 12; ++i) {
        QTransform t;
        t.translate(sun.x(), sun.y());
        t.rotate(30.0 * i);
        painter.drawPolygon(t.map(QPolygonF({{-2.1, -9.0}, {0, -14.0}, {2.1, -9.0}})));
    }
    painter.setBrush(QColor(224, 64, 30));
    painter.drawEllipse(sun, 8.2, 8.2);
    painter.setBrush(QColor(242, 120, 40));
    painter.drawEllipse(sun + QPointF(-1.6, -1.6), 4.2, 4.2);
    painter.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 2; ++wave) {
        painter.setPen(
            QPen(wave == 0 ? ink::kBlue : ink::kDeepBlue, 2.0, Qt::SolidLine, Qt::RoundCap));
        QPainterPath line;
        const double y = 36.5 + 6.5 * wave;
        line.moveTo(5, y);
        for (double x = 5; x <= 35; x += 0.5)
            line.lineTo(x, y + 1.8 * std::sin((x + 4 * wave) / 2.6));
        painter.drawPath(line);
    }
}

// Five lobes and a stem, the right half mirrored.
QPolygonF mapleLeaf() {
    static const double half[][2] = {
        {0.00, -1.00}, {0.13, -0.74}, {0.27, -0.82}, {0.22, -0.36}, {0.46, -0.62},
        {0.52, -0.44}, {0.88, -0.56}, {0.74, -0.26}, {0.86, -0.18}, {0.46, 0.14},
        {0.56, 0.32},  {0.10, 0.26},  {0.05, 0.30},  {0.05, 0.82},
    };
    QPolygonF leaf;
    for (const auto& p : half)
        leaf << QPointF(p[0], p[1]);
    for (int i = std::size(half) - 1; i >= 0; --i)
        leaf << QPointF(-half[i][0], half[i][1]);
    return leaf;
}

void drawMapleLeaf(QPainter& painter) {
    const QColor leaf(214, 74, 24);
    painter.save();
    painter.translate(20, 25);
    painter.rotate(-12);
    painter.scale(16.5, 19.5);
    painter.setPen(QPen(shade(leaf, 0.6), 0.05));
    painter.setBrush(leaf);
    painter.drawPolygon(mapleLeaf());
    painter.setPen(QPen(ink::kGold, 0.07, Qt::SolidLine, Qt::RoundCap));
    const QPointF base(0, 0.22);
    for (const QPointF& tip : {QPointF(0, -0.8), QPointF(0.7, -0.45), QPointF(-0.7, -0.45),
                               QPointF(0.42, 0.12), QPointF(-0.42, 0.12)})
        painter.drawLine(base, tip);
    painter.restore();
}

void drawSnowflake(QPainter& painter) {
    painter.save();
    painter.translate(21, 26);
    painter.setPen(QPen(ink::kBlue, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.rotate(60.0 * i);
        painter.drawLine(QPointF(0, 0), QPointF(0, -15));
        for (const double at : {6.5, 11.0}) {
            const double branch = at < 8 ? 4.4 : 3.2;
            painter.drawLine(QPointF(0, -at), QPointF(-branch, -at - branch));
            painter.drawLine(QPointF(0, -at), QPointF(branch, -at - branch));
        }
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kDeepBlue);
    painter.drawEllipse(QPointF(0, 0), 2.6, 2.6);
    painter.restore();
}

}  // namespace

void paintSeason(QPainter& painter, int n) {
    switch (n) {
        case 1:
            drawSprout(painter);
            break;
        case 2:
            drawSunOverWaves(painter);
            break;
        case 3:
            drawMapleLeaf(painter);
            break;
        case 4:
            drawSnowflake(painter);
            break;
    }
    drawCornerIndex(painter, QString::number(n), ink::kBlue);
}

}  // namespace tileset
