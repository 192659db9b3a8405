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

// The small index in the upper-left corner: the number of a flower, season or suit tile, the
// letter of a wind.
void drawCornerIndex(QPainter& painter, const QString& index, const QColor& colour);

// The dots and bamboos are drawn for the whole face, then set this much smaller into its
// lower right, where they leave the corner index clear.
constexpr double kIndexedScale = 0.84;

// A point of the whole face moved to its place in that smaller area.
QPointF indexedPoint(const QPointF& point);

// Scales the painter so that what follows is drawn into that smaller area.
void enterIndexedArea(QPainter& painter);

// A stroke that tapers to nothing: a brush line for branches and stems.
void drawBrushLine(QPainter& painter, const QPainterPath& spine, double width,
                   const QColor& colour);

}  // namespace tileset
