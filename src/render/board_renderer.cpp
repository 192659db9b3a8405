#include "render/board_renderer.h"

#include "render/raster_ops.h"
#include "variants/clicks_grid.h"

namespace ribaku::render {

QRect TDamageRect::Pixels() const {
    return QRect(QPoint(Left, Top) - kBoardShift, QSize(Right - Left, Bottom - Top));
}

BoardRenderer::BoardRenderer(const Game& game, const Tileset& tileset, const Background& background,
                             const BoardPieces& pieces)
    : game_(game), tileset_(tileset), background_(background), pieces_(pieces) {}

void BoardRenderer::FullRedraw() {
    DamageRect = TDamageRect{};
    Redraw();
}

void BoardRenderer::RedrawTile(int tile) {
    if (tile < 0 || tile > kTileCount) return;
    RedrawBox(game_.state.TilePos[tile]);
}

void BoardRenderer::RedrawBox(const TCellPos& p) {
    const TBoardState& s = game_.state;
    const int X = s.CoordX(p.column, p.level);
    const int Y = s.CoordY(p.row, p.level);
    // Shadows reach 10 pixels beyond the tile box on each side.
    RedrawArea(game_.options.Shadows ? TDamageRect{X - 16, Y - 10, X + 50, Y + 66}
                                     : TDamageRect{X - kEdge, Y, X + kFaceWidth, Y + kTileHeight});
}

void BoardRenderer::RedrawHighlight(int tile) {
    if (tile < 0 || tile > kTileCount) return;
    const TBoardState& s = game_.state;
    const TCellPos& p = s.TilePos[tile];
    const int X = s.CoordX(p.column, p.level);
    const int Y = s.CoordY(p.row, p.level);
    RedrawArea(TDamageRect{X, Y, X + kFaceWidth, Y + kFaceHeight});
}

void BoardRenderer::RedrawArea(const TDamageRect& area) {
    DamageRect = area;
    Redraw();
    DamageRect = TDamageRect{};
}

void BoardRenderer::Redraw() {
    if (backBuffer_.isNull()) backBuffer_ = BlackPicture(kBoardWidth, kBoardHeight);
    const bool whole = DamageRect.IsWholeBoard();
    const QRect pixels = whole ? backBuffer_.rect() : DamageRect.Pixels() & backBuffer_.rect();
    {
        QPainter painter(&backBuffer_);
        // Nothing outside the damage changes, so the back buffer always equals a full redraw.
        painter.setClipRect(pixels);
        BitBlt(painter, pixels.topLeft(), background_.BackgroundBitmap(), pixels, Rop::Copy);
        const BoardMode* kind = game_.Kind();
        if (!kind || kind->Traits().drawsTiles) {
            DrawTiles(painter);
        } else {
            RedrawClicks(painter);
        }
    }
    CopyToScreen(pixels);
}

// Columns right to left and rows top to bottom, so that each tile covers the edges of the
// tiles to its right and above it; levels bottom up.
void BoardRenderer::DrawTiles(QPainter& painter) {
    const TBoardState& s = game_.state;
    for (int l = 1; l <= kMapLevels; ++l) {
        for (int c = kMapColumns; c >= 1; --c) {
            for (int r = 1; r <= kMapRows; ++r) {
                const uint8_t cell = s.Board(c, r, l);
                if (HoldsDrawnTile(cell) || s.EditCursor == TCellPos{c, r, l}) {
                    ShowIt(painter, c, r, l, cell);
                }
            }
        }
    }
}

// Columns right to left, rows top to bottom: each 38-pixel block on its 32-pixel pitch
// overlaps its right and upper neighbours by 6 pixels.
void BoardRenderer::RedrawClicks(QPainter& painter) {
    const TBoardState& s = game_.state;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (int k = kClicksLastColumn; k >= kClicksFirstColumn; --k) {
        for (int r = kClicksTopRow; r <= kClicksBottomRow; ++r) {
            const uint8_t block = s.ClicksGrid[k][r];
            if (block == 0 || block > pieces_.Clicko.size()) continue;
            painter.drawImage(
                QPoint(32 * (k - 1) + s.BoardOriginX + 6, 32 * (r - 1) + s.BoardOriginY),
                pieces_.Clicko[block - 1]);
        }
    }
}

void BoardRenderer::CopyToScreen(const QRect& pixels) {
    if (pixels.isEmpty()) return;
    if (screen_.isNull()) screen_ = BlackPicture(kBoardWidth, kBoardHeight);
    {
        QPainter painter(&screen_);
        BitBlt(painter, pixels.topLeft(), backBuffer_, pixels, Rop::Copy);
    }
    if (screenChanged) screenChanged(pixels);
}

// The background covers the whole screen: the screen shares its pixels until a board is
// drawn over them.
void BoardRenderer::ShowBackground() {
    screen_ = background_.BackgroundBitmap();
    if (screenChanged) screenChanged(screen_.rect());
}

}  // namespace ribaku::render
