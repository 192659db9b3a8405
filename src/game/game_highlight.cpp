// How the board marks tiles: the pointer highlight modes, the inverted fill, the shadows
// and the current-tile preview. The drawing itself reads these options.
#include "game/game.h"

namespace ribaku {
namespace {

constexpr int kPenWidth = 3;

bool IsRectangleMode(THighlightMode mode) {
    return mode == THighlightMode::RedRectangle || mode == THighlightMode::GreenRectangle ||
           mode == THighlightMode::BlueRectangle;
}

Game::THighlightPen RectanglePen(THighlightMode mode) {
    switch (mode) {
        case THighlightMode::RedRectangle:
            return {255, 0, 0, kPenWidth};
        case THighlightMode::GreenRectangle:
            return {0, 128, 0, kPenWidth};
        default:
            return {0, 0, 255, kPenWidth};
    }
}

// Every change of mode first takes the highlight off the tile under the pointer, so that
// no outline of the old mode stays on the board.
void DropPointedTile(Game& game) {
    const int tile = game.state.PointedTile;
    game.state.PointedTile = 0;
    if (tile != 0) game.DrawTile(tile);
}

}  // namespace

void Game::ColorHighlight() {
    if (IsRectangleMode(options.HighlightMode)) HighlightPen = RectanglePen(options.HighlightMode);
    HighlightPen.width = kPenWidth;
}

void Game::ChooseHighlight(THighlightMode mode) {
    DropPointedTile(*this);
    options.HighlightMode = mode;
    ColorHighlight();  // modes without a rectangle keep the last pen
}

void Game::ShadowsClick() {
    options.Shadows = !options.Shadows;
    DrawBoard();
}

void Game::ShowCurrentTileClick() {
    options.ShowCurrentTile = !options.ShowCurrentTile;
    view_.ShowPanelHOF();
}

}  // namespace ribaku
