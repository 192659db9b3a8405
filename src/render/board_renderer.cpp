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
    if (backBuffer_.isNull())
        backBuffer_ = BlackPicture(scale_ * kBoardWidth, scale_ * kBoardHeight);
    const QRect board(0, 0, kBoardWidth, kBoardHeight);
    const QRect area = DamageRect.IsWholeBoard() ? board : DamageRect.Pixels() & board;
    const QRect pixels = Scaled(area, scale_);
    {
        QPainter painter(&backBuffer_);
        // Nothing outside the damage changes, so the back buffer always equals a full redraw.
        painter.setClipRect(pixels);
        BitBlt(painter, pixels.topLeft(), background_.BackgroundBitmap(scale_), pixels, Rop::Copy);
        const BoardMode* kind = game_.Kind();
        if (!kind || kind->Traits().drawsTiles) {
            DrawTiles(painter);
        } else {
            RedrawClicks(painter);
        }
    }
    CopyToScreen(area);
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
                QPoint(32 * (k - 1) + s.BoardOriginX + 6, 32 * (r - 1) + s.BoardOriginY) * scale_,
                Pieces().Clicko[block - 1]);
        }
    }
}

void BoardRenderer::CopyToScreen(const QRect& area) {
    if (area.isEmpty()) return;
    if (screen_.size() != backBuffer_.size())
        screen_ = BlackPicture(backBuffer_.width(), backBuffer_.height());
    const QRect pixels = Scaled(area, scale_);
    {
        QPainter painter(&screen_);
        BitBlt(painter, pixels.topLeft(), backBuffer_, pixels, Rop::Copy);
    }
    showsBoard_ = true;
    if (screenChanged) screenChanged(area);
}

// The background covers the whole screen: the screen shares its pixels until a board is
// drawn over them.
void BoardRenderer::ShowBackground() {
    screen_ = background_.BackgroundBitmap(scale_);
    showsBoard_ = false;
    if (screenChanged) screenChanged(QRect(0, 0, kBoardWidth, kBoardHeight));
}

void BoardRenderer::SetScale(qreal devicePixelRatio) {
    const int scale = devicePixelRatio > 1 ? kMaxScale : 1;
    if (scale == scale_) return;
    scale_ = scale;
    if (scale_ != 1) doubledPieces_ = DoubledPieces(pieces_);
    backBuffer_ = QImage();
    if (screen_.isNull()) return;
    if (showsBoard_) {
        FullRedraw();
    } else {
        ShowBackground();
    }
}

}  // namespace ribaku::render
