#include <QTest>
#include <QTextBlock>
#include <QToolTip>
#include <QUrl>

#include "app/help_pages.h"
#include "app/tile_chart.h"
#include "help_fixture.h"

namespace ribaku::testing {
namespace {

using HelpPages = HelpFixture;

TEST_F(HelpPages, HelpAndNewsShowTheirFilesOnTheTooltipColour) {
    EXPECT_EQ(form.HelpText->document()->begin().text(), "Welcome to Ribaku");
    EXPECT_EQ(form.NewsText->document()->begin().text(), "What's new in Ribaku");
    EXPECT_TRUE(form.HelpText->isReadOnly());
    EXPECT_EQ(form.HelpText->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.HelpText->palette().color(QPalette::Base),
              QToolTip::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(form.HelpText->textCursor().position(), 0);  // opens at the top

    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "ribaku-no-help";
    std::filesystem::create_directories(empty);
    form.LoadTexts(empty);
    EXPECT_EQ(form.HelpText->toPlainText(),
              QString::fromStdString("Help file not found: " + (empty / "ribaku.rtf").string()));
    EXPECT_EQ(form.NewsText->toPlainText(),
              QString::fromStdString("Help file not found: " + (empty / "whatsnew.rtf").string()));
}

// Every link leads somewhere real on the player's machine: a file or folder beside the
// program, or another page of this dialog.
TEST_F(HelpPages, AboutLinksAreNavyUnderlinedHandsThatLeadSomewhereReal) {
    const std::vector<LinkLabel*>& links = form.About->links();
    ASSERT_EQ(links.size(), 4u);
    std::vector<int> pagesReached;
    int local = 0;
    for (LinkLabel* link : links) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        const QUrl url = link->url();
        if (url.isEmpty()) {
            form.PageControl->setCurrentIndex(static_cast<int>(HelpPage::About));
            QTest::mouseClick(link, Qt::LeftButton);
            pagesReached.push_back(form.PageControl->currentIndex());
            continue;
        }
        ASSERT_TRUE(url.isLocalFile()) << url.toString().toStdString();
        const std::filesystem::path target = url.toLocalFile().toStdString();
        EXPECT_EQ(target.parent_path(), kData);
        EXPECT_TRUE(std::filesystem::exists(target)) << target;
        ++local;
    }
    EXPECT_EQ(local, 2);
    EXPECT_EQ(pagesReached, (std::vector<int>{static_cast<int>(HelpPage::Help),
                                              static_cast<int>(HelpPage::WhatsNew)}));
}

// The name in red with a grey copy two pixels lower and to the right.
TEST_F(HelpPages, AboutTitleIsRedWithAGreyShadow) {
    form.SetPicture(QImage());
    const QImage about = form.About->grab().toImage();
    const QRect title(0, 0, AboutPanel::kSize.width(), 56);
    int red = 0, shadowBelowRed = 0;
    for (int y = title.top(); y < title.bottom() - 2; ++y)
        for (int x = title.left(); x < title.right() - 2; ++x)
            if (about.pixelColor(x, y) == QColor(255, 0, 0)) {
                ++red;
                if (about.pixelColor(x + 2, y + 2) == QColor(128, 128, 128)) ++shadowBelowRed;
            }
    EXPECT_GT(red, 200);
    EXPECT_GT(shadowBelowRed, 20);
}

TEST_F(HelpPages, FrenchPageTellsTheRulesInFrench) {
    const QList<QLabel*> labels = form.French->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    const QString text = labels[0]->text();
    for (const char* word : {"tuile", "libre", "paire", "Fleurs", "Saisons"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(word))) << word;
    EXPECT_EQ(form.French->size(), FrenchPanel::kSize);
}

TEST(TileChart, FacesStandInTheirGroupsWithoutOverlap) {
    const std::pair<int, QPoint> places[] = {
        {1, {10, 34}},    {9, {370, 34}},   {10, {10, 114}},  {27, {370, 194}}, {28, {10, 274}},
        {31, {145, 274}}, {32, {235, 274}}, {35, {370, 274}}, {36, {440, 194}}, {38, {530, 194}},
        {39, {440, 34}},  {40, {485, 34}},  {41, {440, 114}}, {42, {485, 114}}};
    for (const auto& [face, place] : places)
        EXPECT_EQ(TileChartPlace(face), place) << face;
    for (int a = 1; a <= 42; ++a) {
        const QRect faceA(TileChartPlace(a), QSize(40, 50));
        EXPECT_TRUE(QRect(QPoint(0, 0), TileChartPanel::kSize).contains(faceA)) << a;
        EXPECT_NE(faceA.left() < TileChartPanel::kLineX, faceA.right() >= TileChartPanel::kLineX)
            << "face " << a << " crosses the line";
        for (int b = a + 1; b <= 42; ++b)
            EXPECT_FALSE(faceA.intersects(QRect(TileChartPlace(b), QSize(40, 50))))
                << a << " " << b;
    }
}

TEST_F(HelpPages, TileChartCopiesTheFacesOfTheTilesetInUseAndWritesCaptions) {
    form.Prepare(HelpPage::Tiles);
    const QImage& chart = form.Tiles->chart();
    for (int face = 1; face <= 42; ++face) {
        const QRect tile = render::TileImageRect(face);
        const QImage expected = tileset.TileImages()
                                    .copy(tile.x() + 6, tile.y() + 1, 40, 50)
                                    .convertToFormat(chart.format());
        ASSERT_EQ(chart.copy(QRect(TileChartPlace(face), QSize(40, 50))), expected) << face;
    }
    // Each caption stands on a solid white ground at its corner, clear of the line.
    for (const QPoint corner : {QPoint(10, 14), QPoint(10, 92), QPoint(10, 172), QPoint(10, 252),
                                QPoint(305, 252), QPoint(440, 14), QPoint(440, 172)})
        EXPECT_EQ(chart.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
    for (int y = 0; y < chart.height(); ++y)
        EXPECT_EQ(chart.pixelColor(TileChartPanel::kLineX, y).alpha(), 0) << y;

    // Another tileset shows at the next opening.
    render::Tileset other;
    other.LoadTileset(kData / "Tilesets/pai256.bmp");  // fewer colours in every face
    QImage redrawn(TileChartPanel::kSize, QImage::Format_ARGB32_Premultiplied);
    DrawTileChart(redrawn, other);
    EXPECT_NE(redrawn, chart);
}

}  // namespace
}  // namespace ribaku::testing
