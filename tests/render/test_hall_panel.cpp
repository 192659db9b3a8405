#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "render/hall_panel.h"
#include "synthetic_art.h"

namespace ribaku::render {
namespace {

using testing::kGround;

const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);

QImage Plain(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// The rectangle holding every pixel of `colour`; empty when there is none.
QRect AreaOf(const QImage& image, QColor colour, QRect within = {}) {
    if (within.isNull()) within = image.rect();
    QRect area;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixelColor(x, y) == colour) area |= QRect(x, y, 1, 1);
    return area;
}

THallPanel SampleHall(int newRank) {
    THallPanel panel;
    panel.shown = true;
    panel.hallOf = {"HALL OF", 21, 40};
    panel.fame = {"FAME", 31, 60};
    for (int rank = 1; rank <= 10; ++rank) {
        THallPanelLine line;
        line.name = {rank == 3 ? "Ann" : "---", 15, 27 * rank + 71};
        line.time = {"0" + std::to_string(rank + 4) + ":00", 39, 27 * rank + 84};
        line.newEntry = rank == newRank;
        panel.lines.push_back(line);
    }
    return panel;
}

struct PanelFixture : ::testing::Test {
    PanelFixture() {
        panel.SetPicture(Plain({46, 117}, kGround));
        panel.boxChanged = [this](const QRect& area) { changes.push_back(area); };
    }
    HallPanel panel;
    std::vector<QRect> changes;
};

TEST_F(PanelFixture, BackgroundIsStretchedToThePanelOrBlackWithoutPicture) {
    QImage halves(46, 234, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(0, 117, 46, 117, Qt::blue);
    panel.SetPicture(halves);
    EXPECT_EQ(panel.HofPic().size(), kHallPanelSize);
    EXPECT_EQ(panel.HofPic().pixelColor(5, 10), QColor(Qt::red));
    EXPECT_EQ(panel.HofPic().pixelColor(88, 460), QColor(Qt::blue));
    panel.SetPicture(QImage());
    EXPECT_EQ(AreaOf(panel.HofPic(), Qt::black), panel.HofPic().rect());
}

TEST_F(PanelFixture, HallTextsStandWhereTheyAreGivenInTheirColours) {
    panel.ShowPanelHOF(SampleHall(0));
    ASSERT_EQ(changes, std::vector<QRect>{panel.HofBox().rect()});
    const QImage& box = panel.HofBox();
    EXPECT_EQ(box, panel.SaveHof());
    // The title in yellow within its two lines, below y = 40.
    const QRect title = AreaOf(box, kYellow);
    EXPECT_GE(title.top(), 40);
    EXPECT_LE(title.bottom(), 60 + 18);
    EXPECT_GE(title.left(), 21);
    // Each time in aqua sits in its own row band, left-aligned at x = 39 or just after.
    for (int rank = 1; rank <= 10; ++rank) {
        const QRect band(0, 27 * rank + 84, 92, 15);
        const QRect time = AreaOf(box, kAqua, band);
        ASSERT_FALSE(time.isEmpty()) << rank;
        EXPECT_LE(time.left() - 39, 2) << rank;
        EXPECT_GE(time.left(), 39) << rank;
    }
    // Nothing is drawn in the lower part, which belongs to the current tile and the clocks.
    EXPECT_EQ(box.copy(kPlayerClocksArea), panel.HofPic().copy(kPlayerClocksArea));
}

TEST_F(PanelFixture, TheNewEntryIsDrawnDifferentlyAndDrawingIsRepeatable) {
    panel.ShowPanelHOF(SampleHall(0));
    const QImage plain = panel.HofBox();
    panel.ShowPanelHOF(SampleHall(0));
    EXPECT_EQ(panel.HofBox(), plain);  // a repaint starts again from the background
    panel.ShowPanelHOF(SampleHall(3));
    const QImage marked = panel.HofBox();
    const QRect rank3(0, 27 * 3 + 71, 92, 27);
    EXPECT_NE(marked.copy(rank3), plain.copy(rank3));
    const QRect rank4(0, 27 * 4 + 71, 92, 27);
    EXPECT_EQ(marked.copy(rank4), plain.copy(rank4));
}

TEST_F(PanelFixture, SwitchedOffPanelIsLeftAloneAndTheEditorShowsItEmpty) {
    panel.ShowPanelHOF(SampleHall(0));
    const QImage before = panel.HofBox();
    changes.clear();
    THallPanel off = SampleHall(0);
    off.shown = false;
    panel.ShowPanelHOF(off);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(panel.HofBox(), before);

    THallPanel editor = SampleHall(0);
    editor.empty = true;
    panel.ShowPanelHOF(editor);
    EXPECT_EQ(panel.HofBox(), panel.HofPic());
}

TEST_F(PanelFixture, CurrentTileIsMaskedThenPaintedAndClearedToTheBackground) {
    Tileset tileset;
    tileset.SetTilesetBitmap(testing::SyntheticTileset(), "synthetic");
    panel.ShowPanelHOF(SampleHall(0));
    changes.clear();
    const int face = 23;
    panel.ShowCurrentTile(tileset, face);
    ASSERT_EQ(changes, std::vector<QRect>{kCurrentTileBox});
    const QRect image = TileImageRect(face);
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const QRgb ground = panel.HofPic().pixel(kCurrentTileBox.topLeft() + QPoint(x, y));
            const QRgb mask =
                tileset.TilesetBitmap().pixel(kSilhouetteMask.topLeft() + QPoint(x, y));
            const QRgb tile = tileset.TileImages().pixel(image.topLeft() + QPoint(x, y));
            const QRgb expected = ((ground & mask) | tile) | 0xFF000000u;
            ASSERT_EQ(panel.HofBox().pixel(kCurrentTileBox.topLeft() + QPoint(x, y)), expected)
                << x << "," << y;
        }
    }
    panel.ClearCurrentTile();
    EXPECT_EQ(panel.HofBox().copy(kCurrentTileBox), panel.HofPic().copy(kCurrentTileBox));
    EXPECT_EQ(panel.SaveHof().copy(kCurrentTileBox), panel.HofPic().copy(kCurrentTileBox));
}

TEST_F(PanelFixture, PlayerClocksOwnTheLowerPartAndThePlayerToMoveBlinks) {
    panel.ShowPanelHOF(SampleHall(0));
    const QImage hall = panel.HofBox();
    const QRect upper(0, 0, 92, kPlayerClocksArea.top());
    const QRect play1(0, 380, 92, 22);
    const QRect play2(0, 422, 92, 22);

    changes.clear();
    panel.DrawPlayerClocks(false, 200, 425, 0);  // first half of a second: player 1 hidden
    ASSERT_EQ(changes, std::vector<QRect>{kPlayerClocksArea});
    EXPECT_EQ(panel.HofBox().copy(upper), hall.copy(upper));
    EXPECT_TRUE(AreaOf(panel.HofBox(), kYellow, play1).isEmpty());
    EXPECT_FALSE(AreaOf(panel.HofBox(), kAqua, play2).isEmpty());
    EXPECT_FALSE(AreaOf(panel.HofBox(), Qt::white, QRect(30, 402, 62, 18)).isEmpty());

    panel.DrawPlayerClocks(false, 700, 425, 0);  // second half: both labels
    EXPECT_FALSE(AreaOf(panel.HofBox(), kYellow, play1).isEmpty());
    const QImage bothShown = panel.HofBox();

    panel.DrawPlayerClocks(true, 200, 425, 0);  // player 2 to move: its label blinks
    EXPECT_FALSE(AreaOf(panel.HofBox(), kYellow, play1).isEmpty());
    EXPECT_TRUE(AreaOf(panel.HofBox(), kAqua, play2).isEmpty());

    panel.DrawPlayerClocks(true, 700, 425, 0);
    EXPECT_EQ(panel.HofBox(), bothShown);  // the old drawing is wiped, not drawn over
}

}  // namespace
}  // namespace ribaku::render
