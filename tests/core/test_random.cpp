#include <gtest/gtest.h>

#include "core/random.h"

namespace ribaku {
namespace {

TEST(Random, DrawsFollowTheLinearCongruentialFormula) {
    // state' = state * 134775813 + 1 (mod 2^32); draw = (state' * n) >> 32.
    // From 1: 134775814 -> 1 of 34; 3698175007 -> 17 of 20; 870078620 -> 1 of 5.
    TRandom rng{1};
    EXPECT_EQ(rng.RandomBelow(34), 1u);
    EXPECT_EQ(rng.RandomState, 134775814u);
    EXPECT_EQ(rng.RandomBelow(20), 17u);
    EXPECT_EQ(rng.RandomState, 3698175007u);
    EXPECT_EQ(rng.RandomBelow(5), 1u);
    EXPECT_EQ(rng.RandomState, 870078620u);
}

TEST(Random, DrawsStayBelowTheirBoundAndCoverIt) {
    TRandom rng{12345};
    std::array<int, 7> seen{};
    for (int i = 0; i < 7000; ++i) {
        const uint32_t v = rng.RandomBelow(7);
        ASSERT_LT(v, 7u);
        ++seen[v];
    }
    for (int count : seen)
        EXPECT_GT(count, 800);
    EXPECT_EQ(rng.RandomBelow(1), 0u);
}

TEST(Random, ClockSeedIsMillisecondsSinceMidnightUtc) {
    TRandom rng;
    rng.SeedFromClock(TimeOfDay{1, 2, 3, 4});
    EXPECT_EQ(rng.RandomState, 3723004u);
    rng.SeedFromClock(TimeOfDay{23, 59, 59, 999});
    EXPECT_EQ(rng.RandomState, 86399999u);
}

}  // namespace
}  // namespace ribaku
