#include "render_harness.h"

namespace ribaku::render::testing {

void RenderHarness::ForwardingView::ShowBackground() {
    FakeView::ShowBackground();
    if (renderer) renderer->ShowBackground();
}

void RenderHarness::ForwardingView::FullRedraw() {
    FakeView::FullRedraw();
    if (renderer) renderer->FullRedraw();
}

void RenderHarness::ForwardingView::RedrawTile(int tile) {
    FakeView::RedrawTile(tile);
    if (renderer) renderer->RedrawTile(tile);
}

RenderHarness::RenderHarness() {
    view.renderer = &renderer;
    tileset.SetTilesetBitmap(SyntheticTileset(), "synthetic");
    QImage ground(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    ground.fill(kGround);
    background.SetPicture(ground);
    game.state.BoardOriginX = 36;
    game.state.BoardOriginY = 25;
    game.state.GameMode = gmSolitaire;
    game.state.TileTotal = kTileCount;
    game.options.Shadows = false;
    game.ColorHighlight();
}

void RenderHarness::Place(int tile, int c, int r, int l) {
    game.state.Board(c, r, l) = static_cast<uint8_t>(tile);
    game.state.TilePos[tile] = TCellPos{c, r, l};
    ++game.state.TilesLeft;
}

void RenderHarness::Remove(int tile) {
    TBoardState& s = game.state;
    s.Board[s.TilePos[tile]] = 0;
    --s.TilesLeft;
    renderer.RedrawTile(tile);
    s.TilePos[tile] = TCellPos{};
}

QPoint RenderHarness::FaceAt(int c, int r, int l) const {
    return QPoint(game.state.CoordX(c, l), game.state.CoordY(r, l)) - kBoardShift;
}

QRect DifferingArea(const QImage& a, const QImage& b) {
    QRect area;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

}  // namespace ribaku::render::testing
