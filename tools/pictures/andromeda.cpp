// Andromeda: a deep star field with a great spiral galaxy seen at a slant. Its core sits
// in the upper right, beside the welcome panel and above the corner of most layouts.

#include <cmath>
#include <numbers>
#include <vector>

#include "canvas.h"
#include "noise.h"
#include "pictures.h"
#include "random.h"

namespace {

constexpr int kWidth = 704;
constexpr int kHeight = 468;
constexpr double kPi = std::numbers::pi;

struct Light {
    double r = 0, g = 0, b = 0;
    void add(const Light& o, double k) {
        r += o.r * k;
        g += o.g * k;
        b += o.b * k;
    }
};

// The light falling on each pixel of the picture drawn `scale` times the size; positions
// are in the pixels of the picture at its own size.
class Sky {
public:
    explicit Sky(int scale) : scale_(scale) {}
    int scale() const { return scale_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Light& at(int x, int y) { return light_[static_cast<std::size_t>(y * width_ + x)]; }
    QImage toImage() {
        return shadePixels(width_, height_, [&](int x, int y) {
            const Light& l = at(x, y);
            // Soft shoulder: bright parts saturate gently instead of clipping.
            const auto tone = [](double v) { return 255.0 * (1 - std::exp(-v)); };
            return QColor(clampChannel(tone(l.r)), clampChannel(tone(l.g)),
                          clampChannel(tone(l.b)));
        });
    }

private:
    int scale_;
    int width_ = kWidth * scale_;
    int height_ = kHeight * scale_;
    std::vector<Light> light_ = std::vector<Light>(static_cast<std::size_t>(width_ * height_));
};

// Faint clouds of gas far behind the stars.
void paintNebulae(Sky& sky) {
    const TileableNoise gas(41, 3, 2);
    const TileableNoise tint(42, 2, 2);
    for (int y = 0; y < sky.height(); ++y) {
        for (int x = 0; x < sky.width(); ++x) {
            const double u = double(x) / sky.width(), v = double(y) / sky.height();
            const double density = std::pow(gas.fractal(u, v, 6), 3.0) * 0.35;
            const double purple = tint.fractal(u, v, 3);
            sky.at(x, y) = {0.022 + density * (0.25 + 0.5 * purple), 0.028 + density * 0.22,
                            0.07 + density * (0.75 - 0.3 * purple)};
        }
    }
}

// Where the galaxy lies: its disc is a circle of radius 1 in its own plane, seen
// slanted so that it shows as an ellipse in the upper right of the picture.
struct GalaxyPlane {
    QPointF centre{590, 96};
    double radius = 260;     // semi-major axis in pixels
    double flatness = 0.36;  // minor over major axis
    double tilt = -32 * kPi / 180;

    QPointF fromImage(double x, double y) const {
        const double dx = x - centre.x(), dy = y - centre.y();
        return {(dx * std::cos(tilt) + dy * std::sin(tilt)) / radius,
                (-dx * std::sin(tilt) + dy * std::cos(tilt)) / (radius * flatness)};
    }
    QPointF toImage(QPointF g) const {
        const double gx = g.x() * radius, gy = g.y() * radius * flatness;
        return centre + QPointF(gx * std::cos(tilt) - gy * std::sin(tilt),
                                gx * std::sin(tilt) + gy * std::cos(tilt));
    }
};

// Phase of the two trailing arms at a point of the plane.
double armPhase(QPointF g) {
    const double r = std::hypot(g.x(), g.y());
    return 2 * (std::atan2(g.y(), g.x()) - 2.4 * std::log(r + 0.05));
}

// Light of the galaxy at a pixel: a warm bulge, a disc with two dusty spiral arms.
Light galaxyAt(const GalaxyPlane& plane, double x, double y, const TileableNoise& clumps) {
    const QPointF g = plane.fromImage(x, y);
    const double r = std::hypot(g.x(), g.y());
    const double phase = armPhase(g);
    const double lumps = clumps.fractal(0.5 + g.x() * 0.4, 0.5 + g.y() * 0.4, 5);
    const double arms = std::pow(0.5 + 0.5 * std::cos(phase + 1.6 * lumps), 2.5);
    const double dust = std::pow(0.5 + 0.5 * std::cos(phase - 0.9 + lumps), 6) *
                        std::min(1.0, r / 0.12) * std::exp(-r / 0.7);
    const double disc = std::exp(-r / 0.3) * (0.35 + 0.9 * arms * (0.4 + lumps)) * (1 - 0.7 * dust);
    const double bulge = std::exp(-std::pow(r / 0.07, 0.8));
    Light light;
    light.add({1.0, 0.86, 0.66}, 1.25 * bulge);
    light.add({0.62, 0.7, 0.95}, 0.7 * disc);
    light.add({0.9, 0.78, 0.7}, 0.25 * std::exp(-r / 0.13) * (1 - 0.6 * dust));
    return light;
}

// Two small elliptical companions beside the big spiral.
Light companionsAt(const GalaxyPlane& plane, double x, double y) {
    const auto blob = [&](QPointF g, double size, double stretch, double power) {
        const QPointF c = plane.toImage(g);
        const double r = std::hypot((x - c.x()) / size, (y - c.y()) / (size * stretch));
        return std::exp(-std::pow(r, 0.9)) * power;
    };
    const double glow = blob({-0.1, 0.9}, 5, 0.8, 0.6) + blob({-0.45, -1.9}, 9, 0.55, 0.3);
    return {glow * 0.95, glow * 0.85, glow * 0.7};
}

void paintGalaxy(Sky& sky, const GalaxyPlane& plane) {
    const TileableNoise clumps(43, 6, 6);
    const double scale = sky.scale();
    for (int y = 0; y < sky.height(); ++y) {
        for (int x = 0; x < sky.width(); ++x) {
            Light& pixel = sky.at(x, y);
            pixel.add(galaxyAt(plane, x / scale, y / scale, clumps), 1.0);
            pixel.add(companionsAt(plane, x / scale, y / scale), 1.0);
        }
    }
}

// A star as a small gaussian spot; the brightest get a wider soft halo.
void addStar(Sky& sky, QPointF centre, const Light& colour, double power) {
    const double sx = centre.x() * sky.scale(), sy = centre.y() * sky.scale();
    const double sigma = (0.5 + 0.8 * power) * sky.scale();
    const int reach = static_cast<int>(std::ceil(sigma * 3));
    for (int y = static_cast<int>(sy) - reach; y <= static_cast<int>(sy) + reach; ++y) {
        for (int x = static_cast<int>(sx) - reach; x <= static_cast<int>(sx) + reach; ++x) {
            if (x < 0 || y < 0 || x >= sky.width() || y >= sky.height()) continue;
            const double d2 = (x + 0.5 - sx) * (x + 0.5 - sx) + (y + 0.5 - sy) * (y + 0.5 - sy);
            sky.at(x, y).add(colour, power * 2.2 * std::exp(-d2 / (2 * sigma * sigma)));
        }
    }
}

void paintStars(Sky& sky) {
    const Light colours[] = {
        {0.7, 0.8, 1.0}, {0.9, 0.92, 1.0}, {1.0, 1.0, 0.95}, {1.0, 0.9, 0.75}, {1.0, 0.78, 0.6}};
    Random random(4242);
    for (int i = 0; i < 2600; ++i) {
        const double x = random.range(0, kWidth);
        const double y = random.range(0, kHeight);
        const double power = 0.012 + 0.85 * std::pow(random.unit(), 22);
        addStar(sky, {x, y}, colours[random.below(5)], power);
    }
}

// Young blue clusters and glowing pink gas strung along the arms.
void paintKnots(Sky& sky, const GalaxyPlane& plane) {
    Random random(4343);
    int placed = 0;
    while (placed < 240) {
        const QPointF g(random.range(-1, 1), random.range(-1, 1));
        const double r = std::hypot(g.x(), g.y());
        if (r < 0.15 || r > 0.95) continue;
        if (std::cos(armPhase(g)) < 0.55 + 0.4 * random.unit()) continue;
        const QPointF at = plane.toImage(g);
        const bool pink = random.below(5) == 0;
        const Light colour = pink ? Light{1.0, 0.6, 0.75} : Light{0.7, 0.82, 1.0};
        addStar(sky, at, colour, (0.05 + 0.08 * random.unit()) * (1.2 - r));
        ++placed;
    }
}

}  // namespace

QImage paintAndromeda(int scale) {
    Sky sky(scale);
    const GalaxyPlane plane;
    paintNebulae(sky);
    paintGalaxy(sky, plane);
    paintKnots(sky, plane);
    paintStars(sky);
    return sky.toImage();
}
