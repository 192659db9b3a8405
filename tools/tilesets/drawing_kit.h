#pragma once
// Shapes the flower and season pictures share.

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

namespace tileset {

// A lens-shaped leaf from base to tip; `bulge` bends it sideways (positive: to the right of
// the base-to-tip direction) and `width` is its widest.
QPainterPath leafPath(const QPointF& base, const QPointF& tip, double width, double bulge = 0);

// A five-petal blossom of radius r with a golden heart.
void drawBlossom(QPainter& painter, const QPointF& centre, double r, const QColor& petals,
                 double turn = 0);

// The small index in the upper-left corner: the number of a flower or season, the letter of
// a wind.
void drawCornerIndex(QPainter& painter, const QString& index, const QColor& colour);

// A stroke that tapers to nothing: a brush line for branches and stems.
void drawBrushLine(QPainter& painter, const QPainterPath& spine, double width,
                   const QColor& colour);

}  // namespace tileset
