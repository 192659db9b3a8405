#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>

#include "game/game.h"
#include "render/background.h"
#include "render/board_pieces.h"
#include "render/tileset.h"

namespace ribaku::render {

// Board coordinates are the board picture's pixels shifted by this much.
inline constexpr QPoint kBoardShift{26, 19};

// Cells holding 1..154 are drawn; 0 is empty and 155 a position not dealt yet.
inline bool HoldsDrawnTile(uint8_t cell) {
    return cell >= 1 && cell < kUndealt;
}

// The part of the board a redraw restores, in board coordinates, right and bottom
// excluded. Bottom = -1 marks the whole board.
struct TDamageRect {
    int32_t Left = -1;
    int32_t Top = -1;
    int32_t Right = -1;
    int32_t Bottom = -1;

    bool IsWholeBoard() const { return Bottom == -1; }
    // The same area in the board picture's pixels.
    QRect Pixels() const;
};

// Composes the board off screen (background, then the tiles level by level with their
// edges, marks and shadows) and copies the result, or only its damaged part, to the
// screen picture the window shows. The same state always gives the same pixels.
class BoardRenderer {
public:
    BoardRenderer(const Game& game, const Tileset& tileset, const Background& background,
                  const BoardPieces& pieces);

    // The whole board.
    void FullRedraw();
    // A tile and, with shadows on, the shadows around it. Call it after the tile left or
    // entered Board and before its TilePos changes, so that its old place is repainted.
    void RedrawTile(int tile);
    // The box of a tile at `cell`, with its shadows: also where no tile lies (the ghost).
    void RedrawBox(const TCellPos& cell);
    // A tile's face only: the pointer highlight.
    void RedrawHighlight(int tile);
    // Redraws DamageRect (or everything for the marker), after the end-of-game test.
    void Redraw();
    // The background alone on the screen, hiding the board.
    void ShowBackground();

    // Draws at twice the size from now on when the screen has more than one pixel a point
    // (`devicePixelRatio` of the widget showing the board), and redraws what the screen
    // showed. Board coordinates and damage stay in the board picture's own pixels.
    void SetScale(qreal devicePixelRatio);

    // The window's board image: what the screen shows. Both pictures are made at their first
    // use (null before): the welcome screen shows the background alone.
    const QImage& Screen() const { return screen_; }
    const QImage& BackBuffer() const { return backBuffer_; }

    TDamageRect DamageRect;

    // Told which rectangle of Screen() changed, in board pixels, so that the window repaints it.
    std::function<void(const QRect&)> screenChanged;

private:
    void RedrawArea(const TDamageRect& area);
    void DrawTiles(QPainter& painter);
    void RedrawClicks(QPainter& painter);
    void CopyToScreen(const QRect& area);
    // The pieces at the drawing's scale.
    const BoardPieces& Pieces() const { return scale_ == 1 ? pieces_ : doubledPieces_; }

    // show_it.cpp: one tile (or the editor's ghost cell) into BackBuffer.
    void ShowIt(QPainter& painter, int c, int r, int l, int tile);
    bool OutsideDamage(int X, int Y) const;
    void DrawBody(QPainter& painter, QPoint at, QPoint image, bool shortEdge);
    void DrawPlainFace(QPainter& painter, QPoint at, bool cursor);
    void DrawFill(QPainter& painter, QPoint at, int tile);
    void DrawOutline(QPainter& painter, QPoint at);

    const Game& game_;
    const Tileset& tileset_;
    const Background& background_;
    const BoardPieces& pieces_;
    BoardPieces doubledPieces_;  // made when the scale becomes 2
    int scale_ = 1;
    bool showsBoard_ = false;  // rather than the background alone
    QImage backBuffer_;
    QImage screen_;
};

}  // namespace ribaku::render
