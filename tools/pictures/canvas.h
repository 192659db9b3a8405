#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>

// Small drawing helpers shared by the pictures.

inline int clampChannel(double value) {
    return std::clamp(static_cast<int>(value + 0.5), 0, 255);
}

inline QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor(clampChannel(a.red() + (b.red() - a.red()) * t),
                  clampChannel(a.green() + (b.green() - a.green()) * t),
                  clampChannel(a.blue() + (b.blue() - a.blue()) * t));
}

inline QColor withAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

// A colour scaled in brightness (factor 1 keeps it).
inline QColor scaled(const QColor& color, double factor) {
    return QColor(clampChannel(color.red() * factor), clampChannel(color.green() * factor),
                  clampChannel(color.blue() * factor));
}

// A fresh opaque picture whose every pixel is computed by colorAt(x, y).
QImage shadePixels(int width, int height, const std::function<QColor(int, int)>& colorAt);

// A fresh opaque picture of `width` x `height` drawn `scale` times the size, every pixel
// computed by colorAt(u, v) from its place in the picture (0 to 1 across and down), so
// that the same colours come out finer at a larger scale.
QImage shadeTile(int width, int height, int scale,
                 const std::function<QColor(double, double)>& colorAt);

// A painter on an image with antialiasing for shapes and text.
void prepare(QPainter& painter);

// Runs draw nine times, shifted by the picture size in every direction, so a motif
// that crosses an edge comes back on the opposite one and the picture tiles seamlessly.
void paintWrapped(QPainter& painter, QSize tile, const std::function<void(QPainter&)>& draw);

// Fonts of the generator (Debian: fonts-noto-cjk, fonts-dejavu-core).
QFont cjkFont(int pixelSize, bool bold = true);
QFont serifFont(int pixelSize, bool bold = true, bool italic = false);
