#include "noise.h"

#include <cmath>

namespace {

std::uint32_t hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

int wrap(int i, int n) {
    return ((i % n) + n) % n;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

TileableNoise::TileableNoise(std::uint32_t seed, int cellsX, int cellsY)
    : seed_(seed), cellsX_(cellsX), cellsY_(cellsY) {}

double TileableNoise::lattice(int i, int j, int octave) const {
    const int nx = cellsX_ << octave;
    const int ny = cellsY_ << octave;
    const std::uint32_t key = hash(seed_ ^ hash(static_cast<std::uint32_t>(wrap(i, nx)) ^
                                                hash(static_cast<std::uint32_t>(wrap(j, ny)) +
                                                     static_cast<std::uint32_t>(octave) * 977u)));
    return static_cast<double>(key & 0xFFFFFFu) / static_cast<double>(0xFFFFFFu);
}

double TileableNoise::at(double u, double v, int octave) const {
    const double x = u * (cellsX_ << octave);
    const double y = v * (cellsY_ << octave);
    const int i = static_cast<int>(std::floor(x));
    const int j = static_cast<int>(std::floor(y));
    const double fx = smooth(x - i);
    const double fy = smooth(y - j);
    const double top = lattice(i, j, octave) * (1 - fx) + lattice(i + 1, j, octave) * fx;
    const double bottom = lattice(i, j + 1, octave) * (1 - fx) + lattice(i + 1, j + 1, octave) * fx;
    return top * (1 - fy) + bottom * fy;
}

double TileableNoise::fractal(double u, double v, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += at(u, v, octave) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}
