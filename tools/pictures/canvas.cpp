#include "canvas.h"

QImage shadePixels(int width, int height, const std::function<QColor(int, int)>& colorAt) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = colorAt(x, y).rgb();
    }
    return image;
}

QImage shadeTile(int width, int height, int scale,
                 const std::function<QColor(double, double)>& colorAt) {
    const int across = width * scale;
    const int down = height * scale;
    return shadePixels(across, down,
                       [&](int x, int y) { return colorAt(double(x) / across, double(y) / down); });
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void paintWrapped(QPainter& painter, QSize tile, const std::function<void(QPainter&)>& draw) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * tile.width(), dy * tile.height());
            draw(painter);
            painter.restore();
        }
    }
}

QFont cjkFont(int pixelSize, bool bold) {
    // Traditional forms, as the characters appear on mah-jongg tiles.
    QFont font(QStringLiteral("Noto Serif CJK TC"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont serifFont(int pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
