// Draws the backgrounds and decorative pictures of Ribaku into the data folder given
// as the only argument. The output is committed; run again after changing a picture.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "pictures.h"

namespace {

struct Picture {
    const char* path;  // relative to the data folder
    QImage (*paint)();
    const char* format;
    int quality;  // JPEG quality; -1 for bitmaps
};

const Picture kPictures[] = {
    {"Backgrounds/kanji.bmp", paintKanji, "BMP", -1},
    {"Backgrounds/dragons.bmp", paintDragons, "BMP", -1},
    {"Backgrounds/andromeda.jpg", paintAndromeda, "JPG", 90},
    {"Backgrounds/catpats.jpg", paintCatpats, "JPG", 92},
    {"hof.bmp", paintHallOfFamePanel, "BMP", -1},
    {"orange.jpg", paintOrange, "JPG", 90},
    {"resources/welcome.bmp", paintWelcome, "BMP", -1},
    {"resources/toolbar.bmp", paintToolbar, "BMP", -1},
    {"resources/splash.bmp", paintSplash, "BMP", -1},
};

bool write(const QDir& data, const Picture& picture) {
    const QString path = data.filePath(QString::fromLatin1(picture.path));
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    const QImage image = picture.paint().convertToFormat(QImage::Format_RGB32);
    return image.save(path, picture.format, picture.quality);
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
    for (const Picture& picture : kPictures) {
        if (!write(data, picture)) {
            std::fprintf(stderr, "cannot write %s\n", picture.path);
            return 1;
        }
        std::printf("%s\n", picture.path);
    }
    return 0;
}
