// The bitmaps, glyphs and cursor compiled into the program, and resources.qrc listing them.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

#include <functional>

namespace {

const QDir kResources(QStringLiteral(RIBAKU_DATA_DIR "/resources"));

QImage load(const QString& file) {
    QImage image(kResources.filePath(file));
    EXPECT_FALSE(image.isNull()) << file.toStdString() << " is missing or unreadable";
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xffffffu) == 0;
}

// Black is the transparent colour of the image lists: it may appear only where the
// picture is meant to be see-through.
void expectBlackExactly(const QImage& image, const std::function<bool(int, int)>& transparent,
                        const QString& file) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            EXPECT_EQ(isBlack(image, x, y), transparent(x, y))
                << file.toStdString() << " at " << x << "," << y;
        }
    }
}

struct ShadowPieceRule {
    const char* file;
    int width;
    int height;
    std::function<bool(int x, int y)> grey;
};

TEST(Resources, ShadowPiecesAreHalfCheckerboardsOfGreyOverTheirArea) {
    const auto even = [](int x, int y) { return (x + y) % 2 == 0; };
    const auto odd = [](int x, int y) { return (x + y) % 2 == 1; };
    const std::vector<ShadowPieceRule> rules = {
        {"3.bmp", 20, 10, even},
        {"9.bmp", 10, 20, [&](int x, int y) { return y < 10 && even(x, y); }},
        {"10.bmp", 10, 20, odd},
        {"11.bmp", 10, 20, [&](int x, int y) { return y < 10 && x >= y && even(x, y); }},
        {"12.bmp", 10, 20, [&](int x, int y) { return y < 10 && x <= y && even(x, y); }},
        {"13.bmp", 10, 20, [&](int x, int y) { return y < 15 && odd(x, y); }},
    };
    for (const ShadowPieceRule& rule : rules) {
        const QImage piece = load(rule.file);
        ASSERT_EQ(piece.size(), QSize(rule.width, rule.height)) << rule.file;
        for (int y = 0; y < rule.height; ++y) {
            for (int x = 0; x < rule.width; ++x) {
                const QRgb expected = rule.grey(x, y) ? qRgb(128, 128, 128) : qRgb(0, 0, 0);
                EXPECT_EQ(piece.pixel(x, y), expected) << rule.file << " at " << x << "," << y;
            }
        }
    }
}

TEST(Resources, FilledIsASolidWhiteFace) {
    const QImage filled = load("filled.bmp");
    ASSERT_EQ(filled.size(), QSize(40, 50));
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(filled.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

QRgb mostFrequentColour(const QImage& image) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(best)) best = it.key();
    }
    return best;
}

// A tile drawn with its depth toward the lower left has its top-left and bottom-right
// corners cut off along the diagonal, `depth` pixels deep.
std::function<bool(int, int)> cutCorners(int width, int height, int depth) {
    return
        [=](int x, int y) { return x + y < depth || (width - 1 - x) + (height - 1 - y) < depth; };
}

TEST(Resources, ClicksBlocksAreCutCornerTilesOfTheirColour) {
    const QRgb colours[] = {qRgb(0, 115, 0), qRgb(173, 107, 115), qRgb(165, 165, 8),
                            qRgb(132, 0, 0), qRgb(99, 107, 255)};
    for (int v = 1; v <= 5; ++v) {
        const QString file = QString("%1.bmp").arg(v + 3);
        const QImage block = load(file);
        ASSERT_EQ(block.size(), QSize(38, 38)) << file.toStdString();
        expectBlackExactly(block, cutCorners(38, 38, 6), file);
        EXPECT_EQ(mostFrequentColour(block), colours[v - 1]) << file.toStdString();
    }
}

TEST(Resources, MiniatureTileIsAnIvoryFaceWithAnEdge) {
    const QImage tile = load("2.bmp");
    ASSERT_EQ(tile.size(), QSize(13, 15));
    expectBlackExactly(tile, cutCorners(13, 15, 3), "2.bmp");
    // The face (the upper right 10 x 12) is light and warm; the edge is darker than it.
    const QColor face = tile.pixelColor(8, 5);
    EXPECT_GT(face.lightness(), 200);
    EXPECT_GE(face.red(), face.blue());
    EXPECT_LT(tile.pixelColor(1, 8).lightness(), face.lightness());
    EXPECT_LT(tile.pixelColor(6, 13).lightness(), face.lightness());
}

TEST(Resources, TechnoCursorClicksAtTheTipOfItsArrow) {
    const QImage cursor = load("techno.png");
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    ASSERT_TRUE(cursor.hasAlphaChannel());

    QFile hotSpotFile(kResources.filePath("techno.hotspot"));
    ASSERT_TRUE(hotSpotFile.open(QIODevice::ReadOnly));
    const QStringList numbers = QString::fromUtf8(hotSpotFile.readAll()).split(' ');
    ASSERT_EQ(numbers.size(), 2);
    const QPoint hotSpot(numbers[0].trimmed().toInt(), numbers[1].trimmed().toInt());
    ASSERT_TRUE(cursor.rect().contains(hotSpot));

    EXPECT_GT(qAlpha(cursor.pixel(hotSpot)), 128);
    // Nothing of the arrow lies above or to the left of the tip.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (y < hotSpot.y() || x < hotSpot.x()) {
                EXPECT_EQ(qAlpha(cursor.pixel(x, y)), 0) << x << "," << y;
            }
        }
    }
}

const QStringList kGlyphs = {"new",   "back", "hint",  "shuffle",    "pause", "play",
                             "music", "help", "about", "halloffame", "exit"};

TEST(Resources, ToolbarGlyphsAreSmallPicturesOnATransparentGround) {
    QSet<QByteArray> distinct;
    for (const QString& name : kGlyphs) {
        const QString file = "glyph_" + name + ".png";
        const QImage glyph = load(file).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(glyph.isNull());
        EXPECT_EQ(glyph.width(), glyph.height()) << file.toStdString();
        EXPECT_GE(glyph.width(), 16) << file.toStdString();
        EXPECT_LE(glyph.width(), 24) << file.toStdString();
        int opaque = 0;
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x)
                opaque += qAlpha(glyph.pixel(x, y)) == 255;
        }
        // Enough ink to read at 1x, with the toolbar showing round it.
        EXPECT_GT(opaque, glyph.width() * glyph.height() / 8) << file.toStdString();
        EXPECT_LT(opaque, glyph.width() * glyph.height() * 3 / 4) << file.toStdString();
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(glyph.constBits()), glyph.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), kGlyphs.size()) << "two buttons share a picture";
}

// name (as the program asks for it) -> file in data/resources
QMap<QString, QString> readQrc(QString* prefix) {
    QFile file(kResources.filePath("resources.qrc"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> entries;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"qresource") {
            *prefix = xml.attributes().value("prefix").toString();
        } else if (xml.name() == u"file") {
            const QString alias = xml.attributes().value("alias").toString();
            const QString path = xml.readElementText();
            entries.insert(alias.isEmpty() ? path : alias, path);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

TEST(Resources, QrcListsEveryResourceFileUnderTheNamesTheProgramUses) {
    QString prefix;
    const QMap<QString, QString> entries = readQrc(&prefix);
    EXPECT_EQ(prefix, "/res");

    QSet<QString> listedFiles;
    for (const QString& path : entries) {
        EXPECT_TRUE(kResources.exists(path)) << path.toStdString() << " is listed but missing";
        listedFiles.insert(path);
    }
    for (const QString& file : kResources.entryList(QDir::Files)) {
        if (file != "resources.qrc") {
            EXPECT_TRUE(listedFiles.contains(file)) << file.toStdString() << " is not listed";
        }
    }

    QStringList wanted = {"filled.bmp", "techno.png", "techno.hotspot", "toolbar.bmp",
                          "splash.bmp"};
    for (int number = 1; number <= 13; ++number)
        wanted << QString("%1.bmp").arg(number);
    for (const QString& name : kGlyphs)
        wanted << "glyph_" + name + ".png";
    for (const QString& name : wanted) {
        EXPECT_TRUE(entries.contains(name)) << ":/res/" << name.toStdString() << " is not listed";
    }
    EXPECT_EQ(entries.value("1.bmp"), "welcome.bmp");
}

}  // namespace
