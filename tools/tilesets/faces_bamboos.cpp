// Bamboos: jointed sticks in the traditional arrangements, and the bird on the one.

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <vector>

#include "colour_math.h"
#include "drawing_kit.h"
#include "faces.h"
#include "ink.h"

namespace tileset {
namespace {

struct Stick {
    QPointF centre;
    QColor colour;
    double angle = 0;  // degrees, clockwise from upright
};

// One segment of a stick, from joint to joint: its sides draw in a little between the
// joints, as a bamboo cane does.
QPainterPath segmentPath(double top, double bottom, double width) {
    const double half = width / 2;
    const double waist = width * 0.13;
    const double middle = (top + bottom) / 2;
    QPainterPath segment(QPointF(-half, top));
    segment.quadTo(-half + waist, middle, -half, bottom);
    segment.lineTo(half, bottom);
    segment.quadTo(half - waist, middle, half, top);
    segment.closeSubpath();
    return segment;
}

// An upright stick of bamboo: two waisted segments with a light stripe down their left, and
// three dark joints, all outlined in the stick's own dark tone.
void drawStick(QPainter& painter, const Stick& stick, double length, double width) {
    painter.save();
    painter.translate(stick.centre);
    painter.rotate(stick.angle);
    const QColor dark = shade(stick.colour, 0.5);
    const QColor light = mix(stick.colour, QColor(255, 255, 255), 0.55);
    const double half = length / 2;
    for (const double top : {-half, 0.0}) {
        const double bottom = top + half;
        painter.setPen(QPen(dark, 0.8));
        painter.setBrush(stick.colour);
        painter.drawPath(segmentPath(top, bottom, width));
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        painter.drawRoundedRect(QRectF(-width * 0.24, top + 1.2, width * 0.2, half - 2.4), 0.4,
                                0.4);
    }
    painter.setBrush(dark);
    const double joint = width * 1.18;
    for (const double y : {-half + 0.5, 0.0, half - 0.5})
        painter.drawRoundedRect(QRectF(-joint / 2, y - 0.8, joint, 1.6), 0.8, 0.8);
    painter.restore();
}

// The one of bamboos: a bird perched on a short stalk, facing left, its tail fanned.
void drawBird(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    const QColor tail[3] = {ink::kGreen, ink::kBlue, ink::kRed};
    const QPointF tips[3] = {{37, 35}, {35.5, 42.5}, {29.5, 47.5}};
    const QPointF base(22, 31);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(tail[i]);
        painter.drawPath(leafPath(base, tips[i], 3.6));
        const QPointF eye = base + (tips[i] - base) * 0.76;
        painter.setBrush(ink::kGold);
        painter.drawEllipse(eye, 2.0, 2.0);
        painter.setBrush(ink::kDeepBlue);
        painter.drawEllipse(eye, 1.0, 1.0);
    }
    painter.setPen(QPen(ink::kBrown, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(15, 35), QPointF(13.5, 42));
    painter.drawLine(QPointF(20, 35), QPointF(20, 42));
    painter.setPen(QPen(ink::kDeepGreen, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6, 43), QPointF(30, 43));
    painter.setPen(QPen(ink::kDeepGreen, 0.8));
    painter.setBrush(ink::kGreen);
    QPainterPath body;
    body.moveTo(9, 18);
    body.cubicTo(6, 30, 14, 38, 22, 36);
    body.cubicTo(29, 34, 30, 26, 27, 21);
    body.cubicTo(22, 17, 14, 15, 9, 18);
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kRed);
    painter.drawEllipse(QPointF(12.5, 27), 3.8, 6.5);
    painter.setPen(QPen(ink::kDeepBlue, 0.7));
    painter.setBrush(ink::kBlue);
    QPainterPath wing;
    wing.moveTo(15, 22);
    wing.cubicTo(22, 19, 31, 24, 32, 31);
    wing.cubicTo(26, 31, 19, 30, 15, 22);
    painter.drawPath(wing);
    painter.setPen(QPen(ink::kDeepGreen, 0.8));
    painter.setBrush(ink::kGreen);
    painter.drawEllipse(QPointF(12, 13.5), 5.4, 5.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kRed);
    for (double dx : {-2.5, 0.0, 2.5})
        painter.drawEllipse(QPointF(12 + dx, 7.2 - (dx == 0) * 0.8), 1.2, 2.2);
    painter.setBrush(ink::kGold);
    painter.drawPolygon(QPolygonF({QPointF(7.2, 11.6), QPointF(2.2, 14.6), QPointF(7.4, 15.2)}));
    painter.setBrush(ink::kIvory);
    painter.drawEllipse(QPointF(11, 12.6), 1.7, 1.7);
    painter.setBrush(ink::kBlack);
    painter.drawEllipse(QPointF(10.7, 12.6), 0.95, 0.95);
}

std::vector<Stick> arrangement(int n) {
    const QColor g = ink::kGreen, b = ink::kBlue, r = ink::kRed;
    switch (n) {
        case 2:
            return {{{20, 14}, g}, {{20, 36}, b}};
        case 3:
            return {{{20, 14}, b}, {{13, 36}, g}, {{27, 36}, g}};
        case 4:
            return {{{13, 14}, b}, {{27, 14}, g}, {{13, 36}, g}, {{27, 36}, b}};
        case 5:
            return {
                {{10.5, 14}, b}, {{29.5, 14}, g}, {{20, 25}, r}, {{10.5, 36}, g}, {{29.5, 36}, b}};
        case 6:
            return {{{10, 14}, g}, {{20, 14}, g}, {{30, 14}, g},
                    {{10, 36}, b}, {{20, 36}, b}, {{30, 36}, b}};
        case 7:
            return {{{20, 9}, r},  {{10, 25}, g}, {{20, 25}, g}, {{30, 25}, g},
                    {{10, 41}, b}, {{20, 41}, b}, {{30, 41}, b}};
        case 8:
            // Narrower than the others, so that its upper left stick clears the corner index.
            return {{{8.5, 14}, g}, {{16.6, 14}, g, 16},  {{23.4, 14}, g, -16}, {{31.5, 14}, g},
                    {{8.5, 36}, b}, {{16.6, 36}, b, -16}, {{23.4, 36}, b, 16},  {{31.5, 36}, b}};
        case 9: {
            std::vector<Stick> sticks;
            const QColor columns[3] = {g, r, b};
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col)
                    sticks.push_back({{10.0 + 10 * col, 9.0 + 16 * row}, columns[col]});
            return sticks;
        }
        default:
            return {};
    }
}

}  // namespace

void paintBamboo(QPainter& painter, int n) {
    painter.save();
    enterIndexedArea(painter);
    if (n == 1) {
        drawBird(painter);
    } else {
        const bool threeRows = n >= 7 && n != 8;
        const double length = threeRows ? 14 : 20;
        const double width = n <= 4 ? 7 : n <= 6 ? 6.2 : 5.6;
        for (const Stick& stick : arrangement(n))
            drawStick(painter, stick, length, width);
    }
    painter.restore();
    drawCornerIndex(painter, QString::number(n), ink::kDeepGreen);
}

}  // namespace tileset
