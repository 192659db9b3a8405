// Flowers: plum, orchid, chrysanthemum and bamboo, numbered 1 to 4 in red.

#include <QPainter>
#include <QPen>
#include <QTransform>

#include "colour_math.h"
#include "drawing_kit.h"
#include "faces.h"
#include "ink.h"

namespace tileset {
namespace {

void drawPlum(QPainter& painter) {
    QPainterPath branch(QPointF(6, 47));
    branch.cubicTo(12, 36, 20, 34, 22, 26);
    branch.cubicTo(24, 19, 30, 16, 36, 11);
    drawBrushLine(painter, branch, 3.4, ink::kBrown);
    QPainterPath twig(QPointF(17, 35));
    twig.cubicTo(24, 36, 29, 38, 34, 42);
    drawBrushLine(painter, twig, 2.0, ink::kBrown);
    const QColor blossom(232, 92, 128);
    drawBlossom(painter, {29, 15}, 7.0, blossom, 10);
    drawBlossom(painter, {14, 29}, 6.2, blossom, -15);
    drawBlossom(painter, {30, 39}, 5.2, blossom, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kRed);
    painter.drawEllipse(QPointF(21, 22), 1.8, 1.8);
    painter.drawEllipse(QPointF(9, 42), 1.6, 1.6);
}

void drawOrchid(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kDeepGreen);
    const QPointF root(21, 47);
    painter.drawPath(leafPath(root, {5, 21}, 2.0, -4));
    painter.drawPath(leafPath(root, {37, 17}, 2.0, 5));
    painter.drawPath(leafPath(root, {38, 38}, 1.8, 3));
    painter.drawPath(leafPath(root, {3, 40}, 1.7, -2));
    painter.setBrush(ink::kGreen);
    painter.drawPath(leafPath(root, {24, 14}, 1.6, 2));
    const QColor petal(150, 80, 176);
    for (const QPointF centre : {QPointF(15, 16), QPointF(28, 28)}) {
        painter.save();
        painter.translate(centre);
        painter.setPen(QPen(shade(petal, 0.6), 0.5));
        painter.setBrush(petal);
        for (int i = 0; i < 5; ++i)
            painter.drawPath(QTransform().rotate(72.0 * i).map(leafPath({0, 0}, {0, -7.5}, 3.0)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink::kGold);
        painter.drawEllipse(QPointF(0, 0), 1.6, 1.6);
        painter.restore();
    }
}

void drawChrysanthemum(QPainter& painter) {
    QPainterPath stem(QPointF(20, 47));
    stem.cubicTo(19, 40, 21, 34, 20, 26);
    drawBrushLine(painter, stem, 2.4, ink::kDeepGreen);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kLeafGreen);
    painter.drawPath(leafPath({20, 40}, {8, 34}, 3.6, 2));
    painter.drawPath(leafPath({20, 37}, {33, 31}, 3.6, -2));
    const QPointF head(21, 20);
    const QColor outer(236, 150, 20), inner(250, 196, 40);
    painter.setPen(QPen(shade(outer, 0.7), 0.5));
    for (int ring = 0; ring < 2; ++ring) {
        painter.setBrush(ring == 0 ? outer : inner);
        const double length = ring == 0 ? 12.5 : 8.0;
        const int count = ring == 0 ? 18 : 12;
        for (int i = 0; i < count; ++i) {
            QTransform t;
            t.translate(head.x(), head.y());
            t.rotate(360.0 * i / count + ring * 15);
            painter.drawPath(t.map(leafPath({0, 0}, {0, -length}, 1.9)));
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 96, 16));
    painter.drawEllipse(head, 2.8, 2.8);
}

void drawBambooPlant(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    for (const double x : {14.0, 25.0}) {
        const double top = x < 20 ? 12 : 6;
        painter.setBrush(ink::kGreen);
        painter.drawRoundedRect(QRectF(x - 1.7, top, 3.4, 47 - top), 1, 1);
        painter.setBrush(ink::kDeepGreen);
        for (double y = top + 8; y < 45; y += 9)
            painter.drawRoundedRect(QRectF(x - 2.2, y - 0.7, 4.4, 1.4), 0.6, 0.6);
    }
    painter.setBrush(ink::kDeepGreen);
    const QPointF sprays[3] = {{14, 20}, {25, 14}, {25, 32}};
    const double sides[3] = {-1, 1, 1};
    for (int i = 0; i < 3; ++i) {
        const QPointF at = sprays[i];
        const double s = sides[i];
        painter.drawPath(leafPath(at, at + QPointF(11 * s, 2), 1.9, 1.5 * s));
        painter.drawPath(leafPath(at, at + QPointF(9 * s, 8), 1.8, s));
        painter.drawPath(leafPath(at, at + QPointF(8 * s, -6), 1.6, -s));
    }
}

}  // namespace

void paintFlower(QPainter& painter, int n) {
    switch (n) {
        case 1:
            drawPlum(painter);
            break;
        case 2:
            drawOrchid(painter);
            break;
        case 3:
            drawChrysanthemum(painter);
            break;
        case 4:
            drawBambooPlant(painter);
            break;
    }
    drawCornerIndex(painter, QString::number(n), ink::kRed);
}

}  // namespace tileset
