// Draws the program's icon into data/desktop/icons: a PNG for each size desktops ask for,
// and the scalable SVG.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "tile_icon.h"

namespace {

constexpr const char* kIconName = "io.github.ribaku.Ribaku";
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

bool WriteSvg(const QString& folder, const QString& text) {
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + QLatin1String(kIconName) + QStringLiteral(".svg"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon ICONS-FOLDER\n");
        return 2;
    }
    const QString icons = QString::fromLocal8Bit(argv[1]);
    const auto shapes = ribaku::desktop::TileIconShapes();
    for (int size : kSizes) {
        const QString folder = icons + QLatin1Char('/') + QString::number(size);
        QDir().mkpath(folder);
        const QString file =
            folder + QLatin1Char('/') + QLatin1String(kIconName) + QStringLiteral(".png");
        if (!ribaku::desktop::PaintIcon(shapes, size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    if (!WriteSvg(icons + QStringLiteral("/scalable"), ribaku::desktop::IconSvg(shapes))) {
        std::fprintf(stderr, "cannot write the SVG icon\n");
        return 1;
    }
    return 0;
}
