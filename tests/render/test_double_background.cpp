// The background of a board drawn at twice the size: the picture drawn at twice the size
// when one lies beside the file, else the picture at its own size enlarged.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "picture_measures.h"
#include "render/background.h"

namespace ribaku::render {
namespace {

using namespace ribaku::render::testing;

// A checkerboard of 5 x 6 cells, smaller than the board and fitting it neither across nor down,
// so the board shows it repeated and cut at the right and bottom.
constexpr QSize kTile(100, 60);

QImage Checkers() {
    QImage picture(kTile, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int y = 0; y < kTile.height(); y += 6)
        for (int x = 0; x < kTile.width(); x += 5)
            painter.fillRect(x, y, 5, 6,
                             (x / 5 + y / 6) % 2 ? QColor(230, 200, 40) : QColor(20, 40, 120));
    return picture;
}

// What a generator writes beside it: the same cells, each pixel doubled.
QImage DoubledCheckers() {
    return Checkers().scaled(kTile * 2);
}

class DoubleBackground : public ::testing::Test {
protected:
    // Writes the checkers as "checkers.bmp" and `doubled` beside them; loads the first.
    void Load(const QImage& doubled) {
        ASSERT_TRUE(Checkers().save(dir.filePath("checkers.bmp"), "BMP"));
        ASSERT_TRUE(doubled.save(dir.filePath("checkers@2x.bmp"), "BMP"));
        ASSERT_EQ(background.NouveauFond(dir.filePath("checkers.bmp").toStdString()),
                  PictureLoad::Loaded);
    }
    QImage Enlargement() const { return SmoothlyEnlarged(background.BackgroundBitmap()); }

    QTemporaryDir dir;
    Background background;
};

TEST_F(DoubleBackground, PictureBesideTheFileIsRepeatedAtTwiceTheSizeAndIsSharp) {
    Load(DoubledCheckers());
    const QImage& doubled = background.BackgroundBitmap(2);
    ASSERT_EQ(doubled.size(), QSize(2 * kBoardWidth, 2 * kBoardHeight));
    const QImage tile = DoubledCheckers();
    for (int y = 0; y < doubled.height(); ++y)
        for (int x = 0; x < doubled.width(); ++x)
            ASSERT_EQ(doubled.pixel(x, y), tile.pixel(x % tile.width(), y % tile.height()))
                << x << "," << y;

    EXPECT_LE(LargestDifferenceReduced(background.BackgroundBitmap(), doubled), 2);
    // Across the border between two cells, 10 pixels from the left at twice the size.
    const int sharp = EdgeContrast(doubled, 3, 6, 14);
    const int soft = EdgeContrast(Enlargement(), 3, 6, 14);
    EXPECT_GT(sharp, soft + soft / 2) << "sharp " << sharp << ", enlarged " << soft;
}

// A player's own files beside a background may be anything.
TEST_F(DoubleBackground, PictureBesideTheFileThatIsNotTwiceTheSizeIsIgnored) {
    for (const QImage& other :
         {Checkers(), DoubledCheckers().copy(0, 0, 200, 118), Checkers().scaled(kTile * 3)}) {
        Load(other);
        EXPECT_EQ(background.BackgroundBitmap(2), Enlargement()) << other.width();
    }
    Load(DoubledCheckers());
    QFile damaged(dir.filePath("checkers@2x.bmp"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM not a bitmap");
    damaged.close();
    EXPECT_EQ(background.BackgroundBitmap(2), Enlargement());
}

TEST_F(DoubleBackground, PicturesSetWithoutAFileAreEnlarged) {
    Load(DoubledCheckers());
    background.SetPicture(Checkers());
    EXPECT_EQ(background.BackgroundBitmap(2), Enlargement());

    Load(DoubledCheckers());
    background.FillTeal();
    EXPECT_EQ(background.BackgroundBitmap(2), Enlargement());
}

}  // namespace
}  // namespace ribaku::render
