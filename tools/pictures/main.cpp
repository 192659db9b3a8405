// Draws the backgrounds and decorative pictures of Ribaku into the data folder given
// as the only argument. The output is committed; run again after changing a picture.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstddef>
#include <cstdio>

#include "few_colours.h"
#include "pictures.h"
#include "run_length_bitmap.h"

namespace {

struct Picture {
    const char* path;  // relative to the data folder
    QImage (*paint)();
    const char* format;
    int quality;  // JPEG quality; -1 for bitmaps
};

// The backgrounds go out twice: as they stand, and as "name@2x.ext" drawn at twice the size
// for screens of twice the density.
struct Background {
    const char* path;  // relative to the data folder
    QImage (*paint)(int scale);
    const char* format;
    int quality;  // JPEG quality; -1 for bitmaps
};

const Background kBackgrounds[] = {
    {"Backgrounds/kanji.bmp", paintKanji, "BMP", -1},
    {"Backgrounds/dragons.bmp", paintDragons, "BMP", -1},
    {"Backgrounds/andromeda.jpg", paintAndromeda, "JPG", 90},
    {"Backgrounds/catpats.jpg", paintCatpats, "JPG", 92},
};

const Picture kPictures[] = {
    {"hof.bmp", paintHallOfFamePanel, "BMP", -1},
    {"orange.jpg", paintOrange, "JPG", 90},
    {"resources/welcome.bmp", paintWelcome, "BMP", -1},
    {"resources/toolbar.bmp", paintToolbar, "BMP", -1},
    {"resources/splash.bmp", paintSplash, "BMP", -1},
};

bool save(const QImage& picture, const QString& path, const char* format, int quality) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    return picture.convertToFormat(QImage::Format_RGB32).save(path, format, quality);
}

bool write(const QDir& data, const Picture& picture) {
    return save(picture.paint(), data.filePath(QString::fromLatin1(picture.path)), picture.format,
                picture.quality);
}

// "name@2x.ext" beside "name.ext".
QString doubledPath(const QString& path) {
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + "@2x." + file.suffix());
}

// JPEGs at twice the size keep their quality. The bitmaps would weigh 2.3 MB in full colour;
// their few hundred tones of paper and silk fit a palette (no channel moves by more than 2),
// and run-length encoding shrinks them further.
bool write(const QDir& data, const Background& background) {
    const QString path = data.filePath(QString::fromLatin1(background.path));
    if (!save(background.paint(1), path, background.format, background.quality)) return false;
    const QImage doubled = background.paint(2);
    if (background.quality >= 0)
        return save(doubled, doubledPath(path), background.format, background.quality);
    return tileset::saveRunLengthBitmap(tileset::toFewColours(doubled), doubledPath(path));
}

// Writes every item, naming each; false at the first that cannot be written.
template <typename Item, std::size_t count>
bool writeAll(const QDir& data, const Item (&items)[count]) {
    for (const Item& item : items) {
        if (!write(data, item)) {
            std::fprintf(stderr, "cannot write %s\n", item.path);
            return false;
        }
        std::printf("%s\n", item.path);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Text is drawn with the system's fonts; no display is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    return writeAll(data, kBackgrounds) && writeAll(data, kPictures) ? 0 : 1;
}
