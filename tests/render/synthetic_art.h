#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include "render/board_pieces.h"

// Small pictures made in the tests, with colours chosen so that every pixel of a drawn board
// tells where it came from.
namespace ribaku::render::testing {

inline const QColor kGround(20, 40, 60);         // the background of the test boards
inline const QColor kFaceGround(240, 230, 200);  // the blank face
inline const QColor kEdgeColour(150, 100, 50);   // the left and bottom edges
inline const QColor kFirstColour(255, 220, 0);
inline const QColor kSecondColour(0, 200, 255);
inline const QColor kShadowGrey(128, 128, 128);

// Inside the tile silhouette: the 46 x 56 box without its top-left and bottom-right
// corners, cut along the diagonal 6 pixels deep.
bool InSilhouette(int x, int y);
// Where a face shows its symbol: a block in the middle of the 40 x 50 face.
inline const QRect kSymbol(10, 12, 20, 26);
// The colour of the symbol of the face at grid cell (col, row): different for every face.
QColor SymbolColour(int col, int row);

// A 369 x 567 tileset following the tileset layout, built from the colours above.
QImage SyntheticTileset();

// The shadow pieces of the board drawing: grey checkerboards over their areas, black
// elsewhere; and a white Filled face.
QImage ShadowPieceBitmap(int resource);
// A Clicks block of colour 1..5: 38 x 38 of ClicksBlockColour with two black corners.
QImage ClicksBlockBitmap(int colour);
QColor ClicksBlockColour(int colour);
BoardPieces SyntheticPieces();

// A picture of the given size whose every pixel tells its position.
QImage PositionPicture(int width, int height);

}  // namespace ribaku::render::testing
