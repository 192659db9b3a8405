#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A small toolkit for percussive effects: decaying sine partials, filtered noise bursts and
// the finishing steps (edge fades, peak level, 16-bit conversion). Everything is
// deterministic: the noise comes from our own fixed-seed generator.

constexpr int kSampleRate = 44100;

using Signal = std::vector<double>;

Signal silence(double seconds);

// One mode of a struck body: a sine whose level falls by 1/e every decaySeconds.
struct Partial {
    double frequency;
    double amplitude;
    double decaySeconds;
};

// How a strike starts: a raised-cosine attack, and a pitch that begins `pitchDrop` (a ratio,
// 0.1 = 10 % sharp) above the partials' frequencies and settles within `dropSeconds`. The
// drop is what makes a knock sound like wood or a thud rather than a bell.
struct Strike {
    double atSeconds = 0.0;
    double attackSeconds = 0.002;
    double pitchDrop = 0.0;
    double dropSeconds = 0.01;
};

void addStrike(Signal& signal, const Strike& strike, std::span<const Partial> partials);

// xorshift32: a fixed seed gives the same noise on every run and every machine.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next();  // uniform in [-1, 1)

private:
    std::uint32_t state_;
};

// Second-order filter (the usual biquad forms), run over the samples in place.
class Biquad {
public:
    static Biquad lowPass(double cutoffHz, double q);
    static Biquad bandPass(double centreHz, double q);
    double process(double x);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

struct NoiseBurst {
    double atSeconds;
    double lengthSeconds;
    double amplitude;
    double decaySeconds;
    std::uint32_t seed;
};

// Adds exponentially decaying white noise shaped by `filter`.
void addNoiseBurst(Signal& signal, const NoiseBurst& burst, Biquad filter);

// Raised-cosine fades at both ends, so the wave starts and stops at zero without a click.
void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

// Scales the signal so that its largest sample sits at `dbfs` (e.g. -6.0).
void normalisePeak(Signal& signal, double dbfs);

std::vector<std::int16_t> toPcm16(const Signal& signal);
