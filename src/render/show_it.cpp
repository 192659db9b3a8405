// One tile of the board: its body with the three-dimensional edge, its face as the mode
// shows it, its marks and the shadows cast on it.
#include "core/tiles.h"
#include "render/board_renderer.h"
#include "render/raster_ops.h"
#include "render/shadows.h"

namespace ribaku::render {
namespace {

// The rectangle (x + 1, y + 1)-(x + 39, y + 49) outlined with the pen centred on its sides.
void OutlineRect(QPainter& painter, QPoint face, const THighlightPen& pen) {
    const QColor colour(pen.red, pen.green, pen.blue);
    const int before = (pen.width - 1) / 2;
    const int left = face.x() + 1 - before;
    const int top = face.y() + 1 - before;
    const int right = face.x() + kFaceWidth - 2 - before;  // the last pixel column inside
    const int bottom = face.y() + kFaceHeight - 2 - before;
    const int w = pen.width;
    painter.fillRect(QRect(left, top, right - left + w, w), colour);
    painter.fillRect(QRect(left, bottom, right - left + w, w), colour);
    painter.fillRect(QRect(left, top, w, bottom - top + w), colour);
    painter.fillRect(QRect(right, top, w, bottom - top + w), colour);
}

}  // namespace

bool BoardRenderer::OutsideDamage(int X, int Y) const {
    const TDamageRect& d = DamageRect;
    return !(X - kEdge < d.Right && X + kFaceWidth > d.Left && Y < d.Bottom &&
             Y + kTileHeight > d.Top);
}

void BoardRenderer::ShowIt(QPainter& painter, int c, int r, int l, int tile) {
    const TBoardState& s = game_.state;
    const int X = s.CoordX(c, l);
    const int Y = s.CoordY(r, l);
    if (!DamageRect.IsWholeBoard() && OutsideDamage(X, Y)) return;
    const QPoint face = QPoint(X, Y) - kBoardShift;

    const BoardMode* kind = game_.Kind();
    const bool editor = kind && kind->Traits().editsLayout;
    const bool faceDown = kind && kind->Traits().facesHidden;
    const int faceNumber = TileFace(tile);
    const QPoint image =
        (editor || faceNumber == 0) ? QPoint(0, 0) : TileImageRect(faceNumber).topLeft();
    // A tile half a tile to the right and one tile lower on this level is drawn before
    // this one: this tile's bottom edge must stop short of its face.
    const bool shortEdge =
        HoldsDrawnTile(s.Board(c + 1, r + 2, l)) || s.EditCursor == TCellPos{c + 1, r + 2, l};
    DrawBody(painter, face, image, shortEdge);

    const bool selected = tile != 0 && (tile == s.Selected1 || tile == s.Selected2);
    const bool pointed = tile != 0 && tile == s.PointedTile;
    const bool colouredTile = game_.options.HighlightMode == THighlightMode::ColouredTile;
    if (editor || (faceDown && !selected)) {
        DrawPlainFace(painter, face, s.EditCursor == TCellPos{c, r, l});
        if (!editor && pointed && !colouredTile) DrawOutline(painter, face);
    } else if (!s.PathFound) {
        const bool hinted = tile != 0 && (tile == s.HintTile1 || tile == s.HintTile2);
        if (selected || hinted || (pointed && colouredTile)) {
            DrawFill(painter, face, tile);
        }
        if (pointed && !colouredTile) DrawOutline(painter, face);
    }
    if (game_.options.Shadows) DrawShadows(painter, s.Board, c, r, l, face, pieces_);
}

void BoardRenderer::DrawBody(QPainter& painter, QPoint face, QPoint image, bool shortEdge) {
    const QImage& bitmap = tileset_.TilesetBitmap();
    const QImage& tiles = tileset_.TileImages();
    const QPoint box = face - QPoint(kEdge, 0);
    if (!shortEdge) {
        BitBlt(painter, box, bitmap, kSilhouetteMask, Rop::And);
        BitBlt(painter, box, tiles, QRect(image, QSize(kTileWidth, kTileHeight)), Rop::Paint);
        return;
    }
    // The tile without its bottom edge, then the edge's first 21 pixels and its cut end.
    constexpr int kShortEdge = 21;
    const QPoint edge = box + QPoint(0, kFaceHeight);
    const QPoint edgeEnd = edge + QPoint(kShortEdge, 0);
    BitBlt(painter, box, bitmap, QRect(kSilhouetteMask.topLeft(), QSize(kTileWidth, kFaceHeight)),
           Rop::And);
    BitBlt(painter, box, tiles, QRect(image, QSize(kTileWidth, kFaceHeight)), Rop::Paint);
    BitBlt(painter, edge, tiles, QRect(image + QPoint(0, kFaceHeight), QSize(kShortEdge, kEdge)),
           Rop::Copy);
    BitBlt(painter, edgeEnd, bitmap, kEdgeEndMask, Rop::And);
    BitBlt(painter, edgeEnd, tiles,
           QRect(image + QPoint(kFaceWidth, kFaceHeight), QSize(kEdge, kEdge)), Rop::Paint);
}

// Face down: Memory's hidden tiles and every tile of the layout editor, whose cursor cell
// shows the first highlight colour.
void BoardRenderer::DrawPlainFace(QPainter& painter, QPoint face, bool cursor) {
    BitBlt(painter, face, tileset_.TilesetBitmap(), cursor ? kFirstColourFace : kBlankFace,
           Rop::Copy);
}

// Selected tiles on the first highlight colour, hints and the coloured pointer highlight on
// the second; or the face inverted.
void BoardRenderer::DrawFill(QPainter& painter, QPoint face, int tile) {
    if (game_.options.Invert) {
        BitBlt(painter, face, pieces_.Filled, pieces_.Filled.rect(), Rop::Invert);
        return;
    }
    const TBoardState& s = game_.state;
    const QImage& bitmap = tileset_.TilesetBitmap();
    const bool selected = tile == s.Selected1 || tile == s.Selected2;
    const QRect bare = FaceRect(TileFace(tile));
    BitBlt(painter, face, bitmap, selected ? kFirstColourFace : kSecondColourFace, Rop::Copy);
    BitBlt(painter, face, bitmap, bare.translated(0, kMaskOffset), Rop::And);
    BitBlt(painter, face, bitmap, bare, Rop::Paint);
}

void BoardRenderer::DrawOutline(QPainter& painter, QPoint face) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    OutlineRect(painter, face, game_.HighlightPen);
}

}  // namespace ribaku::render
