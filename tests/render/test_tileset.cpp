#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/tiles.h"
#include "render/picture_error.h"
#include "render/tileset.h"
#include "synthetic_art.h"

namespace ribaku::render {
namespace {

using namespace ribaku::render::testing;

TEST(FaceGrid, PlacesEachGroupInItsRowOfTheTileset) {
    struct Expect {
        int face, col, row;
    };
    const Expect cases[] = {{1, 0, 2},  {9, 8, 2},  {10, 0, 1}, {18, 8, 1}, {19, 0, 0},
                            {27, 8, 0}, {28, 0, 4}, {31, 3, 4}, {32, 0, 3}, {35, 3, 3},
                            {36, 4, 4}, {38, 6, 4}, {39, 4, 3}, {42, 7, 3}};
    for (const Expect& e : cases) {
        EXPECT_EQ(FaceGrid(e.face).col, e.col) << e.face;
        EXPECT_EQ(FaceGrid(e.face).row, e.row) << e.face;
    }
    // No two faces share a cell.
    for (int a = 1; a <= kFaceCount; ++a) {
        for (int b = a + 1; b <= kFaceCount; ++b) {
            EXPECT_NE(FaceRect(a), FaceRect(b)) << a << " " << b;
        }
    }
}

// Each composed tile is the blank tile with the face's symbol laid on its face through the
// face's mask.
TEST(ChangeTexture, LaysEachSymbolOnTheBlankTileThroughItsMask) {
    Tileset tileset;
    tileset.SetTilesetBitmap(SyntheticTileset(), "synthetic");
    for (int face = 1; face <= kFaceCount; ++face) {
        const QRect cell = TileImageRect(face);
        const TFaceCell grid = FaceGrid(face);
        for (int y = 0; y < kTileHeight; ++y) {
            for (int x = 0; x < kTileWidth; ++x) {
                QColor expected = !InSilhouette(x, y)               ? QColor(Qt::black)
                                  : (x >= kEdge && y < kFaceHeight) ? kFaceGround
                                                                    : kEdgeColour;
                if (kSymbol.translated(kEdge, 0).contains(x, y)) {
                    expected = SymbolColour(grid.col, grid.row);
                }
                ASSERT_EQ(tileset.TileImages().pixelColor(cell.topLeft() + QPoint(x, y)), expected)
                    << "face " << face << " at " << x << "," << y;
            }
        }
    }
}

TEST(Tileset, IsBlackBeforeTheFirstTileset) {
    const Tileset tileset;
    EXPECT_EQ(tileset.TilesetBitmap().size(), QSize(kTilesetMinWidth, kTilesetMinHeight));
    EXPECT_EQ(tileset.TileImages().size(), QSize(kTileGridWidth, kTileGridHeight));
    for (const QImage* picture : {&tileset.TilesetBitmap(), &tileset.TileImages()}) {
        EXPECT_EQ(picture->pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(picture->pixel(picture->width() - 1, picture->height() - 1), qRgb(0, 0, 0));
    }
}

TEST(LoadTileset, RefusesASmallPictureAndKeepsThePreviousTileset) {
    Tileset tileset;
    tileset.SetTilesetBitmap(SyntheticTileset(), "synthetic");
    const QImage before = tileset.TileImages();

    QImage small(368, 567, QImage::Format_RGB32);
    small.fill(Qt::white);
    EXPECT_THROW(tileset.SetTilesetBitmap(small, "narrow.bmp"), PictureError);
    QImage low(369, 566, QImage::Format_RGB32);
    low.fill(Qt::white);
    try {
        tileset.SetTilesetBitmap(low, "low.bmp");
        FAIL() << "a picture of 369 x 566 was taken as a tileset";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find("low.bmp"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("369 x 567"), std::string::npos) << e.what();
    }
    EXPECT_EQ(tileset.TileImages(), before);

    // The same through a file, which is also what a picture that cannot be read does.
    QTemporaryDir dir;
    const QString path = dir.filePath("small.bmp");
    ASSERT_TRUE(small.save(path, "BMP"));
    EXPECT_THROW(tileset.LoadTileset(path.toStdString()), PictureError);
    const QString broken = dir.filePath("broken.bmp");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is no bitmap");
    file.close();
    EXPECT_THROW(tileset.LoadTileset(broken.toStdString()), PictureError);
    EXPECT_EQ(tileset.TileImages(), before);
}

TEST(LoadTileset, AMissingFileAsksForAnotherAndAGoodFileIsComposed) {
    Tileset tileset;
    QTemporaryDir dir;
    EXPECT_EQ(tileset.LoadTileset(dir.filePath("none.bmp").toStdString()),
              PictureLoad::FileMissing);

    const QString path = dir.filePath("tiles.bmp");
    ASSERT_TRUE(SyntheticTileset().save(path, "BMP"));
    EXPECT_EQ(tileset.LoadTileset(path.toStdString()), PictureLoad::Loaded);
    Tileset direct;
    direct.SetTilesetBitmap(SyntheticTileset(), "synthetic");
    EXPECT_EQ(tileset.TileImages(), direct.TileImages());
}

}  // namespace
}  // namespace ribaku::render
