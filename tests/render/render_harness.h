#pragma once

#include <QImage>
#include <QRect>

#include "game/game.h"
#include "render/board_renderer.h"
#include "support/fake_view.h"
#include "synthetic_art.h"

namespace ribaku::render::testing {

// A game with the synthetic tileset on a plain background, drawn by the real renderer.
// The fake view hands ShowBackground and the redraws the engine asks for to the renderer, as the
// window does.
class RenderHarness {
public:
    RenderHarness();

    // Puts tile `tile` into cell (c, r, l) of the board, without drawing.
    void Place(int tile, int c, int r, int l);
    // Takes a tile off as play does: the board first, the redraw, then its position.
    void Remove(int tile);

    // The face's top-left corner of a cell in the board picture.
    QPoint FaceAt(int c, int r, int l) const;
    QColor ScreenAt(QPoint p) const { return renderer.Screen().pixelColor(p); }

    class ForwardingView : public ribaku::testing::FakeView {
    public:
        BoardRenderer* renderer = nullptr;
        void ShowBackground() override;
        void FullRedraw() override;
        void RedrawTile(int tile) override;
    };

    ForwardingView view;
    Game game{view};
    Tileset tileset;
    Background background;
    BoardPieces pieces = SyntheticPieces();
    BoardRenderer renderer{game, tileset, background, pieces};
};

// The rectangle of pixels where two pictures differ; empty when they are equal.
QRect DifferingArea(const QImage& a, const QImage& b);

}  // namespace ribaku::render::testing
