#pragma once

#include <cstdint>

// A generator of our own (splitmix64): the standard distributions differ between
// standard libraries, and the committed pictures must come out the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 <= result < n; the modulo bias is far below anything a picture shows.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

    // A double in [0, 1) built from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double range(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint64_t state_;
};
