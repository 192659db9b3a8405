#pragma once

#include <cstdint>

// Smooth value noise over the unit square that wraps at its edges, so a picture
// built from it tiles without seams. Lattice values come from an integer hash.
class TileableNoise {
public:
    TileableNoise(std::uint32_t seed, int cellsX, int cellsY);

    // One octave at (u, v) in tile units (1.0 is one picture width); result in [0, 1].
    double at(double u, double v, int octave = 0) const;

    // Sum of octaves, each with twice the cells and half the weight; result in [0, 1].
    double fractal(double u, double v, int octaves) const;

private:
    double lattice(int i, int j, int octave) const;

    std::uint32_t seed_;
    int cellsX_;
    int cellsY_;
};
