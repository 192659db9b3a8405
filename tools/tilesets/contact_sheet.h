#pragma once
// Proof sheets for judging a tileset by eye: the tiles composed exactly as the game composes
// them, laid out alone, stacked as on a board, and highlighted.

#include <QImage>

namespace tileset {

// The 42 tile images as the game composes them from a tileset picture: blank tile copied,
// face mask ANDed, face ORed; tile of grid cell (col, row) at (46·col, 56·row).
QImage composeTileImages(const QImage& tilesetPicture);

// All tiles on a background, a small stacked board, and selected and hinted tiles.
QImage contactSheet(const QImage& tilesetPicture);

}  // namespace tileset
