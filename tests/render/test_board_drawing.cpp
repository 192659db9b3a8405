// Where and how a tile is drawn: its place, its body and edges, its faces and marks.
#include <gtest/gtest.h>

#include "core/tiles.h"
#include "render_harness.h"

namespace ribaku::render {
namespace {

using namespace ribaku::render::testing;

constexpr int kTile = 5;  // face 2, a Crak: grid cell (1, 2)

QColor TileImagePixel(const RenderHarness& h, int tile, int x, int y) {
    return h.tileset.TileImages().pixelColor(TileImageRect(TileFace(tile)).topLeft() +
                                             QPoint(x, y));
}

QImage Render(RenderHarness& h) {
    h.renderer.FullRedraw();
    return h.renderer.Screen();
}

TEST(BoardDrawing, EmptyBoardShowsOnlyTheBackground) {
    RenderHarness h;
    EXPECT_EQ(Render(h), h.background.BackgroundBitmap());
}

// x = 20c + 6l + BoardOriginX - 46, y = 25r - 6l + BoardOriginY - 59; the tile box starts
// 6 pixels left of the face. Where the silhouette is cut off, the ground shows.
TEST(BoardDrawing, TileLiesWhereTheFormulasPutIt) {
    struct Cell {
        int c, r, l;
    };
    for (Cell cell : {Cell{10, 6, 1}, Cell{2, 4, 5}, Cell{32, 17, 3}}) {
        RenderHarness h;
        h.Place(kTile, cell.c, cell.r, cell.l);
        const QImage screen = Render(h);
        const QPoint face(20 * cell.c + 6 * cell.l + 36 - 46, 25 * cell.r - 6 * cell.l + 25 - 59);
        const QRect box(face - QPoint(kEdge, 0), QSize(kTileWidth, kTileHeight));
        for (int y = box.top() - 1; y <= box.bottom() + 1; ++y) {
            for (int x = box.left() - 1; x <= box.right() + 1; ++x) {
                const int u = x - box.left();
                const int v = y - box.top();
                const bool drawn = box.contains(x, y) && InSilhouette(u, v);
                const QColor expected = drawn ? TileImagePixel(h, kTile, u, v) : kGround;
                ASSERT_EQ(screen.pixelColor(x, y), expected)
                    << "cell " << cell.c << "," << cell.r << "," << cell.l << " at " << u << ","
                    << v;
            }
        }
        // The rest of the picture is untouched ground.
        QImage rest = screen;
        QPainter(&rest).fillRect(box, kGround);
        EXPECT_EQ(rest, h.background.BackgroundBitmap());
    }
}

// The upper tile's cut corners let the tile beneath show through: the mask keeps what is
// below, the paint adds only the tile.
TEST(BoardDrawing, MaskAndPaintKeepWhatLiesBeneathTheCutCorners) {
    RenderHarness lower;
    lower.Place(1, 10, 6, 1);
    const QImage below = Render(lower);

    RenderHarness both;
    both.Place(1, 10, 6, 1);
    both.Place(kTile, 9, 6, 2);  // its bottom-right corner over the lower face
    const QImage screen = Render(both);
    const QPoint box = both.FaceAt(9, 6, 2) - QPoint(kEdge, 0);
    int cutPixels = 0;
    for (int v = 0; v < kTileHeight; ++v) {
        for (int u = 0; u < kTileWidth; ++u) {
            const QPoint p = box + QPoint(u, v);
            const QColor expected =
                InSilhouette(u, v) ? TileImagePixel(both, kTile, u, v) : below.pixelColor(p);
            ASSERT_EQ(screen.pixelColor(p), expected) << u << "," << v;
            if (!InSilhouette(u, v) && below.pixelColor(p) != kGround) ++cutPixels;
        }
    }
    EXPECT_GT(cutPixels, 0) << "the test should look through a corner at the lower tile";
}

// Columns right to left and rows top to bottom: a tile covers the left edge of its right
// neighbour and the bottom edge of the tile above it, so its whole face shows.
TEST(BoardDrawing, EachTileCoversTheEdgesOfItsNeighboursRightAndAbove) {
    RenderHarness h;
    h.Place(kTile, 10, 6, 1);
    h.Place(1, 12, 6, 1);   // right
    h.Place(9, 10, 4, 1);   // above
    h.Place(13, 12, 4, 1);  // above right
    const QImage screen = Render(h);
    const QPoint face = h.FaceAt(10, 6, 1);
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            ASSERT_EQ(screen.pixelColor(face + QPoint(x, y)),
                      TileImagePixel(h, kTile, x + kEdge, y))
                << x << "," << y;
        }
    }
}

// A tile half a tile right and one tile lower on the same level keeps its face: the bottom
// edge of the tile above-left of it stops after 21 pixels with the edge's cut end.
TEST(BoardDrawing, BottomEdgeStopsShortOfTheFaceOfTheNeighbourBelowRight) {
    RenderHarness alone;
    alone.Place(kTile, 10, 6, 1);
    const QImage aloneScreen = Render(alone);

    RenderHarness neighbour;
    neighbour.Place(1, 11, 8, 1);
    const QImage neighbourScreen = Render(neighbour);

    RenderHarness both;
    both.Place(kTile, 10, 6, 1);
    both.Place(1, 11, 8, 1);
    const QImage screen = Render(both);

    const QPoint edge = both.FaceAt(10, 6, 1) + QPoint(-kEdge, kFaceHeight);
    for (int v = 0; v < kEdge; ++v) {
        for (int u = 0; u < kTileWidth; ++u) {
            const QPoint p = edge + QPoint(u, v);
            // Without the neighbour: the full edge.
            const QColor full = InSilhouette(u, kFaceHeight + v) ? kEdgeColour : QColor(kGround);
            ASSERT_EQ(aloneScreen.pixelColor(p), full) << u << "," << v;
            QColor expected;
            if (u < 21) {
                expected = kEdgeColour;
            } else if (u < 27) {  // the cut end, from the silhouette's bottom-right corner
                expected = InSilhouette(40 + u - 21, kFaceHeight + v)
                               ? kEdgeColour
                               : neighbourScreen.pixelColor(p);
            } else {
                expected = neighbourScreen.pixelColor(p);
            }
            ASSERT_EQ(screen.pixelColor(p), expected) << u << "," << v;
        }
    }
}

TEST(BoardDrawing, SelectedAndHintedFacesShowTheSymbolOnTheirHighlightColour) {
    RenderHarness h;
    h.Place(kTile, 10, 6, 1);
    h.Place(9, 14, 6, 1);
    h.game.state.Selected1 = kTile;
    h.game.state.HintTile2 = 9;
    const QImage screen = Render(h);
    for (auto [tile, colour] : {std::pair{kTile, kFirstColour}, std::pair{9, kSecondColour}}) {
        const TCellPos p = h.game.state.TilePos[tile];
        const QPoint face = h.FaceAt(p.column, p.row, p.level);
        const TFaceCell grid = FaceGrid(TileFace(tile));
        for (int y = 0; y < kFaceHeight; ++y) {
            for (int x = 0; x < kFaceWidth; ++x) {
                const QColor expected =
                    kSymbol.contains(x, y) ? SymbolColour(grid.col, grid.row) : colour;
                ASSERT_EQ(screen.pixelColor(face + QPoint(x, y)), expected)
                    << tile << " at " << x << "," << y;
            }
        }
    }
}

TEST(BoardDrawing, InvertedSelectionInvertsTheFaceOnly) {
    RenderHarness h;
    h.Place(kTile, 10, 6, 1);
    h.Place(1, 10, 6, 2);  // partly over the selected tile
    const QImage plain = Render(h);
    h.game.state.Selected2 = kTile;
    h.game.options.Invert = true;
    const QImage inverted = Render(h);

    // The face of the selected tile is inverted where it shows; the tile on top stays.
    RenderHarness lower;
    lower.Place(kTile, 10, 6, 1);
    const QImage lowerPlain = Render(lower);
    lower.game.state.Selected2 = kTile;
    lower.game.options.Invert = true;
    const QImage lowerInverted = Render(lower);
    const QRect face(lower.FaceAt(10, 6, 1), QSize(kFaceWidth, kFaceHeight));
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            const QRgb expected =
                face.contains(x, y) ? lowerPlain.pixel(x, y) ^ 0x00ffffffu : lowerPlain.pixel(x, y);
            ASSERT_EQ(lowerInverted.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(DifferingArea(plain, inverted) & face, DifferingArea(plain, inverted));
    const QPoint onTop = h.FaceAt(10, 6, 2) + QPoint(20, 25);
    EXPECT_EQ(inverted.pixel(onTop), plain.pixel(onTop));
}

// The rectangle (x + 1, y + 1)-(x + 39, y + 49) drawn with the 3-pixel pen: a band along
// the face's border, x .. x + 2 and x + 37 .. x + 39 (and likewise down).
TEST(BoardDrawing, PointerOutlineIsABandInThePenColourAlongTheFaceBorder) {
    RenderHarness h;
    h.Place(kTile, 10, 6, 1);
    const QImage plain = Render(h);
    h.game.ChooseHighlight(THighlightMode::RedRectangle);
    h.game.state.PointedTile = kTile;
    h.game.state.Selected1 = kTile;  // filled and outlined
    const QImage screen = Render(h);
    const QPoint face = h.FaceAt(10, 6, 1);
    const TFaceCell grid = FaceGrid(TileFace(kTile));
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            const bool band = x < 3 || x >= 37 || y < 3 || y >= 47;
            const QColor inside =
                kSymbol.contains(x, y) ? SymbolColour(grid.col, grid.row) : kFirstColour;
            ASSERT_EQ(screen.pixelColor(face + QPoint(x, y)), band ? QColor(255, 0, 0) : inside)
                << x << "," << y;
        }
    }
    EXPECT_EQ(DifferingArea(plain, screen), QRect(face, QSize(kFaceWidth, kFaceHeight)));

    // "Colored Tile" fills the pointed face with the second colour and draws no outline.
    h.game.ChooseHighlight(THighlightMode::ColouredTile);
    h.game.state.PointedTile = kTile;
    h.game.state.Selected1 = 0;
    const QImage coloured = Render(h);
    EXPECT_EQ(coloured.pixelColor(face), kSecondColour);
    EXPECT_EQ(coloured.pixelColor(face + QPoint(20, 25)), SymbolColour(grid.col, grid.row));
}

TEST(BoardDrawing, MemoryShowsTilesFaceDownExceptTheSelectedOnes) {
    RenderHarness h;
    h.game.state.GameMode = gmMemory;
    h.Place(kTile, 10, 6, 1);
    h.Place(9, 14, 6, 1);
    h.game.state.Selected1 = 9;
    h.game.state.PointedTile = kTile;  // green rectangle mode by default
    const QImage screen = Render(h);
    const QPoint hidden = h.FaceAt(10, 6, 1);
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            const bool band = x < 3 || x >= 37 || y < 3 || y >= 47;
            ASSERT_EQ(screen.pixelColor(hidden + QPoint(x, y)),
                      band ? QColor(0, 128, 0) : kFaceGround)
                << x << "," << y;
        }
    }
    const TFaceCell grid = FaceGrid(TileFace(9));
    EXPECT_EQ(screen.pixelColor(h.FaceAt(14, 6, 1) + QPoint(20, 25)),
              SymbolColour(grid.col, grid.row));
    EXPECT_EQ(screen.pixelColor(h.FaceAt(14, 6, 1)), kFirstColour);
}

TEST(BoardDrawing, EditorShowsBlankTilesAndItsCursorCellEvenWhenEmpty) {
    RenderHarness h;
    h.game.state.GameMode = gmEditor;
    h.Place(kTile, 10, 6, 1);
    h.game.state.EditCursor = TCellPos{11, 8, 1};  // the cell half a tile right, a tile lower
    const QImage screen = Render(h);
    const QPoint tile = h.FaceAt(10, 6, 1);
    const QPoint ghost = h.FaceAt(11, 8, 1);
    EXPECT_EQ(screen.pixelColor(tile + QPoint(20, 25)), kFaceGround);
    EXPECT_EQ(screen.pixelColor(ghost + QPoint(20, 25)), kFirstColour);
    EXPECT_EQ(screen.pixelColor(ghost + QPoint(-3, 30)), kEdgeColour);
    // The ghost counts as a neighbour: the tile's bottom edge stops short of it.
    EXPECT_EQ(screen.pixelColor(tile + QPoint(30, kFaceHeight + 2)), kFirstColour);
}

// The pixels of a face-down board are the same whatever faces lie on it: under the pointer in
// every highlight mode, with shadows, and again after a pause.
TEST(BoardDrawing, AFaceDownBoardShowsNothingOfItsFaces) {
    const auto screens = [](int firstTile, int secondTile) {
        std::vector<QImage> shots;
        RenderHarness h;
        h.game.state.GameMode = gmMemory;
        h.game.options.Shadows = true;
        h.Place(firstTile, 10, 7, 1);
        h.Place(secondTile, 12, 7, 1);
        h.game.state.PointedTile = static_cast<uint8_t>(firstTile);
        for (const THighlightMode mode :
             {THighlightMode::None, THighlightMode::RedRectangle, THighlightMode::ColouredTile,
              THighlightMode::GreenRectangle, THighlightMode::BlueRectangle}) {
            h.game.ChooseHighlight(mode);
            h.game.state.PointedTile = static_cast<uint8_t>(firstTile);
            shots.push_back(Render(h));
        }
        h.game.PauseClick();
        h.game.PauseClick();
        shots.push_back(h.renderer.Screen());
        return shots;
    };
    EXPECT_EQ(screens(5, 41), screens(141, 77));  // a Crak and a Dot, a Flower and a Wind
}

// Columns right to left and rows top down: each block covers the 6 pixels by which it
// overlaps its right and upper neighbours; the cut corners let what is below show.
TEST(BoardDrawing, ClicksBlocksLieOnTheirPitchEachOverlappingItsRightAndUpperNeighbours) {
    RenderHarness h;
    h.game.state.GameMode = gmClicks;
    h.game.state.ClicksGrid[2][12] = 1;
    h.game.state.ClicksGrid[3][12] = 2;
    h.game.state.ClicksGrid[2][11] = 3;
    const QImage screen = Render(h);
    const QPoint block212(32 * 1 + 36 + 6, 32 * 11 + 25);  // 32(K - 1) + origin + 6
    const auto colourAt = [&](QPoint offset) { return screen.pixel(block212 + offset); };
    EXPECT_EQ(colourAt({19, 19}), ClicksBlockColour(1).rgb());
    EXPECT_EQ(colourAt({35, 19}), ClicksBlockColour(1).rgb());  // over (3, 12)
    EXPECT_EQ(colourAt({38, 19}), ClicksBlockColour(2).rgb());
    EXPECT_EQ(colourAt({19, 2}), ClicksBlockColour(1).rgb());  // over (2, 11)
    EXPECT_EQ(colourAt({19, -2}), ClicksBlockColour(3).rgb());
    EXPECT_EQ(colourAt({0, 0}), ClicksBlockColour(3).rgb());  // a cut corner
    EXPECT_EQ(colourAt({32 + 37, 37}), kGround.rgb());
}

TEST(BoardDrawing, NoMarkWhileARiversPathIsShown) {
    RenderHarness h;
    h.Place(kTile, 10, 6, 1);
    const QImage plain = Render(h);
    h.game.state.Selected1 = kTile;
    h.game.state.PointedTile = kTile;
    h.game.state.PathFound = true;
    EXPECT_EQ(Render(h), plain);
}

// The engine's redraws pass its end test before anything is drawn.
TEST(BoardDrawing, FinishedOrPausedBoardIsNotDrawnAndShowsTheBackground) {
    RenderHarness h;
    h.Place(kTile, 10, 6, 1);
    h.game.state.GameMode = gmPaused;
    h.game.DrawBoard();
    EXPECT_EQ(h.renderer.Screen(), h.background.BackgroundBitmap());
    EXPECT_EQ(h.view.Count("ShowBackground"), 1);
    EXPECT_EQ(h.view.Count("FullRedraw"), 0);

    RenderHarness won;
    won.game.state.TilesLeft = 0;
    won.game.state.ElapsedSeconds = 1;
    won.game.DrawTile(kTile);
    EXPECT_TRUE(won.game.state.BoardFinished);
    EXPECT_GE(won.view.Count("ShowBackground"), 1);  // the end of the game shows it again

    // Within the first second, or in the editor, an empty board is just drawn empty.
    RenderHarness early;
    early.game.DrawBoard();
    EXPECT_FALSE(early.game.state.BoardFinished);
    EXPECT_EQ(early.view.Count("ShowBackground"), 0);
}

}  // namespace
}  // namespace ribaku::render
