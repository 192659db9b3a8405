#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Bitmaps that are set pixel by pixel because the board drawing depends on every pixel:
// the shadow pieces, the white `Filled` face and the chooser's miniature tile.
// Black is the transparent colour of all of them except `Filled`.

struct NamedImage {
    QString file;
    QImage image;
};

// 3.bmp (the horizontal piece) and 9.bmp to 13.bmp (the vertical pieces).
std::vector<NamedImage> shadowPieces();

// The 40 x 50 solid white face that inverts a tile face when drawn with XOR.
QImage filledFace();

// The 13 x 15 miniature tile of the layout chooser: a 10 x 12 face with a 3-pixel edge
// to its left and below, like a board tile at a quarter of its size.
QImage miniatureTile();
