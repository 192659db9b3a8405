// "orange.jpg": a pale orange sunset over misty mountain ridges, stretched behind the help
// dialog's About, French and Tiles pages. Dark text and tiles go over it, so every part
// of it stays light.

#include <QPainterPath>
#include <cmath>

#include "canvas.h"
#include "noise.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;

const QColor kSkyTop(252, 236, 206);
const QColor kSkyLow(255, 200, 138);
const QColor kSun(255, 244, 214);
const QPointF kSunCentre(318, 178);
constexpr double kSunRadius = 38;

struct Ridge {
    double base;       // mean height of the ridge line, in pixels from the top
    double amplitude;  // how far peaks rise above it
    QColor colour;
    std::uint32_t seed;
};

// Far ridges are paler, as the evening haze lies between them and the eye.
const Ridge kRidges[] = {
    {196, 46, QColor(246, 186, 140), 81},
    {236, 40, QColor(236, 164, 120), 82},
    {276, 36, QColor(224, 144, 106), 83},
    {318, 30, QColor(210, 128, 96), 84},
};

QColor skyAt(int x, int y, const TileableNoise& haze) {
    const double v = double(y) / kHeight;
    QColor sky = mix(kSkyTop, kSkyLow, std::pow(std::min(1.0, v / 0.62), 1.6));
    const double streak = haze.fractal(double(x) / kWidth, v, 4);
    sky = mix(sky, QColor(255, 250, 236), 0.35 * std::pow(streak, 3));
    const double d = std::hypot(x - kSunCentre.x(), y - kSunCentre.y());
    const double glow = std::exp(-std::pow(d / 110.0, 2)) * 0.55;
    const double disc = std::clamp(kSunRadius + 0.5 - d, 0.0, 1.0);
    return mix(mix(sky, kSun, glow), kSun, disc);
}

// The ridge line in full detail, or only its broad shape (for the mist, which would show
// every little peak as a vertical streak otherwise).
double ridgeLine(const Ridge& ridge, const TileableNoise& shape, int x, int octaves) {
    const double u = double(x) / kWidth;
    return ridge.base - ridge.amplitude * (shape.fractal(u, 0.5, octaves) - 0.3) * 1.8;
}

QColor landAt(int x, int y, QColor colour) {
    // Mist gathers at each ridge's foot.
    for (const Ridge& ridge : kRidges) {
        const TileableNoise shape(ridge.seed, 5, 1);
        if (y >= ridgeLine(ridge, shape, x, 6)) {
            const double depth =
                std::clamp((y - ridgeLine(ridge, shape, x, 2) + 10) / 56.0, 0.0, 1.0);
            colour = mix(ridge.colour, mix(ridge.colour, kSkyLow, 0.55), depth);
        }
    }
    return colour;
}

// A few birds heading home across the sun.
void paintBirds(QPainter& painter) {
    const QPointF birds[] = {{250, 120}, {268, 112}, {282, 126}, {231, 131}};
    painter.setPen(QPen(QColor(150, 96, 70, 170), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    double size = 6;
    for (const QPointF& at : birds) {
        QPainterPath bird(at + QPointF(-size, -size * 0.3));
        bird.quadTo(at + QPointF(-size * 0.4, -size * 0.6), at);
        bird.quadTo(at + QPointF(size * 0.4, -size * 0.6), at + QPointF(size, -size * 0.3));
        painter.drawPath(bird);
        size *= 0.85;
    }
}

}  // namespace

QImage paintOrange() {
    const TileableNoise haze(80, 2, 12);
    QImage image =
        shadePixels(kWidth, kHeight, [&](int x, int y) { return landAt(x, y, skyAt(x, y, haze)); });
    QPainter painter(&image);
    prepare(painter);
    paintBirds(painter);
    return image;
}
