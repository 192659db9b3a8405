#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t sampleIndex(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

}  // namespace

Signal silence(double seconds) {
    return Signal(sampleIndex(seconds), 0.0);
}

void addStrike(Signal& signal, const Strike& strike, std::span<const Partial> partials) {
    const std::size_t first = sampleIndex(strike.atSeconds);
    for (const Partial& partial : partials) {
        double phase = 0.0;
        for (std::size_t i = first; i < signal.size(); ++i) {
            const double t = static_cast<double>(i - first) / kSampleRate;
            const double attack =
                t < strike.attackSeconds
                    ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / strike.attackSeconds)
                    : 1.0;
            const double glide = 1.0 + strike.pitchDrop * std::exp(-t / strike.dropSeconds);
            signal[i] +=
                partial.amplitude * attack * std::exp(-t / partial.decaySeconds) * std::sin(phase);
            phase += kTwoPi * partial.frequency * glide / kSampleRate;
        }
    }
}

double NoiseSource::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

Biquad Biquad::lowPass(double cutoffHz, double q) {
    const double w = kTwoPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0_ = (1.0 - std::cos(w)) / 2.0 / a0;
    f.b1_ = (1.0 - std::cos(w)) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2.0 * std::cos(w) / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::bandPass(double centreHz, double q) {
    const double w = kTwoPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0_ = alpha / a0;
    f.b1_ = 0.0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2.0 * std::cos(w) / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void addNoiseBurst(Signal& signal, const NoiseBurst& burst, Biquad filter) {
    NoiseSource noise(burst.seed);
    const std::size_t first = sampleIndex(burst.atSeconds);
    const std::size_t last = std::min(signal.size(), first + sampleIndex(burst.lengthSeconds));
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        signal[i] +=
            burst.amplitude * std::exp(-t / burst.decaySeconds) * filter.process(noise.next());
    }
}

void fadeEdges(Signal& signal, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t in = std::min(signal.size(), sampleIndex(fadeInSeconds));
    const std::size_t out = std::min(signal.size(), sampleIndex(fadeOutSeconds));
    for (std::size_t i = 0; i < in; ++i)
        signal[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / in);
    for (std::size_t i = 0; i < out; ++i) {
        const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / out);
        signal[signal.size() - 1 - i] *= gain;
    }
}

void normalisePeak(Signal& signal, double dbfs) {
    double peak = 0.0;
    for (double s : signal)
        peak = std::max(peak, std::abs(s));
    if (peak == 0.0) return;
    const double gain = std::pow(10.0, dbfs / 20.0) / peak;
    for (double& s : signal)
        s *= gain;
}

std::vector<std::int16_t> toPcm16(const Signal& signal) {
    std::vector<std::int16_t> pcm(signal.size());
    std::transform(signal.begin(), signal.end(), pcm.begin(), [](double s) {
        return static_cast<std::int16_t>(std::clamp(std::lround(s * 32767.0), -32767L, 32767L));
    });
    return pcm;
}
