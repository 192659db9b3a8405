#include "effects.h"

#include <array>

namespace {

constexpr double kPeakDbfs = -6.0;

Signal finished(Signal signal, double fadeOutSeconds) {
    fadeEdges(signal, 0.001, fadeOutSeconds);
    normalisePeak(signal, kPeakDbfs);
    return signal;
}

// A felt-covered knock: a low fundamental that drops in pitch, a few harmonics and a
// puff of low noise. No high partials, so it stays soft.
void addThud(Signal& signal, double atSeconds, double frequency, double level, unsigned seed) {
    const std::array<Partial, 3> partials{{
        {frequency, level, 0.050},
        {2.0 * frequency, 0.50 * level, 0.030},
        {3.0 * frequency, 0.25 * level, 0.018},
    }};
    addStrike(signal, {atSeconds, 0.003, 0.25, 0.020}, partials);
    addNoiseBurst(signal, {atSeconds, 0.05, 0.6 * level, 0.010, seed}, Biquad::lowPass(700.0, 0.7));
}

// A small bell: near-harmonic partials, the upper ones dying first, plus one slightly
// inharmonic partial that gives the shimmer of metal.
void addChime(Signal& signal, double atSeconds, double frequency, double level) {
    const std::array<Partial, 4> partials{{
        {frequency, level, 0.22},
        {2.0 * frequency, 0.35 * level, 0.12},
        {3.0 * frequency, 0.12 * level, 0.07},
        {4.16 * frequency, 0.06 * level, 0.05},
    }};
    addStrike(signal, {atSeconds, 0.002, 0.0, 0.01}, partials);
}

}  // namespace

Signal selectEffect() {
    // Modes of a small hardwood block: inharmonic and short-lived, with a quick pitch
    // settle and a tiny band of noise for the contact of the striker.
    const std::array<Partial, 3> modes{{
        {640.0, 1.00, 0.035},
        {1650.0, 0.35, 0.014},
        {2640.0, 0.12, 0.008},
    }};
    Signal signal = silence(0.14);
    addStrike(signal, {0.0, 0.0015, 0.06, 0.006}, modes);
    addNoiseBurst(signal, {0.0, 0.012, 0.5, 0.003, 0x5E1EC7u}, Biquad::bandPass(2800.0, 1.2));
    return finished(signal, 0.03);
}

Signal nowayEffect() {
    Signal signal = silence(0.34);
    addThud(signal, 0.0, 150.0, 1.0, 0xD0D0u);
    addThud(signal, 0.14, 130.0, 0.8, 0xB0B0u);
    return finished(signal, 0.05);
}

Signal doneEffect() {
    Signal signal = silence(0.38);
    addChime(signal, 0.0, 987.77, 0.8);     // B5
    addChime(signal, 0.085, 1318.51, 1.0);  // E6
    return finished(signal, 0.08);
}
