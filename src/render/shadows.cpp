#include "render/shadows.h"

#include <array>

#include "render/board_renderer.h"

namespace ribaku::render {
namespace {

struct PieceAt {
    bool horizontal = false;  // ImageListHoriz rather than ImageList
    int index = 0;
    int dx = 0;
    int dy = 0;
};

// Where a tile lies one level up, relative to the shadowed tile, and the pieces it casts.
struct ShadowCase {
    int dc = 0;
    int dr = 0;
    int count = 0;
    std::array<PieceAt, 3> pieces{};
};

constexpr PieceAt IL(int index, int dx, int dy) {
    return {false, index, dx, dy};
}
constexpr PieceAt IH(int dx, int dy) {
    return {true, 0, dx, dy};
}

// In this order; some places appear twice, casting on two borders of the face.
constexpr std::array<ShadowCase, 16> kShadowCases{{
    {+1, -2, 2, {IL(3, 20, 0), IL(1, 30, 0)}},
    {0, -2, 3, {IL(3, 0, 0), IH(10, 0), IL(1, 30, 0)}},
    {-1, -2, 2, {IH(0, 0), IL(4, 20, 0)}},
    {-2, -2, 1, {IL(4, 0, 0)}},
    {+1, -1, 2, {IL(3, 20, 25), IL(1, 30, 25)}},
    {0, -1, 3, {IL(3, 0, 25), IH(10, 25), IL(1, 30, 25)}},
    {-1, -1, 2, {IH(0, 25), IL(4, 20, 25)}},
    {-2, -1, 1, {IL(4, 0, 25)}},
    {-2, +1, 2, {IL(4, 0, 25), IL(5, 0, 35)}},
    {-2, 0, 3, {IL(4, 0, 0), IL(2, 0, 10), IL(2, 0, 30)}},
    {-2, -1, 3, {IL(5, 0, 0), IL(1, 0, 15), IL(3, 0, 25)}},
    {-2, -2, 1, {IL(3, 0, 0)}},
    {-1, +1, 2, {IL(4, 20, 25), IL(5, 20, 35)}},
    {-1, 0, 3, {IL(4, 20, 0), IL(2, 20, 10), IL(2, 20, 30)}},
    {-1, -1, 3, {IL(5, 20, 0), IL(1, 20, 15), IL(3, 20, 25)}},
    {-1, -2, 1, {IL(3, 20, 0)}},
}};

}  // namespace

void DrawShadows(QPainter& painter, const TBoard& board, int c, int r, int l, QPoint face,
                 const BoardPieces& pieces, int scale) {
    if (l >= kMapLevels || c < 2 || r < 2) return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const ShadowCase& shadow : kShadowCases) {
        if (!HoldsDrawnTile(board(c + shadow.dc, r + shadow.dr, l + 1))) continue;
        for (int i = 0; i < shadow.count; ++i) {
            const PieceAt& piece = shadow.pieces[i];
            const QImage& image =
                piece.horizontal ? pieces.ImageListHoriz : pieces.ImageList[piece.index];
            painter.drawImage(face + QPoint(piece.dx, piece.dy) * scale, image);
        }
    }
}

}  // namespace ribaku::render
