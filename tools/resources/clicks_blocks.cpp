#include "clicks_blocks.h"

#include "supersample.h"
#include "tile_silhouette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kSize = 38;
constexpr int kDepth = 6;
constexpr int kFace = kSize - kDepth;
constexpr qreal kBevel = 3;

QColor mix(const QColor& from, const QColor& to, qreal amount) {
    const auto channel = [&](int a, int b) { return qRound(a + (b - a) * amount); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

QColor darker(const QColor& colour, qreal amount) {
    return mix(colour, Qt::black, amount);
}
QColor lighter(const QColor& colour, qreal amount) {
    return mix(colour, Qt::white, amount);
}

void drawSides(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    const QPolygonF left({{kDepth, 0}, {0, kDepth}, {0, kSize}, {kDepth, kFace}});
    QLinearGradient leftShade(0, 0, 0, kSize);
    leftShade.setColorAt(0, darker(colour, 0.18));
    leftShade.setColorAt(1, darker(colour, 0.38));
    painter.setBrush(leftShade);
    painter.drawPolygon(left);

    const QPolygonF bottom({{kDepth, kFace}, {kSize, kFace}, {kFace, kSize}, {0, kSize}});
    painter.setBrush(darker(colour, 0.58));
    painter.drawPolygon(bottom);
}

// Four trapezoids with mitred corners: lit from the upper left.
void drawBevel(QPainter& painter, const QColor& colour) {
    const QRectF face(kDepth, 0, kFace, kFace);
    const QRectF inner = face.adjusted(kBevel, kBevel, -kBevel, -kBevel);
    const auto trapezoid = [&](QPointF a, QPointF b, QPointF c, QPointF d, const QColor& fill) {
        painter.setBrush(fill);
        painter.drawPolygon(QPolygonF({a, b, c, d}));
    };
    painter.setPen(Qt::NoPen);
    trapezoid(face.topLeft(), face.topRight(), inner.topRight(), inner.topLeft(),
              lighter(colour, 0.55));
    trapezoid(face.topLeft(), inner.topLeft(), inner.bottomLeft(), face.bottomLeft(),
              lighter(colour, 0.30));
    trapezoid(face.topRight(), face.bottomRight(), inner.bottomRight(), inner.topRight(),
              darker(colour, 0.22));
    trapezoid(face.bottomLeft(), inner.bottomLeft(), inner.bottomRight(), face.bottomRight(),
              darker(colour, 0.30));
}

// A soft reflection over the upper part of the face; the lower part keeps the pure colour.
void drawGloss(QPainter& painter) {
    const QRectF inner(kDepth + kBevel, kBevel, kFace - 2 * kBevel, kFace - 2 * kBevel);
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(inner.left() + 1.5, inner.top() + 1, inner.width() - 3, 10), 4, 4);
    QLinearGradient shine(0, inner.top(), 0, inner.top() + 11);
    shine.setColorAt(0, QColor(255, 255, 255, 190));
    shine.setColorAt(1, QColor(255, 255, 255, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawPath(gloss);

    // A small spark at the upper left, where the light comes from.
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(QPointF(inner.left() + 4, inner.top() + 3), 1.6, 1.1);
}

}  // namespace

const std::array<QColor, 5>& clicksBlockColours() {
    static const std::array<QColor, 5> colours = {
        QColor(0, 115, 0), QColor(173, 107, 115), QColor(165, 165, 8),
        QColor(132, 0, 0), QColor(99, 107, 255),
    };
    return colours;
}

QImage clicksBlock(const QColor& colour) {
    const QImage drawn = renderSupersampled(QSize(kSize, kSize), [&](QPainter& painter) {
        drawSides(painter, colour);
        painter.fillRect(QRectF(kDepth, 0, kFace, kFace), colour);
        drawBevel(painter, colour);
        drawGloss(painter);
    });
    QImage block(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // The corners are cut pixel-exactly; inside, no pixel may be pure black, which
            // would turn transparent.
            const QRgb pixel = drawn.pixel(x, y);
            const QRgb safe = (pixel & 0xffffffu) == 0 ? qRgb(1, 1, 1) : pixel;
            const bool inside = tileEdgeDepthAt(x, y, kSize, kSize, kDepth) >= 0;
            block.setPixel(x, y, inside ? safe : qRgb(0, 0, 0));
        }
    }
    return block;
}
