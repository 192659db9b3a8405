#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// The shared look of the toolbar glyphs: shapes filled with a colour lit from the upper
// left and drawn round with one dark ink line. The game commands (navy captions) use the
// blue family, the program commands (maroon captions) the warm one.
namespace glyph {

constexpr int kSize = 20;

namespace colour {
inline const QColor ink(24, 26, 52);
inline const QColor blue(38, 92, 206);
inline const QColor ivory(250, 244, 222);
inline const QColor gold(236, 178, 28);
inline const QColor maroon(158, 30, 36);
inline const QColor red(212, 46, 34);
inline const QColor wood(150, 92, 44);
inline const QColor steel(150, 160, 182);
}  // namespace colour

// Fills `shape` with `base` shaded from light (upper left) to dark (lower right) and
// outlines it with the ink line.
void paintShape(QPainter& painter, const QPainterPath& shape, const QColor& base);

// The outline of a line of the given width along `path`, with round ends, as a shape.
QPainterPath strokeShape(const QPainterPath& path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);

// An arrowhead with its tip at `tip`, pointing along `direction` (degrees, 0 = right,
// 90 = up), `length` long and `width` wide at its base.
QPainterPath arrowHead(QPointF tip, qreal direction, qreal length, qreal width);

}  // namespace glyph
