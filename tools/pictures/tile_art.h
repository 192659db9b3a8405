#pragma once

#include <QPainter>
#include <QRectF>

// Mah-jongg tiles as decoration for the splash and welcome pictures: an ivory face with a
// coloured left and bottom edge, as the game's own tiles stand on the board.

enum class TileSymbol { RedDragon, GreenDragon, EastWind, FiveDots, ThreeBamboo };

// Paints a tile whose face fills the rectangle; the edge reaches out to its lower left.
void paintTile(QPainter& painter, const QRectF& face, TileSymbol symbol);
