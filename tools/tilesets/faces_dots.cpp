// Dots: coloured rings in the traditional arrangements.

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <vector>

#include "colour_math.h"
#include "drawing_kit.h"
#include "faces.h"
#include "ink.h"

namespace tileset {
namespace {

struct Dot {
    QPointF centre;
    QColor colour;
};

// A coin: dark rim, coloured band, ivory ring, coloured core. The proportions keep the ivory
// ring a full pixel wide on the smallest dots.
void drawDot(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade(colour, 0.62));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius * 0.84, radius * 0.84);
    painter.setBrush(ink::kIvory);
    painter.drawEllipse(centre, radius * 0.6, radius * 0.6);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius * 0.4, radius * 0.4);
}

// The one of dots: a large medallion with a rosette in its heart.
void drawMedallion(QPainter& painter) {
    const QPointF centre(20, 25);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kDeepGreen);
    painter.drawEllipse(centre, 16.5, 16.5);
    painter.setBrush(ink::kGreen);
    painter.drawEllipse(centre, 15.3, 15.3);
    painter.setBrush(ink::kIvory);
    painter.drawEllipse(centre, 12.6, 12.6);
    painter.setBrush(ink::kBlue);
    for (int i = 0; i < 12; ++i) {
        const QPointF at = QTransform().rotate(30.0 * i).map(QPointF(0, -10.8));
        painter.drawEllipse(centre + at, 1.3, 1.3);
    }
    painter.setBrush(ink::kRed);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(45.0 * i + 22.5);
        QPainterPath petal;
        petal.addEllipse(QPointF(0, -5.6), 2.1, 3.6);
        painter.drawPath(t.map(petal));
    }
    drawDot(painter, centre, 3.6, ink::kBlue);
}

std::vector<Dot> arrangement(int n) {
    const QColor b = ink::kBlue, r = ink::kRed, g = ink::kGreen;
    switch (n) {
        case 2:
            return {{{20, 14}, g}, {{20, 36}, b}};
        case 3:
            return {{{10.5, 11}, b}, {{20, 25}, r}, {{29.5, 39}, g}};
        case 4:
            return {{{12, 14}, b}, {{28, 14}, g}, {{12, 36}, g}, {{28, 36}, b}};
        case 5:
            return {{{11, 12}, b}, {{29, 12}, g}, {{20, 25}, r}, {{11, 38}, g}, {{29, 38}, b}};
        case 6:
            return {{{13, 10}, g},   {{27, 10}, g},   {{13, 27.5}, r},
                    {{27, 27.5}, r}, {{13, 40.5}, r}, {{27, 40.5}, r}};
        case 7:
            return {{{9.5, 8.5}, g},   {{20, 14}, g},     {{30.5, 19.5}, g}, {{13.5, 30.5}, r},
                    {{26.5, 30.5}, r}, {{13.5, 41.5}, r}, {{26.5, 41.5}, r}};
        case 8:
            return {{{13.5, 8.5}, b},  {{26.5, 8.5}, b},  {{13.5, 19.5}, b}, {{26.5, 19.5}, b},
                    {{13.5, 30.5}, b}, {{26.5, 30.5}, b}, {{13.5, 41.5}, b}, {{26.5, 41.5}, b}};
        case 9: {
            std::vector<Dot> dots;
            const QColor rows[3] = {b, r, g};
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col)
                    dots.push_back({{9.5 + 10.5 * col, 10.0 + 15 * row}, rows[row]});
            return dots;
        }
        default:
            return {};
    }
}

double dotRadius(int n) {
    static const double radii[10] = {0, 16, 8.8, 7, 7.4, 6.4, 6.1, 5.3, 5.3, 5.1};
    return radii[n];
}

}  // namespace

void paintDots(QPainter& painter, int n) {
    if (n == 1) {
        painter.save();
        enterIndexedArea(painter);
        drawMedallion(painter);
        painter.restore();
    } else {
        // Coins are placed, not scaled, so that each keeps its proportions at 1x.
        for (const Dot& dot : arrangement(n))
            drawDot(painter, indexedPoint(dot.centre), dotRadius(n) * kIndexedScale, dot.colour);
    }
    drawCornerIndex(painter, QString::number(n), ink::kDeepBlue);
}

}  // namespace tileset
