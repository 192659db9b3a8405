#pragma once

#include <cstdint>

namespace ribaku {

// UTC time of day as the platform reports it.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The one generator behind every random draw of the program. It is a plain linear
// congruential generator on purpose: a game number must give the same board forever.
struct TRandom {
    uint32_t RandomState = 0;

    // 0..n-1, n >= 1: one step of the generator, scaled by the upper half of a 64-bit product.
    uint32_t RandomBelow(uint32_t n) {
        RandomState = RandomState * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(RandomState) * n) >> 32);
    }

    void SeedFromClock(const TimeOfDay& now) { RandomState = SeedForTime(now); }

    // Milliseconds since midnight.
    static constexpr uint32_t SeedForTime(const TimeOfDay& t) {
        return static_cast<uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 +
                                     t.millisecond);
    }
};

}  // namespace ribaku
