#pragma once

#include <QPainter>
#include <QPoint>

#include "core/board_state.h"
#include "render/board_pieces.h"

namespace ribaku::render {

// The shadows that the tiles one level up cast on the tile at (c, r, l), whose face is at
// `face`: checkerboard pieces along the top and left borders of the face's quarters, next
// to the bottom and right sides of the tiles above. Tiles on level 5, in column 1 or in
// row 1 get none. An upper tile, drawn later, covers what lies beneath it. `face` and
// `pieces` are in the pixels of the board drawn `scale` times the size.
void DrawShadows(QPainter& painter, const TBoard& board, int c, int r, int l, QPoint face,
                 const BoardPieces& pieces, int scale);

}  // namespace ribaku::render
