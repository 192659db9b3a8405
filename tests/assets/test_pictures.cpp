// Checks of the shipped backgrounds and decorative pictures: each loads with the size its
// place in the window needs, the tiled ones repeat without seams, each is light or dark
// where the game draws text over it, and the tiles stand out on the backgrounds.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kBoardWidth = 704;
constexpr int kBoardHeight = 468;

QString dataPath(const char* name) {
    return QStringLiteral(RIBAKU_DATA_DIR "/") + name;
}

QImage load(const std::string& name) {
    QImage image(dataPath(name.c_str()));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// Perceived brightness, 0 to 255.
double luma(QRgb pixel) {
    return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

struct Statistics {
    double mean = 0;
    double deviation = 0;
};

Statistics lumaStatistics(const QImage& image, QRect area) {
    double sum = 0, squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double l = luma(image.pixel(x, y));
            sum += l;
            squares += l * l;
        }
    }
    const double n = double(area.width()) * area.height();
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

// Mean brightness difference between column a and column b.
double columnDifference(const QImage& image, int a, int b) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        sum += std::abs(luma(image.pixel(a, y)) - luma(image.pixel(b, y)));
    return sum / image.height();
}

double rowDifference(const QImage& image, int a, int b) {
    double sum = 0;
    for (int x = 0; x < image.width(); ++x)
        sum += std::abs(luma(image.pixel(x, a)) - luma(image.pixel(x, b)));
    return sum / image.width();
}

// A picture repeats without a visible seam when the step from its last column back to its
// first is no bigger than the steps between neighbouring columns: over the whole picture,
// or next to its edges, where a motif may run close to the edge and make every step large.
struct Seam {
    double wrap;
    double typical;
};

template <typename Difference>
Seam seamOf(int length, Difference difference) {
    double all = 0;
    for (int i = 0; i + 1 < length; ++i)
        all += difference(i, i + 1);
    double nearEdges = 0;
    constexpr int kNear = 3;
    for (int i = 0; i < kNear; ++i) {
        nearEdges += difference(i, i + 1) + difference(length - 2 - i, length - 1 - i);
    }
    return {difference(length - 1, 0), std::max(all / (length - 1), nearEdges / (2 * kNear))};
}

Seam horizontalSeam(const QImage& image) {
    return seamOf(image.width(), [&](int a, int b) { return columnDifference(image, a, b); });
}

Seam verticalSeam(const QImage& image) {
    return seamOf(image.height(), [&](int a, int b) { return rowDifference(image, a, b); });
}

// JPEG recompression blurs every step a little, so allow a small margin over the typical one.
void expectSeamless(const Seam& seam, const char* name, const char* direction) {
    EXPECT_LE(seam.wrap, seam.typical * 1.25 + 1.0)
        << name << " shows a " << direction << " seam: " << seam.wrap << " across it, "
        << seam.typical << " between neighbours";
}

QByteArray fileBytes(const char* name) {
    QFile file(dataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

const char* const kTiledBackgrounds[] = {"Backgrounds/kanji.bmp", "Backgrounds/dragons.bmp",
                                         "Backgrounds/catpats.jpg"};
const char* const kBackgrounds[] = {"Backgrounds/kanji.bmp", "Backgrounds/dragons.bmp",
                                    "Backgrounds/andromeda.jpg", "Backgrounds/catpats.jpg"};

// "name@2x.ext" beside "name.ext": the background drawn at twice the size.
std::string doubledName(const char* name) {
    const std::string path = name;
    const std::size_t dot = path.rfind('.');
    return path.substr(0, dot) + "@2x" + path.substr(dot);
}

// How sharp a picture's edges are: the mean of its largest steps in brightness between
// horizontal neighbours (the top hundredth), which an enlargement softens.
double strongEdges(const QImage& image) {
    std::vector<double> steps;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x)
            steps.push_back(std::abs(luma(image.pixel(x, y)) - luma(image.pixel(x + 1, y))));
    const std::size_t strongest = steps.size() / 100;
    std::nth_element(steps.begin(), steps.end() - strongest, steps.end());
    double sum = 0;
    for (auto step = steps.end() - strongest; step != steps.end(); ++step)
        sum += *step;
    return sum / strongest;
}

// Mean brightness difference of two pictures of the same size.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(luma(a.pixel(x, y)) - luma(b.pixel(x, y)));
    return sum / (double(a.width()) * a.height());
}

// The luminance contrast ratio (of relative luminances, as for text on screen) from which two
// areas are told apart at a glance. Measured on the earlier, all-dark backgrounds: the edges of
// "Dark borders", lost on them, stood 1.03 to 1.27 from them; blue edges, faint but seen,
// 1.50 to 1.57.
constexpr double kVisibleContrast = 1.5;

const char* const kBitmaps[] = {
    "Backgrounds/kanji.bmp", "Backgrounds/dragons.bmp", "hof.bmp",
    "resources/welcome.bmp", "resources/toolbar.bmp",   "resources/splash.bmp"};
const char* const kJpegs[] = {"Backgrounds/andromeda.jpg", "Backgrounds/catpats.jpg",
                              "Backgrounds/andromeda@2x.jpg", "Backgrounds/catpats@2x.jpg",
                              "orange.jpg"};
// At twice the size, 8-bit palettes run-length encoded keep the bitmaps small.
const char* const kPaletteBitmaps[] = {"Backgrounds/kanji@2x.bmp", "Backgrounds/dragons@2x.bmp"};

// Relative luminance of a colour (sRGB), 0 for black to 1 for white.
double relativeLuminance(const QColor& colour) {
    auto linear = [](double channel) {
        channel /= 255.0;
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor meanColour(const QImage& image, const QRect& area) {
    double red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            red += qRed(p), green += qGreen(p), blue += qBlue(p);
        }
    }
    const double n = double(area.width()) * area.height();
    return QColor(int(red / n + 0.5), int(green / n + 0.5), int(blue / n + 0.5));
}

// The coloured back of a tile, as its left side shows it: the outer three columns of the
// blank tile (the inner ones are bone, the same in every tileset).
QColor tileSideColour(const char* tileset) {
    const QImage set = load(tileset);
    return set.isNull() ? QColor() : meanColour(set, QRect(0, 256 + 10, 3, 36));
}

// The ivory of a tile's face, the same in every tileset.
QColor faceColour() {
    const QImage set = load("Tilesets/bluepai.bmp");
    return set.isNull() ? QColor() : meanColour(set, QRect(6, 256, 40, 50));
}

}  // namespace

TEST(Pictures, EachLoadsWithTheSizeItsPlaceNeeds) {
    for (const char* name : kTiledBackgrounds) {
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull()) << name;
        // Smaller than the board, so the background is tiled over it.
        EXPECT_TRUE(image.width() < kBoardWidth || image.height() < kBoardHeight) << name;
        EXPECT_GE(image.width(), 64) << name;
        EXPECT_GE(image.height(), 64) << name;
    }
    const QImage andromeda = load("Backgrounds/andromeda.jpg");
    ASSERT_FALSE(andromeda.isNull());
    EXPECT_GE(andromeda.width(), kBoardWidth);
    EXPECT_GE(andromeda.height(), kBoardHeight);

    EXPECT_EQ(load("hof.bmp").size(), QSize(92, 468));
    EXPECT_EQ(load("resources/toolbar.bmp").size(), QSize(100, 32));
    EXPECT_EQ(load("resources/welcome.bmp").size(), QSize(329, 321));

    // The splash window is its picture plus a frame, centred on screens down to 640 x 480.
    const QImage splash = load("resources/splash.bmp");
    ASSERT_FALSE(splash.isNull());
    EXPECT_LE(splash.width() + 5, 640);
    EXPECT_LE(splash.height() + 25, 480);
    EXPECT_GE(splash.width(), 300);

    // Stretched over pages of about 400 to 600 x 350: a landscape that is not blown up much.
    const QImage orange = load("orange.jpg");
    ASSERT_FALSE(orange.isNull());
    EXPECT_GT(orange.width(), orange.height());
    EXPECT_GE(orange.width(), 300);
}

TEST(Pictures, TiledPicturesRepeatWithoutSeams) {
    for (const char* name : kTiledBackgrounds) {
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull()) << name;
        expectSeamless(horizontalSeam(image), name, "vertical");
        expectSeamless(verticalSeam(image), name, "horizontal");
    }
    // The toolbar repeats its picture across, not down.
    const QImage toolbar = load("resources/toolbar.bmp");
    ASSERT_FALSE(toolbar.isNull());
    expectSeamless(horizontalSeam(toolbar), "toolbar.bmp", "vertical");
}

TEST(Pictures, SeamCheckNoticesAPictureThatDoesNotWrap) {
    // A gradient wraps from its brightest column straight back to its darkest.
    QImage ramp(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ramp.setPixel(x, y, qRgb(x * 3, x * 3, x * 3));
    const Seam seam = horizontalSeam(ramp);
    EXPECT_GT(seam.wrap, seam.typical * 1.25 + 1.0);
}

TEST(Pictures, NoneIsFlat) {
    const char* const all[] = {"Backgrounds/kanji.bmp",
                               "Backgrounds/dragons.bmp",
                               "Backgrounds/andromeda.jpg",
                               "Backgrounds/catpats.jpg",
                               "hof.bmp",
                               "orange.jpg",
                               "resources/welcome.bmp",
                               "resources/toolbar.bmp",
                               "resources/splash.bmp"};
    for (const char* name : all) {
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GT(lumaStatistics(image, image.rect()).deviation, 2.0) << name << " is flat";
    }
}

TEST(Pictures, BackgroundsAreCalmAndSetTheIvoryFacesOff) {
    const QColor ivory = faceColour();
    ASSERT_TRUE(ivory.isValid());
    for (const char* name : kBackgrounds) {
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull()) << name;
        const Statistics stats = lumaStatistics(image, image.rect());
        EXPECT_LT(stats.deviation, 30) << name << " is too busy";
        EXPECT_GE(contrastRatio(meanColour(image, image.rect()), ivory), kVisibleContrast)
            << name << " is as light as the faces";
        // Few spots jump out of the picture's tone to draw the eye from the tiles.
        int loud = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                loud += std::abs(luma(image.pixel(x, y)) - stats.mean) > 100;
        EXPECT_LT(loud, image.width() * image.height() / 100) << name << " has loud spots";
    }
}

TEST(Pictures, EveryTilesetsEdgesStandOutOnMostBackgrounds) {
    struct Ground {
        const char* name;
        QColor mean;
    };
    // "None" fills the board with teal; a tileset is seen on at least three of the five.
    std::vector<Ground> grounds = {{"None", QColor(0, 128, 128)}};
    for (const char* name : kBackgrounds) {
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull()) << name;
        grounds.push_back({name, meanColour(image, image.rect())});
    }
    for (const char* tileset : {"Tilesets/pai.bmp", "Tilesets/darkpai.bmp", "Tilesets/bluepai.bmp",
                                "Tilesets/pai256.bmp"}) {
        const QColor side = tileSideColour(tileset);
        ASSERT_TRUE(side.isValid()) << tileset;
        int standsOut = 0;
        std::string ratios;
        for (const Ground& ground : grounds) {
            const double ratio = contrastRatio(side, ground.mean);
            standsOut += ratio >= kVisibleContrast;
            ratios += std::string(" ") + ground.name + " " + std::to_string(ratio);
        }
        EXPECT_GE(standsOut, 3) << tileset << " edges vanish:" << ratios;
    }
}

TEST(Pictures, LightPicturesKeepDarkTextReadable) {
    // Black help text, maroon and navy welcome texts, navy and maroon toolbar captions.
    for (const char* name : {"orange.jpg", "resources/welcome.bmp", "resources/toolbar.bmp"}) {
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull()) << name;
        const QRect inside = image.rect().adjusted(12, 12, -12, -12) & image.rect();
        const QRect area = inside.isEmpty() ? image.rect() : inside;
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                dark += luma(image.pixel(x, y)) < 130;
        EXPECT_GT(lumaStatistics(image, area).mean, 160) << name;
        EXPECT_LT(dark, area.width() * area.height() / 200) << name << " has dark patches";
    }
}

TEST(Pictures, HallOfFamePanelIsQuietWhereItsTextAndTileGo) {
    const QImage panel = load("hof.bmp");
    ASSERT_FALSE(panel.isNull());
    // Title, ten names and times in yellow, white and aqua, and the current-tile box.
    const Statistics text = lumaStatistics(panel, QRect(12, 26, 68, 420));
    EXPECT_LT(text.mean, 60);
    EXPECT_LT(text.deviation, 8);
    const Statistics tile = lumaStatistics(panel, QRect(24, 390, 46, 56));
    EXPECT_LT(tile.deviation, 6);
}

TEST(Pictures, FilesAreInFormatsTheGamesReadersTake) {
    for (const char* name : kBitmaps) {
        const QByteArray bytes = fileBytes(name);
        ASSERT_GE(bytes.size(), 54) << name;
        EXPECT_EQ(bytes.left(2), QByteArray("BM")) << name;
        EXPECT_EQ(littleEndian(bytes, 28, 2), 24u) << name << ": not 24 bits per pixel";
        EXPECT_EQ(littleEndian(bytes, 30, 4), 0u) << name << ": compressed";
    }
    for (const char* name : kPaletteBitmaps) {
        const QByteArray bytes = fileBytes(name);
        ASSERT_GE(bytes.size(), 54) << name;
        EXPECT_EQ(bytes.left(2), QByteArray("BM")) << name;
        EXPECT_EQ(littleEndian(bytes, 28, 2), 8u) << name << ": not 8 bits per pixel";
        EXPECT_EQ(littleEndian(bytes, 30, 4), 1u) << name << ": not run-length encoded";
    }
    for (const char* name : kJpegs) {
        const QByteArray bytes = fileBytes(name);
        ASSERT_GE(bytes.size(), 4) << name;
        EXPECT_EQ(bytes.left(3), QByteArray("\xFF\xD8\xFF")) << name;
        // Baseline (SOF0), not progressive (SOF2).
        EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2))) << name;
        EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2))) << name;
    }
}

// For screens of twice the density: the same pictures drawn again at twice the size, so that
// they are sharper than the pictures at their own size enlarged, and tile the same way.
TEST(Pictures, BackgroundsAtTwiceTheSizeAreTheSamePicturesDrawnFiner) {
    for (const char* name : kBackgrounds) {
        const QImage own = load(name);
        const QImage doubled = load(doubledName(name));
        ASSERT_FALSE(doubled.isNull()) << doubledName(name);
        ASSERT_EQ(doubled.size(), own.size() * 2) << doubledName(name);
        const QImage reduced =
            doubled.scaled(own.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(reduced, own), 1.0) << name;
        const QImage enlarged =
            own.scaled(doubled.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Faint stars, spread over more pixels at twice the size, keep the galaxy's gain
        // smallest: about a fifth, against twice for the sharp drawings of the others.
        EXPECT_GT(strongEdges(doubled), strongEdges(enlarged) * 1.1) << name;
    }
    for (const char* name : kTiledBackgrounds) {
        const QImage doubled = load(doubledName(name));
        ASSERT_FALSE(doubled.isNull()) << doubledName(name);
        expectSeamless(horizontalSeam(doubled), name, "vertical");
        expectSeamless(verticalSeam(doubled), name, "horizontal");
    }
}
