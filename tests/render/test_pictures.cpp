#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "render/background.h"
#include "render/picture_error.h"
#include "render/picture_loader.h"
#include "render/tileset.h"
#include "synthetic_art.h"

namespace ribaku::render {
namespace {

using namespace ribaku::render::testing;

// Four flat quarters: colours that survive JPEG compression almost unchanged.
QImage Quarters() {
    QImage picture(64, 48, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 32, 24, QColor(200, 30, 30));
    painter.fillRect(32, 0, 32, 24, QColor(30, 200, 30));
    painter.fillRect(0, 24, 32, 24, QColor(30, 30, 200));
    painter.fillRect(32, 24, 32, 24, QColor(230, 230, 230));
    return picture;
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray JpegBytes(const QImage& picture) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.jpg");
    EXPECT_TRUE(picture.save(path, "JPG", 95));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// A real JPEG whose frame header is changed to announce another size, as a progressive
// picture when asked (whose decoder would hold the whole picture at once).
QByteArray JpegClaiming(int width, int height, bool progressive) {
    QByteArray jpeg = JpegBytes(Quarters());
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    EXPECT_GT(frame, 0);
    if (progressive) jpeg[frame + 1] = '\xC2';
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width);
    return jpeg;
}

void PutLittleEndian(QByteArray& bytes, int at, qint64 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A bitmap header, and nothing after it, announcing a 24-bit picture of this size: the
// Windows header by default, the old OS/2 one (16-bit sizes) when asked.
QByteArray BitmapHeaderClaiming(qint64 width, qint64 height, bool os2 = false) {
    const int info = os2 ? 12 : 40;
    QByteArray bytes(14 + info, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittleEndian(bytes, 2, bytes.size(), 4);
    PutLittleEndian(bytes, 10, bytes.size(), 4);
    PutLittleEndian(bytes, 14, info, 4);
    const int field = os2 ? 2 : 4;
    PutLittleEndian(bytes, 18, width, field);
    PutLittleEndian(bytes, 18 + field, height, field);
    PutLittleEndian(bytes, 18 + 2 * field, 1, 2);   // planes
    PutLittleEndian(bytes, 20 + 2 * field, 24, 2);  // bits per pixel
    return bytes;
}

class Pictures : public ::testing::Test {
protected:
    std::filesystem::path Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(Pictures, JpegIsReadWhateverTheCaseOfItsExtension) {
    const QImage quarters = Quarters();
    const QByteArray jpeg = JpegBytes(quarters);
    for (const char* name : {"photo.jpg", "photo.JPG", "photo.Jpg", "photo.jpeg"}) {
        WriteBytes(dir.filePath(name), jpeg);
        const QImage read = LoadPicture(Path(name));
        ASSERT_EQ(read.size(), quarters.size()) << name;
        EXPECT_EQ(read.format(), QImage::Format_RGB32);
        for (QPoint p : {QPoint(5, 5), QPoint(50, 5), QPoint(5, 40), QPoint(50, 40)}) {
            EXPECT_TRUE(Near(read.pixelColor(p), quarters.pixelColor(p))) << name;
        }
    }
    // Anything else is a bitmap.
    EXPECT_FALSE(IsJpegPath("picture.bmp"));
    EXPECT_FALSE(IsJpegPath("folder.jpg/picture.bmp"));
    EXPECT_THROW(LoadPicture(Path("photo.jpg.bmp")), FileError);
}

TEST_F(Pictures, DamagedJpegIsAnErrorAndNeverEndsTheProgram) {
    const QByteArray jpeg = JpegBytes(Quarters());
    WriteBytes(dir.filePath("truncated.jpg"), jpeg.left(jpeg.size() / 2));
    WriteBytes(dir.filePath("empty.jpg"), QByteArray());
    WriteBytes(dir.filePath("text.jpg"), "this is no picture at all");
    WriteBytes(dir.filePath("header.jpg"), jpeg.left(20));
    for (const char* name : {"truncated.jpg", "empty.jpg", "text.jpg", "header.jpg"}) {
        try {
            LoadPicture(Path(name));
            ADD_FAILURE() << name << " was read";
        } catch (const PictureError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(LoadPicture(Path("missing.jpg")), FileError);
}

TEST_F(Pictures, BitmapThatCannotBeReadLeavesTheBackgroundAsItWas) {
    Background background;
    background.FillTeal();
    const QImage before = background.BackgroundBitmap();
    WriteBytes(dir.filePath("broken.bmp"), "BM\x10\0\0\0 not a bitmap");
    EXPECT_THROW(background.NouveauFond(Path("broken.bmp")), PictureError);
    // A JPEG under a bitmap's name is not taken for a bitmap.
    WriteBytes(dir.filePath("jpeg.bmp"), JpegBytes(Quarters()));
    EXPECT_THROW(background.NouveauFond(Path("jpeg.bmp")), PictureError);
    EXPECT_EQ(background.NouveauFond(Path("missing.bmp")), PictureLoad::FileMissing);
    EXPECT_EQ(background.BackgroundBitmap(), before);
}

// A header announcing a huge picture is refused at once, as any unreadable picture is, and
// whatever was shown stays: nothing is allocated for the pixels it claims.
TEST_F(Pictures, PictureClaimingAHugeSizeIsRefusedAndThePreviousOneStays) {
    WriteBytes(dir.filePath("huge.jpg"), JpegClaiming(60000, 60000, false));
    WriteBytes(dir.filePath("huge-progressive.jpg"), JpegClaiming(60000, 60000, true));
    WriteBytes(dir.filePath("wide.jpg"), JpegClaiming(20000, 8, false));
    WriteBytes(dir.filePath("huge.bmp"), BitmapHeaderClaiming(60000, 60000));
    WriteBytes(dir.filePath("top-down.bmp"), BitmapHeaderClaiming(60000, -60000));
    WriteBytes(dir.filePath("square.bmp"), BitmapHeaderClaiming(9000, 9000));
    WriteBytes(dir.filePath("os2.bmp"), BitmapHeaderClaiming(60000, 60000, true));
    const char* names[] = {"huge.jpg",     "huge-progressive.jpg", "wide.jpg", "huge.bmp",
                           "top-down.bmp", "square.bmp",           "os2.bmp"};

    Background background;
    background.FillTeal();
    const QImage backgroundBefore = background.BackgroundBitmap();
    Tileset tileset;
    tileset.SetTilesetBitmap(SyntheticTileset(), "synthetic");
    const QImage tilesBefore = tileset.TileImages();
    for (const char* name : names) {
        try {
            background.NouveauFond(Path(name));
            ADD_FAILURE() << name << " was read";
        } catch (const PictureError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(name), std::string::npos) << text;
            EXPECT_NE(text.find("not a readable"), std::string::npos) << text;
            EXPECT_NE(text.find("it claims"), std::string::npos) << text;
        }
        EXPECT_THROW(tileset.LoadTileset(Path(name)), PictureError) << name;
    }
    EXPECT_EQ(background.BackgroundBitmap(), backgroundBefore);
    EXPECT_EQ(tileset.TileImages(), tilesBefore);

    // The limits themselves are allowed.
    QImage wide(int(kMaxPictureSide), 2, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    ASSERT_TRUE(wide.save(dir.filePath("wide.bmp"), "BMP"));
    EXPECT_EQ(LoadPicture(Path("wide.bmp")).size(), wide.size());
    EXPECT_EQ(PictureSizeProblem(8000, 8000), "");
    EXPECT_NE(PictureSizeProblem(8001, 8000), "");
}

// A file named by a path far longer than any message should be: the message shortens it
// in the middle and keeps the file's own name.
TEST_F(Pictures, MessageNamesADeeplyPlacedFileShortly) {
    std::filesystem::path deep = Path("");
    for (int i = 0; i < 12; ++i)
        deep /= std::string(40, char('a' + i));
    std::filesystem::create_directories(deep);
    const std::filesystem::path file = deep / "broken picture.jpg";
    WriteBytes(QString::fromStdString(file.string()), "no picture");
    try {
        LoadPicture(file);
        ADD_FAILURE() << "read";
    } catch (const PictureError& e) {
        const std::string text = e.what();
        EXPECT_LT(text.size(), 200u) << text;
        EXPECT_NE(text.find("broken picture.jpg: not a readable JPEG"), std::string::npos);
        EXPECT_EQ(text.rfind(deep.root_path().string(), 0), 0u) << text;
    }
}

TEST_F(Pictures, SmallBackgroundIsRepeatedFromTheTopLeftCorner) {
    Background background;
    const QImage tile = PositionPicture(100, 100);
    ASSERT_TRUE(tile.save(dir.filePath("tile.bmp"), "BMP"));
    ASSERT_EQ(background.NouveauFond(Path("tile.bmp")), PictureLoad::Loaded);
    const QImage& board = background.BackgroundBitmap();
    ASSERT_EQ(board.size(), QSize(kBoardWidth, kBoardHeight));
    // 8 copies across (x = 0 to 700) and 5 down (y = 0 to 400), the last ones cut off.
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            ASSERT_EQ(board.pixel(x, y), tile.pixel(x % 100, y % 100)) << x << "," << y;
        }
    }

    // Wide enough but too low: repeated downwards only.
    const QImage strip = PositionPicture(800, 300);
    background.SetPicture(strip);
    EXPECT_EQ(board.pixel(703, 299), strip.pixel(703, 299));
    EXPECT_EQ(board.pixel(703, 300), strip.pixel(703, 0));
    EXPECT_EQ(board.pixel(10, 467), strip.pixel(10, 167));
}

TEST_F(Pictures, LargeBackgroundIsDrawnOnceUnscaled) {
    Background background;
    for (QSize size : {QSize(kBoardWidth, kBoardHeight), QSize(1000, 700)}) {
        const QImage picture = PositionPicture(size.width(), size.height());
        background.SetPicture(picture);
        EXPECT_EQ(background.BackgroundBitmap(), picture.copy(0, 0, kBoardWidth, kBoardHeight));
    }
}

TEST_F(Pictures, BackgroundIsBlackUntilAPictureAndABoardSizedOneIsNotCopied) {
    Background background;
    const QImage& black = background.BackgroundBitmap();
    ASSERT_EQ(black.size(), QSize(kBoardWidth, kBoardHeight));
    EXPECT_EQ(black.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(black.pixel(kBoardWidth - 1, kBoardHeight - 1), qRgb(0, 0, 0));

    const QImage picture = PositionPicture(kBoardWidth, kBoardHeight);
    background.SetPicture(picture);
    EXPECT_EQ(background.BackgroundBitmap().constBits(), picture.constBits());
    // Painting the next background leaves the shared picture as it was.
    background.SetPicture(PositionPicture(100, 100));
    background.FillTeal();
    EXPECT_EQ(picture, PositionPicture(kBoardWidth, kBoardHeight));
    EXPECT_NE(background.BackgroundBitmap(), picture);
}

TEST_F(Pictures, NoBackgroundIsTealInsideABlackFrame) {
    Background background;
    background.SetPicture(PositionPicture(kBoardWidth, kBoardHeight));
    background.FillTeal();
    const QImage& board = background.BackgroundBitmap();
    const QColor teal(0, 128, 128);
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            const bool frame = x == 0 || y == 0 || x == kBoardWidth - 1 || y == kBoardHeight - 1;
            ASSERT_EQ(board.pixelColor(x, y), frame ? QColor(Qt::black) : teal) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace ribaku::render
