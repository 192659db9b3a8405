#include "dragon_figure.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

// The figure is laid out in a unit circle and scaled by the caller's radius.

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSamples = 240;

// The body's centre line runs from the neck (t = 0) to the tip of the tail (t = 1),
// clockwise around the roundel with a slow undulation.
QPointF spine(double t) {
    const double angle = (-100.0 + 310.0 * t) * kPi / 180.0;
    const double r = 0.64 + 0.06 * std::sin(2 * kPi * 1.5 * t + 0.6);
    return {r * std::cos(angle), r * std::sin(angle)};
}

double halfWidth(double t) {
    const double neck = 0.75 + 0.25 * std::min(1.0, t / 0.12);
    return (0.1 * (1 - std::pow(t, 1.6)) + 0.008) * neck;
}

QPointF unit(QPointF v) {
    return v / std::hypot(v.x(), v.y());
}

// Unit tangent towards the tail and the normal to its left (outside of the coil).
QPointF tangent(double t) {
    return unit(spine(std::min(1.0, t + 0.002)) - spine(std::max(0.0, t - 0.002)));
}
QPointF outward(double t) {
    const QPointF d = tangent(t);
    return {d.y(), -d.x()};
}

// A flame-shaped tuft of the given length from base along a unit direction, its tip
// bending to one side (bend > 0 to the right of the direction).
void addTuft(QPainterPath& path, QPointF base, QPointF direction, double length, double bend,
             double width) {
    const QPointF side(-direction.y(), direction.x());
    path.moveTo(base + side * width);
    path.quadTo(base + direction * (0.6 * length) + side * (width + bend * length * 0.3),
                base + direction * length + side * (bend * length));
    path.quadTo(base + direction * (0.45 * length) + side * (bend * length * 0.3),
                base - side * width);
    path.closeSubpath();
}

// The body as one polygon: the outer edge from neck to tail, then the inner edge back.
QPainterPath bodyOutline() {
    QPolygonF left, right;
    for (int i = 0; i <= kSamples; ++i) {
        const double t = double(i) / kSamples;
        left << spine(t) + outward(t) * halfWidth(t);
        right.prepend(spine(t) - outward(t) * halfWidth(t));
    }
    QPainterPath path;
    path.addPolygon(left + right);
    path.closeSubpath();
    return path;
}

// Saw-tooth crest along the outer edge, leaning back towards the tail.
QPainterPath crest() {
    QPainterPath path;
    for (double t = 0.06; t < 0.93; t += 0.042) {
        const double w = halfWidth(t);
        const QPointF base = spine(t) + outward(t) * (w * 0.7);
        const QPointF tip = base + outward(t) * (0.035 + 0.45 * w) + tangent(t) * 0.03;
        path.moveTo(base - tangent(t) * 0.02);
        path.quadTo(base + outward(t) * 0.03, tip);
        path.lineTo(base + tangent(t) * 0.02);
        path.closeSubpath();
    }
    for (double bend : {-0.5, 0.0, 0.5}) {
        addTuft(path, spine(0.985), unit(tangent(1) + outward(1) * bend), 0.1, bend * 0.4, 0.018);
    }
    return path;
}

// A leg reaching out from the body towards the head, with an elbow tuft and three claws;
// side +1 is the outside of the coil, -1 the inside.
QPainterPath leg(double t, double side) {
    const QPointF root = spine(t);
    const QPointF out = outward(t) * (side * 1.3);
    const QPointF back = tangent(t) * 1.3;
    const auto at = [&](double x, double y) { return root + out * x + back * y; };
    QPainterPath path(at(0, -0.045));
    path.quadTo(at(0.1, -0.05), at(0.13, -0.03));
    path.quadTo(at(0.16, -0.07), at(0.17, -0.11));
    path.lineTo(at(0.14, -0.115));
    path.quadTo(at(0.13, -0.05), at(0.1, 0.0));
    path.quadTo(at(0.06, 0.05), at(0, 0.045));
    path.closeSubpath();
    addTuft(path, at(0.12, -0.02), unit(at(0.2, 1) - root), 0.09, side * 0.3, 0.022);
    for (int claw = -1; claw <= 1; ++claw) {
        const QPointF start = at(0.155 + 0.012 * claw, -0.11);
        const QPointF direction = unit(at(0.45 * claw, -1) - root);
        addTuft(path, start, direction, 0.055, 0.35, 0.01);
    }
    return path;
}

// Overlapping scale arcs laid in rows along the body, opening towards the tail.
QPainterPath scales() {
    QPainterPath path;
    int row = 0;
    for (double t = 0.03; t < 0.95; t += 0.018, ++row) {
        const double w = halfWidth(t);
        const double size = std::max(0.012, w * 0.42);
        for (double across = -0.75 + (row % 2) * 0.375; across < 0.8; across += 0.75) {
            const QPointF centre = spine(t) + outward(t) * (w * across);
            const double heading = std::atan2(tangent(t).y(), tangent(t).x()) * 180 / kPi;
            QRectF box(centre.x() - size, centre.y() - size, 2 * size, 2 * size);
            path.arcMoveTo(box, -heading + 90);
            path.arcTo(box, -heading + 90, 180);
        }
    }
    return path;
}

// Head features are laid out in a frame at the neck: x forward along the gaze, y towards
// the jaw, which faces the inside of the coil so that the head's top continues the crest.
class HeadFrame {
public:
    HeadFrame(QPointF origin, QPointF forward, QPointF jaw)
        : origin_(origin), forward_(forward), jaw_(jaw) {}

    static HeadFrame atNeck() {
        const QPointF back = -tangent(0);
        const double turn = -50 * kPi / 180;  // the head turns in towards the pearl
        const QPointF forward(back.x() * std::cos(turn) - back.y() * std::sin(turn),
                              back.x() * std::sin(turn) + back.y() * std::cos(turn));
        QPointF jaw(-forward.y(), forward.x());
        if (QPointF::dotProduct(jaw, -spine(0)) < 0) jaw = -jaw;
        const double size = 1.35;
        return HeadFrame(spine(0), forward * size, jaw * size);
    }
    QPointF operator()(double x, double y) const { return origin_ + forward_ * x + jaw_ * y; }

private:
    QPointF origin_;
    QPointF forward_;
    QPointF jaw_;
};

QPainterPath skull(const HeadFrame& at) {
    QPainterPath path(at(-0.05, -0.02));
    path.cubicTo(at(-0.04, -0.1), at(0.08, -0.15), at(0.15, -0.1));
    path.quadTo(at(0.17, -0.078), at(0.21, -0.075));
    path.lineTo(at(0.3, -0.072));
    path.quadTo(at(0.33, -0.105), at(0.36, -0.085));
    path.quadTo(at(0.38, -0.055), at(0.35, -0.035));
    path.quadTo(at(0.33, -0.02), at(0.3, -0.022));
    path.lineTo(at(0.15, -0.008));
    path.lineTo(at(0.3, 0.035));
    path.quadTo(at(0.325, 0.055), at(0.29, 0.066));
    path.quadTo(at(0.2, 0.09), at(0.1, 0.09));
    path.cubicTo(at(0.02, 0.095), at(-0.06, 0.06), at(-0.05, -0.02));
    path.closeSubpath();
    return path;
}

// Mane, beard, brow and the two horns, drawn behind the skull.
QPainterPath maneAndHorns(const HeadFrame& at) {
    QPainterPath path;
    const QPointF origin = at(0, 0);
    const auto towards = [&](double x, double y) { return unit(at(x, y) - origin); };
    for (int i = 0; i < 3; ++i) {
        addTuft(path, at(0.0 - 0.045 * i, -0.06 + 0.02 * i), towards(-0.8, -0.55 + 0.1 * i),
                0.15 - 0.015 * i, 0.3, 0.028);
    }
    for (int i = 0; i < 3; ++i) {
        addTuft(path, at(0.16 - 0.06 * i, 0.08), towards(-0.5, 0.8), 0.11 - 0.01 * i, 0.3, 0.022);
    }
    for (double shift : {0.0, 0.04}) {
        path.moveTo(at(0.1 - shift, -0.12));
        path.cubicTo(at(0.05 - shift, -0.22), at(-0.07 - shift, -0.17), at(-0.18 - shift, -0.26));
        path.cubicTo(at(-0.08 - shift, -0.2), at(0.0 - shift, -0.24), at(0.06 - shift, -0.11));
        path.closeSubpath();
    }
    return path;
}

// Two fangs hanging from the upper jaw.
QPainterPath fangs(const HeadFrame& at) {
    QPainterPath path;
    for (double x : {0.2, 0.27}) {
        path.moveTo(at(x - 0.012, -0.015));
        path.lineTo(at(x - 0.004, 0.02));
        path.lineTo(at(x + 0.012, -0.02));
        path.closeSubpath();
    }
    return path;
}

QPainterPath whiskersAndTongue(const HeadFrame& at) {
    QPainterPath path(at(0.35, -0.07));
    path.cubicTo(at(0.44, -0.2), at(0.2, -0.26), at(0.1, -0.36));
    path.moveTo(at(0.3, -0.025));
    path.cubicTo(at(0.4, 0.08), at(0.2, 0.2), at(0.08, 0.19));
    path.moveTo(at(0.16, 0.005));
    path.cubicTo(at(0.26, 0.0), at(0.33, 0.015), at(0.36, 0.0));
    path.quadTo(at(0.38, -0.012), at(0.37, -0.02));
    return path;
}

QPainterPath eye(const HeadFrame& at) {
    QPainterPath path(at(0.1, -0.075));
    path.quadTo(at(0.145, -0.112), at(0.19, -0.078));
    path.quadTo(at(0.145, -0.055), at(0.1, -0.075));
    path.closeSubpath();
    return path;
}

// The flaming pearl the dragon chases, with its swirl.
QPainterPath pearl(QPointF centre, double r) {
    QPainterPath path;
    for (int i = 0; i < 3; ++i) {
        const double a = (-90 + (i - 1) * 50) * kPi / 180;
        const QPointF d(std::cos(a), std::sin(a));
        addTuft(path, centre + d * (r * 0.7), d, r * 1.5, 0.3 * (1 - i), r * 0.35);
    }
    path.addEllipse(centre, r, r);
    path.moveTo(centre);
    path.arcTo(QRectF(centre.x() - r * 0.5, centre.y() - r * 0.5, r, r), 180, -270);
    return path;
}

void paintHead(QPainter& painter, const HeadFrame& at, const DragonStyle& style, const QPen& pen,
               const QPen& fine) {
    painter.setPen(pen);
    painter.setBrush(style.body);
    painter.drawPath(maneAndHorns(at));
    painter.drawPath(skull(at));
    painter.drawPath(fangs(at));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(fine);
    painter.drawPath(whiskersAndTongue(at));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.line);
    painter.drawPath(eye(at));
    painter.drawEllipse(at(0.345, -0.065), 0.008, 0.008);
    painter.setPen(pen);
    painter.setBrush(style.body);
    painter.drawPath(pearl(at(0.56, 0.03), 0.075));
}

}  // namespace

void paintDragonRoundel(QPainter& painter, double radius, const DragonStyle& style) {
    painter.save();
    painter.scale(radius, radius);
    QPen pen(style.line, style.lineWidth / radius);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    QPen fine = pen;
    fine.setWidthF(pen.widthF() * 0.7);

    painter.setPen(pen);
    painter.setBrush(style.body);
    for (double t : {0.16, 0.62})
        painter.drawPath(leg(t, 1));
    for (double t : {0.3, 0.78})
        painter.drawPath(leg(t, -1));
    painter.drawPath(crest());
    const QPainterPath body = bodyOutline();
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    painter.setPen(fine);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(scales());
    painter.restore();

    paintHead(painter, HeadFrame::atNeck(), style, pen, fine);
    painter.restore();
}
