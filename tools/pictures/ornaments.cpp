#include "ornaments.h"

#include <cmath>
#include <numbers>

namespace {

// An inward spiral of one and a half turns; sense +1 turns clockwise.
void addSpiral(QPainterPath& path, QPointF centre, double radius, double startDegrees, int sense) {
    constexpr int kSteps = 48;
    for (int i = 0; i <= kSteps; ++i) {
        const double f = double(i) / kSteps;
        const double angle = (startDegrees + sense * 540.0 * f) * std::numbers::pi / 180;
        const double r = radius * (1 - 0.8 * f);
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
}

}  // namespace

QPainterPath auspiciousCloud() {
    QPainterPath path;
    addSpiral(path, QPointF(0, -4), 13, 180, 1);
    addSpiral(path, QPointF(-17, 4), 8, 0, -1);
    addSpiral(path, QPointF(17, 4), 8, 180, 1);
    path.moveTo(-25, 4);
    path.cubicTo(-26, 14, -10, 14, 0, 10);
    path.cubicTo(10, 14, 26, 14, 25, 4);
    path.moveTo(-6, 12);
    path.cubicTo(-14, 20, -30, 18, -40, 24);
    return path;
}
