// Shadows, and what each redraw repaints: a partial redraw must give exactly the pixels a
// full redraw gives, and change nothing outside its rectangle.
#include <gtest/gtest.h>

#include "core/random.h"
#include "render_harness.h"

namespace ribaku::render {
namespace {

using namespace ribaku::render::testing;

QImage Render(RenderHarness& h) {
    h.renderer.FullRedraw();
    return h.renderer.Screen();
}

// A tile on level 2 two columns left of a tile on level 1 casts its shadow on the lower
// tile's face, in the 4-pixel strip right of its own right side: grey on every other pixel.
TEST(Shadows, UpperTileCastsACheckerboardBesideItsRightSide) {
    RenderHarness h;
    h.Place(1, 10, 6, 1);
    h.Place(5, 8, 6, 2);
    const QImage plain = Render(h);
    h.game.options.Shadows = true;
    const QImage shaded = Render(h);
    const QRect face(h.FaceAt(10, 6, 1), QSize(kFaceWidth, kFaceHeight));
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            // IL 4 at (0, 0) over the first 10 rows, then IL 2 twice below it; the upper
            // tile covers all but its cut-off bottom-right corner.
            const bool pattern = y < 10 ? x <= y && (x + y) % 2 == 0 : (x + y) % 2 == 1;
            const bool covered = x < kEdge && InSilhouette(x + 40, y + kEdge);
            const bool grey = x < 10 && pattern && !covered;
            const QPoint p = face.topLeft() + QPoint(x, y);
            ASSERT_EQ(shaded.pixelColor(p), grey ? kShadowGrey : plain.pixelColor(p))
                << x << "," << y;
        }
    }
    const QRect changed = DifferingArea(plain, shaded);
    EXPECT_EQ(changed & face, changed);
}

TEST(Shadows, NeverInTheFirstColumnOrRowNorWithTheOptionOff) {
    struct Pair {
        int lc, lr, uc, ur;
    };
    // Beneath in column 1 or row 1, with a tile one level up where it would cast a shadow.
    for (Pair p : {Pair{1, 5, 1, 3}, Pair{1, 5, 2, 4}, Pair{5, 1, 3, 1}, Pair{5, 1, 4, 2}}) {
        RenderHarness h;
        h.Place(1, p.lc, p.lr, 1);
        h.Place(5, p.uc, p.ur, 2);
        const QImage plain = Render(h);
        h.game.options.Shadows = true;
        EXPECT_EQ(Render(h), plain) << p.lc << "," << p.lr;
    }
    // The same tiles a column and a row further in do cast shadows.
    RenderHarness h;
    h.Place(1, 2, 6, 1);
    h.Place(5, 2, 4, 2);
    const QImage plain = Render(h);
    h.game.options.Shadows = true;
    EXPECT_NE(Render(h), plain);
}

// Every one of the sixteen places a tile above can take casts only grey, only on the face
// of the tile beneath, and never where the upper tile itself lies.
TEST(Shadows, OnlyGreyAndOnlyOnTheFaceBeneath) {
    for (int dc = -2; dc <= 1; ++dc) {
        for (int dr = -2; dr <= 1; ++dr) {
            RenderHarness h;
            h.Place(1, 10, 6, 1);
            h.Place(5, 10 + dc, 6 + dr, 2);
            const QImage plain = Render(h);
            h.game.options.Shadows = true;
            const QImage shaded = Render(h);
            const QRect face(h.FaceAt(10, 6, 1), QSize(kFaceWidth, kFaceHeight));
            const QRect upper(h.FaceAt(10 + dc, 6 + dr, 2) - QPoint(kEdge, 0),
                              QSize(kTileWidth, kTileHeight));
            int grey = 0;
            for (int y = 0; y < kBoardHeight; ++y) {
                for (int x = 0; x < kBoardWidth; ++x) {
                    if (shaded.pixel(x, y) == plain.pixel(x, y)) continue;
                    const QPoint u = QPoint(x, y) - upper.topLeft();
                    const bool underUpper = upper.contains(x, y) && InSilhouette(u.x(), u.y());
                    ASSERT_TRUE(face.contains(x, y) && !underUpper) << dc << "," << dr;
                    ASSERT_EQ(shaded.pixelColor(x, y), kShadowGrey);
                    ++grey;
                }
            }
            // Only tiles above or to the left of the face cast on it.
            EXPECT_EQ(grey > 0, dc < 0 || dr < 0) << dc << "," << dr;
        }
    }
}

// Random boards: each level's tiles keep the editor's spacing, levels overlap at random.
void RandomBoard(RenderHarness& h, TRandom& rng) {
    int tile = 0;
    for (int l = 1; l <= kMapLevels && tile < kTileCount; ++l) {
        const int attempts = 120 - 20 * l;
        for (int i = 0; i < attempts && tile < kTileCount; ++i) {
            const int c = 1 + static_cast<int>(rng.RandomBelow(kMapColumns));
            const int r = 1 + static_cast<int>(rng.RandomBelow(kMapRows));
            bool clear = true;
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr)
                    clear = clear && h.game.state.Board.At(c + dc, r + dr, l) == 0;
            if (clear) h.Place(++tile, c, r, l);
        }
    }
}

int RandomTileOnBoard(RenderHarness& h, TRandom& rng) {
    for (;;) {
        const int tile = 1 + static_cast<int>(rng.RandomBelow(kTileCount));
        if (h.game.state.TilePos[tile].OnBoard()) return tile;
    }
}

void RandomMarks(RenderHarness& h, TRandom& rng) {
    TBoardState& s = h.game.state;
    s.Selected1 = static_cast<uint8_t>(RandomTileOnBoard(h, rng));
    s.HintTile1 = RandomTileOnBoard(h, rng);
    s.HintTile2 = RandomTileOnBoard(h, rng);
    h.game.options.HighlightMode = static_cast<THighlightMode>(rng.RandomBelow(5));
    h.game.ColorHighlight();
    h.game.options.Invert = rng.RandomBelow(2) == 1;
    h.game.options.Shadows = rng.RandomBelow(3) != 0;
}

// What play does: the pointer moves from tile to tile (face redraws), tiles are selected
// (tile redraws) and pairs taken off (tile redraws before the position is cleared).
TEST(PartialRedraw, GivesTheSamePictureAsAFullRedraw) {
    TRandom rng{20240601};
    for (int board = 0; board < 40; ++board) {
        RenderHarness h;
        RandomBoard(h, rng);
        RandomMarks(h, rng);
        h.renderer.FullRedraw();
        for (int step = 0; step < 30 && h.game.state.TilesLeft > 2; ++step) {
            const int pointed = RandomTileOnBoard(h, rng);
            const int old = h.game.state.PointedTile;
            h.game.state.PointedTile = static_cast<uint8_t>(pointed);
            if (old != 0) h.renderer.RedrawHighlight(old);
            h.renderer.RedrawHighlight(pointed);

            const int selected = RandomTileOnBoard(h, rng);
            const int previous = h.game.state.Selected2;
            h.game.state.Selected2 = static_cast<uint8_t>(selected);
            if (previous != 0) h.renderer.RedrawTile(previous);
            h.renderer.RedrawTile(selected);

            const int removed = RandomTileOnBoard(h, rng);
            if (removed == h.game.state.PointedTile) h.game.state.PointedTile = 0;
            h.Remove(removed);
            if (removed == h.game.state.Selected1) h.game.state.Selected1 = 0;
            if (removed == h.game.state.Selected2) h.game.state.Selected2 = 0;
            if (removed == h.game.state.HintTile1) h.game.state.HintTile1 = 0;
            if (removed == h.game.state.HintTile2) h.game.state.HintTile2 = 0;
        }
        const QImage partial = h.renderer.Screen();
        const QImage back = h.renderer.BackBuffer();
        h.renderer.FullRedraw();
        ASSERT_EQ(partial, h.renderer.Screen())
            << "board " << board << ": differs in "
            << DifferingArea(partial, h.renderer.Screen()).x() << ","
            << DifferingArea(partial, h.renderer.Screen()).y();
        ASSERT_EQ(back, h.renderer.BackBuffer()) << "board " << board;
    }
}

// RedrawTile repaints the tile box, or with shadows the box grown by 10 pixels on every
// side; RedrawHighlight only the face. Nothing outside changes on the screen.
TEST(PartialRedraw, TouchesOnlyItsRectangle) {
    for (bool shadows : {false, true}) {
        TRandom rng{7};
        RenderHarness h;
        RandomBoard(h, rng);
        h.game.options.Shadows = shadows;
        const QImage before = Render(h);
        // A screen full of ink shows every pixel a redraw copies.
        for (int round = 0; round < 20; ++round) {
            const int tile = RandomTileOnBoard(h, rng);
            const TCellPos p = h.game.state.TilePos[tile];
            const QPoint face = h.FaceAt(p.column, p.row, p.level);
            QRect copied;
            h.renderer.screenChanged = [&](const QRect& r) { copied |= r; };
            h.renderer.RedrawTile(tile);
            const QRect box = shadows ? QRect(face + QPoint(-16, -10), QSize(66, 76))
                                      : QRect(face + QPoint(-kEdge, 0), QSize(46, 56));
            EXPECT_EQ(copied, box & QRect(0, 0, kBoardWidth, kBoardHeight));
            copied = QRect();
            h.renderer.RedrawHighlight(tile);
            EXPECT_EQ(copied, QRect(face, QSize(kFaceWidth, kFaceHeight)) &
                                  QRect(0, 0, kBoardWidth, kBoardHeight));
            EXPECT_EQ(h.renderer.Screen(), before);
            EXPECT_TRUE(h.renderer.DamageRect.IsWholeBoard());
        }
        // Taking a tile off changes the picture only inside its rectangle.
        const int tile = RandomTileOnBoard(h, rng);
        const TCellPos p = h.game.state.TilePos[tile];
        const QPoint face = h.FaceAt(p.column, p.row, p.level);
        h.Remove(tile);
        const QRect box = shadows ? QRect(face + QPoint(-16, -10), QSize(66, 76))
                                  : QRect(face + QPoint(-kEdge, 0), QSize(46, 56));
        const QRect changed = DifferingArea(before, h.renderer.Screen());
        EXPECT_FALSE(changed.isEmpty());
        EXPECT_EQ(changed & box, changed);
    }
}

}  // namespace
}  // namespace ribaku::render
