#pragma once
// The tile itself without a symbol: the blank tile with its shaded edge, its silhouette mask,
// and the ground every face symbol is drawn on.

#include <QColor>
#include <QImage>

namespace tileset {

// Each drawn `scale` times the size.

// The ivory face, 40 × 50, with its rim; the same in every tileset.
QImage blankFace(int scale);

// The whole tile box, 46 × 56: blank face plus the left and bottom edge in the tileset's
// border colour; black outside the silhouette.
QImage blankTile(const QColor& border, int scale);

// 46 × 56: black on the tile, white around it.
QImage silhouetteMask(int scale);

}  // namespace tileset
