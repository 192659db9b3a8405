// The board drawn at twice the size for screens of twice the density: the same picture as at
// its own size, with edges as sharp as the screen's pixels allow.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "picture_measures.h"
#include "render_harness.h"

namespace ribaku::render {
namespace {

using namespace ribaku::render::testing;

// What a generator writes beside a tileset: the same cells with every pixel doubled.
QImage DoubledTileset() {
    const QImage tileset = SyntheticTileset();
    return tileset.scaled(tileset.size() * 2);
}

// Tiles on two levels with shadows, a selected tile and the pointer's outline.
void PlaceBoard(RenderHarness& h) {
    h.tileset.SetTilesetBitmap(SyntheticTileset(), "synthetic", DoubledTileset());
    h.game.options.Shadows = true;
    h.Place(1, 10, 6, 1);
    h.Place(5, 12, 6, 1);
    h.Place(9, 10, 8, 1);
    h.Place(14, 12, 7, 2);
    h.game.state.Selected1 = 5;
    h.game.state.PointedTile = 9;
}

TEST(DoubleSize, ReducedItIsTheBoardAtItsOwnSize) {
    RenderHarness h;
    PlaceBoard(h);
    h.renderer.FullRedraw();
    const QImage own = h.renderer.Screen();
    h.renderer.SetScale(2);
    ASSERT_EQ(h.renderer.Screen().size(), own.size() * 2);
    EXPECT_LE(LargestDifferenceReduced(own, h.renderer.Screen()), 2);
}

// Across the left side of a tile's box, from the ground onto the tile's edge.
TEST(DoubleSize, TileEdgesAreSharperThanAnEnlargement) {
    RenderHarness h;
    PlaceBoard(h);
    h.renderer.FullRedraw();
    const QImage enlarged = SmoothlyEnlarged(h.renderer.Screen());
    h.renderer.SetScale(2);
    const QPoint box = (h.FaceAt(10, 6, 1) - QPoint(kEdge, 0)) * 2;
    const int y = box.y() + 40;
    const int sharp = EdgeContrast(h.renderer.Screen(), y, box.x() - 4, box.x() + 4);
    const int soft = EdgeContrast(enlarged, y, box.x() - 4, box.x() + 4);
    EXPECT_GT(sharp, soft + soft / 2) << "sharp " << sharp << ", enlarged " << soft;
}

// Damage stays in board pixels: a tile taken off repaints twice its rectangle.
TEST(DoubleSize, PartialRedrawGivesTheFullRedraw) {
    RenderHarness h;
    PlaceBoard(h);
    h.renderer.SetScale(2);
    h.renderer.FullRedraw();
    const QPoint box = h.FaceAt(12, 7, 2);
    QRect reported;
    h.renderer.screenChanged = [&](const QRect& area) { reported = area; };
    h.Remove(14);
    // The tile's box and the 10 pixels its shadows reach beyond it.
    EXPECT_EQ(reported, QRect(box - QPoint(16, 10), QSize(66, 76)));
    const QImage partial = h.renderer.Screen();
    h.renderer.FullRedraw();
    EXPECT_EQ(partial, h.renderer.Screen());
}

TEST(DoubleSize, TilesetTakesItsDoubledPictureFromBesideIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(SyntheticTileset().save(folder.filePath("own.bmp"), "BMP"));
    Tileset own;
    ASSERT_EQ(own.LoadTileset(folder.filePath("own.bmp").toStdString()), PictureLoad::Loaded);
    EXPECT_EQ(own.TilesetBitmap(2), SmoothlyEnlarged(own.TilesetBitmap()));

    ASSERT_TRUE(DoubledTileset().save(folder.filePath("own@2x.bmp"), "BMP"));
    Tileset shipped;
    shipped.LoadTileset(folder.filePath("own.bmp").toStdString());
    EXPECT_EQ(shipped.TilesetBitmap(2), DoubledTileset().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace ribaku::render
