#pragma once
// Where everything lives in a tileset picture, and the shape of a tile.

#include <QPoint>
#include <QRect>

namespace tileset {

constexpr int kFaceCount = 42;
constexpr int kFaceWidth = 40;
constexpr int kFaceHeight = 50;
constexpr int kEdge = 6;  // the 3-D edge left of and below the face
constexpr int kTileWidth = kFaceWidth + kEdge;
constexpr int kTileHeight = kFaceHeight + kEdge;

// The smallest picture that holds every cell, 369 × 567, widened to a multiple of four pixels:
// then the rows of a BMP file need no padding, which Qt's writer leaves uninitialised in
// 8-bit pictures, so the same tileset always gives the same bytes.
constexpr int kPictureWidth = 372;
constexpr int kPictureHeight = 567;
constexpr int kMaskDrop = 312;  // a face's mask lies this far below the face

constexpr QPoint kBlankTile{0, 256};
constexpr QPoint kBlankFace{6, 256};
constexpr QPoint kSelectionColour{52, 256};
constexpr QPoint kHintColour{98, 256};
constexpr QPoint kSilhouette{138, 256};

struct GridCell {
    int col;
    int row;
};

// Column and row of face 1..42 in the face grid.
GridCell faceGrid(int face);

// Top-left corner of face 1..42 and of its mask in the tileset picture.
QPoint facePlace(int face);
QPoint maskPlace(int face);

// The tile box seen from above and to the right: the face, a band left of it and a band
// below it, both ending in 45-degree chamfers. (x, y) is a pixel of the 46 × 56 box drawn
// `scale` times the size.
bool insideSilhouette(int x, int y, int scale);

// Which side of the tile a pixel of the box shows.
enum class TilePart { Outside, Face, LeftSide, BottomSide };
TilePart tilePart(int x, int y, int scale);

// How deep into a side band a pixel lies, in pixels of the box at its own size: 0 next to
// the face, kEdge − 1 at the outer rim.
int sideDepth(int x, int y, int scale);

}  // namespace tileset
