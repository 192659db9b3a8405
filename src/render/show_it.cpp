// One tile of the board: its body with the three-dimensional edge, its face as the mode
// shows it, its marks and the shadows cast on it.
#include "core/tiles.h"
#include "render/board_renderer.h"
#include "render/raster_ops.h"
#include "render/shadows.h"

namespace ribaku::render {
namespace {

// The rectangle (1, 1)-(39, 49) of the face outlined with the pen centred on its sides, in
// the pixels of the board drawn `scale` times the size.
void OutlineRect(QPainter& painter, QPoint face, const THighlightPen& pen, int scale) {
    const QColor colour(pen.red, pen.green, pen.blue);
    const int before = (pen.width - 1) / 2;
    const int left = 1 - before;
    const int top = 1 - before;
    const int right = kFaceWidth - 2 - before;  // the last pixel column inside
    const int bottom = kFaceHeight - 2 - before;
    const int w = pen.width;
    for (const QRect& side :
         {QRect(left, top, right - left + w, w), QRect(left, bottom, right - left + w, w),
          QRect(left, top, w, bottom - top + w), QRect(right, top, w, bottom - top + w)})
        painter.fillRect(Scaled(side, scale).translated(face), colour);
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
    const QPoint face = (QPoint(X, Y) - kBoardShift) * scale_;

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
    if (game_.options.Shadows) DrawShadows(painter, s.Board, c, r, l, face, Pieces(), scale_);
}

// `face` and the rest in the pixels of the board drawn scale_ times the size.
void BoardRenderer::DrawBody(QPainter& painter, QPoint face, QPoint image, bool shortEdge) {
    const int k = scale_;
    const QImage& bitmap = tileset_.TilesetBitmap(k);
    const QImage& tiles = tileset_.TileImages(k);
    const QPoint box = face - QPoint(kEdge, 0) * k;
    if (!shortEdge) {
        BitBlt(painter, box, bitmap, Scaled(kSilhouetteMask, k), Rop::And);
        BitBlt(painter, box, tiles, Scaled(QRect(image, QSize(kTileWidth, kTileHeight)), k),
               Rop::Paint);
        return;
    }
    // The tile without its bottom edge, then the edge's first 21 pixels and its cut end.
    constexpr int kShortEdge = 21;
    const QPoint edge = box + QPoint(0, kFaceHeight) * k;
    const QPoint edgeEnd = edge + QPoint(kShortEdge, 0) * k;
    BitBlt(painter, box, bitmap,
           Scaled(QRect(kSilhouetteMask.topLeft(), QSize(kTileWidth, kFaceHeight)), k), Rop::And);
    BitBlt(painter, box, tiles, Scaled(QRect(image, QSize(kTileWidth, kFaceHeight)), k),
           Rop::Paint);
    BitBlt(painter, edge, tiles,
           Scaled(QRect(image + QPoint(0, kFaceHeight), QSize(kShortEdge, kEdge)), k), Rop::Copy);
    BitBlt(painter, edgeEnd, bitmap, Scaled(kEdgeEndMask, k), Rop::And);
    BitBlt(painter, edgeEnd, tiles,
           Scaled(QRect(image + QPoint(kFaceWidth, kFaceHeight), QSize(kEdge, kEdge)), k),
           Rop::Paint);
}

// Face down: Memory's hidden tiles and every tile of the layout editor, whose cursor cell
// shows the first highlight colour.
void BoardRenderer::DrawPlainFace(QPainter& painter, QPoint face, bool cursor) {
    BitBlt(painter, face, tileset_.TilesetBitmap(scale_),
           Scaled(cursor ? kFirstColourFace : kBlankFace, scale_), Rop::Copy);
}

// Selected tiles on the first highlight colour, hints and the coloured pointer highlight on
// the second; or the face inverted.
void BoardRenderer::DrawFill(QPainter& painter, QPoint face, int tile) {
    if (game_.options.Invert) {
        const QImage& filled = Pieces().Filled;
        BitBlt(painter, face, filled, filled.rect(), Rop::Invert);
        return;
    }
    const TBoardState& s = game_.state;
    const QImage& bitmap = tileset_.TilesetBitmap(scale_);
    const bool selected = tile == s.Selected1 || tile == s.Selected2;
    const QRect bare = Scaled(FaceRect(TileFace(tile)), scale_);
    BitBlt(painter, face, bitmap, Scaled(selected ? kFirstColourFace : kSecondColourFace, scale_),
           Rop::Copy);
    BitBlt(painter, face, bitmap, bare.translated(0, scale_ * kMaskOffset), Rop::And);
    BitBlt(painter, face, bitmap, bare, Rop::Paint);
}

void BoardRenderer::DrawOutline(QPainter& painter, QPoint face) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    OutlineRect(painter, face, game_.HighlightPen, scale_);
}

}  // namespace ribaku::render
