#pragma once
// Lays out a whole tileset picture: faces, masks, blank tile, colour faces and silhouette.

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "face_raster.h"

namespace tileset {

struct TilesetStyle {
    QString fileName;
    QColor border;    // colour of the tile's back, seen on its edges
    bool fewColours;  // written as an 8-bit palette picture
};

// The four tilesets the program ships, in the order of its Tileset menu.
const std::array<TilesetStyle, 4>& builtInTilesets();

// First highlight (selection) and second highlight (hint, pointer) colours.
QColor selectionColour();
QColor hintColour();

// `faces` holds the art of faces 1..42 at index face − 1, drawn `scale` times the size, as
// the whole picture is. The result is RGB32.
QImage drawTilesetPicture(const TilesetStyle& style, const std::vector<FaceArt>& faces, int scale);

// "name@2x.bmp" for "name.bmp": the picture at twice the size, for screens of twice the
// density, whose cells are the same table with every number doubled.
QString doubledFileName(const TilesetStyle& style);

}  // namespace tileset
