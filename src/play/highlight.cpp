// How the board marks tiles: the pointer highlight modes, the inverted fill, the shadows
// and the current-tile preview. The drawing itself reads these options.
#include "core/game.h"

namespace ribaku {
namespace {

constexpr int kPenWidth = 3;

bool IsRectangleMode(int mode) {
    return mode == 1 || mode == 3 || mode == 4;
}

Game::THighlightPen RectanglePen(int mode) {
    switch (mode) {
        case 1:
            return {255, 0, 0, kPenWidth};
        case 3:
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

void Game::Highlight1Click() {
    DropPointedTile(*this);
    options.HighlightMode = 0;
}

void Game::Highlight2Click(int rectangleMode) {
    if (!IsRectangleMode(rectangleMode)) return;
    DropPointedTile(*this);
    options.HighlightMode = rectangleMode;
    ColorHighlight();
}

void Game::Highlight3Click() {
    DropPointedTile(*this);
    options.HighlightMode = 2;
}

void Game::InvertClick() {
    options.Invert = !options.Invert;
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
