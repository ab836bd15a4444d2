#include <climits>
#include <set>

#include "tests/runtime/helpers.h"

namespace {

TEST(RuntimeNumbers, RandRangeCoversTheClosedRangeInEitherOrder) {
    seed_rnd(12345);
    std::set<int> up, down;
    for (int i = 0; i < 2000; ++i) {
        int a = rand_range(1, 8), b = rand_range(8, 1);
        ASSERT_GE(a, 1);
        ASSERT_LE(a, 8);
        ASSERT_GE(b, 1);
        ASSERT_LE(b, 8);
        up.insert(a);
        down.insert(b);
    }
    EXPECT_EQ(up.size(), 8u);
    EXPECT_EQ(down.size(), 8u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(rand_range(5, 5), 5);
        EXPECT_EQ(rand_range(-7, -7), -7);
        int n = rand_range(-3, -10);
        EXPECT_TRUE(n >= -10 && n <= -3);
    }
    // The widest range neither hangs nor overflows.
    rand_range(INT_MIN, INT_MAX);
    rand_range(INT_MAX, INT_MIN);
}

TEST(RuntimeNumbers, RandRangeIsRoughlyUniform) {
    seed_rnd(99);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) ++counts[rand_range(0, 5)];
    for (int c : counts) EXPECT_NEAR(c, 10000, 500);
}

TEST(RuntimeNumbers, StreamsAreIndependentAndSeedable) {
    seed_rnd(42);
    std::vector<int> plain;
    for (int i = 0; i < 100; ++i) plain.push_back(rand_range(0, 1000000));

    // Interleaving cosmetic draws leaves the world sequence as it was.
    seed_rnd(42);
    std::vector<int> mixed;
    for (int i = 0; i < 100; ++i) {
        rand_cosmetic(0, 10);
        rand_cosmetic(0, 10);
        mixed.push_back(rand_range(0, 1000000));
    }
    EXPECT_EQ(plain, mixed);

    // The same seed gives the same state; the two streams differ.
    seed_stream(rng_world, 7);
    uint64_t s = stream_state(rng_world);
    int first = rand_stream(rng_world, 0, INT_MAX);
    seed_stream(rng_world, 7);
    EXPECT_EQ(stream_state(rng_world), s);
    EXPECT_EQ(rand_stream(rng_world, 0, INT_MAX), first);
    seed_stream(rng_cosmetic, 7);
    EXPECT_NE(stream_state(rng_cosmetic), s);
    seed_stream(rng_world, 8);
    EXPECT_NE(stream_state(rng_world), s);
}

TEST(RuntimeNumbers, ConversionsTruncateTowardZero) {
    EXPECT_EQ(to_int(2.9), 2);
    EXPECT_EQ(to_int(-2.9), -2);
    EXPECT_EQ(to_int(1e20), INT_MAX);
    EXPECT_EQ(to_int(-1e20), INT_MIN);
    EXPECT_EQ(to_int(std::nan("")), 0);
    EXPECT_NEAR(sin_deg(90), 1.0, 1e-12);
    EXPECT_NEAR(cos_deg(180), -1.0, 1e-12);
    EXPECT_NEAR(sin_deg(30), 0.5, 1e-12);
}

TEST(RuntimeText, NumbersToTextAndBack) {
    EXPECT_EQ(int_text(-42), "-42");
    EXPECT_EQ(int_text(0), "0");
    EXPECT_EQ(float_text(176.0f), "176.000000");
    EXPECT_EQ(float_text(-0.5f), "-0.500000");
    EXPECT_EQ(text_to_int("  42abc"), 42);
    EXPECT_EQ(text_to_int("-17"), -17);
    EXPECT_EQ(text_to_int("+8"), 8);
    EXPECT_EQ(text_to_int("abc"), 0);
    EXPECT_EQ(text_to_int(""), 0);
    EXPECT_EQ(text_to_int("- 5"), 0);
    EXPECT_EQ(text_to_int("99999999999"), INT_MAX);
    EXPECT_EQ(text_to_int("-99999999999"), INT_MIN);
    EXPECT_EQ(char_text(65), "A");
    EXPECT_EQ(char_text(0), "");
}

TEST(RuntimeText, SubstringIsOneBasedAndStartZeroShortens) {
    EXPECT_EQ(substring("beetle", 1, 3), "bee");
    EXPECT_EQ(substring("beetle", 4, 3), "tle");
    EXPECT_EQ(substring("beetle", 4, 99), "tle");
    EXPECT_EQ(substring("beetle", 0, 6), "beetl");
    EXPECT_EQ(substring("beetle", 0, 1), "");
    EXPECT_EQ(substring("beetle", 7, 2), "");
    EXPECT_EQ(substring("beetle", 2, -1), "");
    EXPECT_EQ(substring("", 0, 0), "");
}

} // namespace
