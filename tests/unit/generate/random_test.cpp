#include "generate/random.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "stopped_clock.h"

namespace scribbet {
namespace {

// The generator's first states from state 1000, worked out from
// state' = state * 214013 + 2531011 (mod 2^32), raw = (state' >> 16) & 32767:
//  1: 1000 * 214013 + 2531011 = 216544011;             >> 16 = 3304  -> raw 3304
//  2: 216544011 * 214013 + 2531011 = 46343235957154
//     mod 2^32 = 538833314;                            >> 16 = 8221  -> raw 8221
//  3: 538833314 * 214013 + 2531011 mod 2^32 = 1759629789; >> 16 = 26849 -> 26849
//  4: ... = 920050988;  >> 16 = 14038 -> 14038
//  5: ... = 98940735;   >> 16 = 1509  -> 1509
//  6: ... = 417281286;  >> 16 = 6367  -> 6367
//  7: ... = 2662373297; >> 16 = 40624, & 32767 = 7856 (the mask matters here)
//  8: ... = 3547519920; >> 16 = 54130, & 32767 = 21362
//  9: ... = 2604190643; >> 16 = 39736, & 32767 = 6968
// 10: ... = 2813380522; >> 16 = 42928, & 32767 = 10160
// 11: ... = 1427861445; >> 16 = 21787 -> 21787
// 12: ... = 2580783988; >> 16 = 39379, & 32767 = 6611
// 13: ... = 1416791143; >> 16 = 21618 -> 21618
// 14: ... = 4214189454; >> 16 = 64303, & 32767 = 31535
// 15: ... = 4032564761; >> 16 = 61532, & 32767 = 28764
// 16: ... = 3441170552; >> 16 = 52508, & 32767 = 19740

TEST(RandomSourceTest, StartsAtStateOneWithoutSeeding) {
    StoppedClock clock(5000);
    RandomSource source(clock);
    EXPECT_EQ(source.State(), 1u);
    EXPECT_EQ(source.SeedingCounter(), 0u);
    // 1 * 214013 + 2531011 = 2745024; 2745024 >> 16 = 41 (41 * 65536 = 2686976).
    EXPECT_EQ(source.NextInRange(0, 32767), 41);
    EXPECT_EQ(source.State(), 2745024u);
}

TEST(RandomSourceTest, RawValuesFollowTheCongruence) {
    StoppedClock clock(1000);
    RandomSource source(clock);
    source.Reseed();
    ASSERT_EQ(source.State(), 1000u);
    const int expected[] = {3304, 8221, 26849, 14038, 1509, 6367, 7856, 21362};
    const unsigned states[] = {216544011u,  538833314u, 1759629789u, 920050988u,
                               98940735u,   417281286u, 2662373297u, 3547519920u};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(source.NextInRange(0, 32767), expected[i]) << "draw " << i + 1;
        EXPECT_EQ(source.State(), states[i]) << "draw " << i + 1;
    }
}

struct ReseedCase {
    const char* name;
    std::uint32_t milliseconds;
    // Seeds and counters after each of three reseeds at the same millisecond.
    std::uint32_t seeds[3];
    std::uint32_t counters[3];
};

class ReseedTest : public ::testing::TestWithParam<ReseedCase> {};

TEST_P(ReseedTest, SameMillisecondStillGivesNewSeeds) {
    const ReseedCase& c = GetParam();
    StoppedClock clock(c.milliseconds);
    RandomSource source(clock);
    for (int i = 0; i < 3; ++i) {
        source.Reseed();
        EXPECT_EQ(source.State(), c.seeds[i]) << "reseed " << i + 1;
        EXPECT_EQ(source.SeedingCounter(), c.counters[i]) << "reseed " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReseedTest,
    ::testing::Values(
        // seed 1000, counter 0 + (1000 & 255 = 232) + 100 = 332;
        // seed 1000 + 332 = 1332, counter 332 + (1332 & 255 = 52) + 100 = 484;
        // seed 1000 + 484 = 1484, counter 484 + (1484 & 255 = 204) + 100 = 788.
        ReseedCase{"OneSecond", 1000, {1000, 1332, 1484}, {332, 484, 788}},
        // seed 0, counter 0 + 0 + 100 = 100; seed 100, counter 100 + 100 + 100 = 300;
        // seed 300, counter 300 + (300 & 255 = 44) + 100 = 444.
        ReseedCase{"StartOfTheClock", 0, {0, 100, 300}, {100, 300, 444}},
        // seed 4294967280, counter 240 + 100 = 340; seed 4294967280 + 340
        // = 4294967620 - 2^32 = 324, counter 340 + (324 & 255 = 68) + 100 = 508;
        // seed 4294967280 + 508 - 2^32 = 492, counter 508 + (492 & 255 = 236) + 100 = 844.
        ReseedCase{"ClockAboutToWrap", 0xFFFFFFF0u, {0xFFFFFFF0u, 324, 492}, {340, 508, 844}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RangeCase {
    const char* name;
    int min;
    int max;
    int expected;  // the first value drawn from state 1000 (raw 3304)
    bool draws;
};

class NextInRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(NextInRangeTest, ClampsOrdersAndDraws) {
    const RangeCase& c = GetParam();
    StoppedClock clock(1000);
    RandomSource source(clock);
    source.Reseed();
    EXPECT_EQ(source.NextInRange(c.min, c.max), c.expected);
    EXPECT_EQ(source.State(), c.draws ? 216544011u : 1000u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextInRangeTest,
    ::testing::Values(
        RangeCase{"Digit", 0, 9, 4, true},                 // 3304 % 10 = 4
        RangeCase{"Offset", 48, 57, 52, true},             // 48 + 3304 % 10
        RangeCase{"Swapped", 57, 48, 52, true},            // same as 48 .. 57
        RangeCase{"NegativeMin", -3, 9, 4, true},          // -3 counts as 0
        RangeCase{"BothNegative", -9, -3, 0, false},       // 0 .. 0
        RangeCase{"NegativeMaxSwaps", 9, -3, 4, true},     // 0 .. 9
        RangeCase{"Equal", 7, 7, 7, false},
        RangeCase{"Letters", 65, 90, 67, true},            // 65 + 3304 % 26 = 65 + 2
        RangeCase{"WideSpan", 0, 40000, 3304, true},       // 3304 % 40001
        RangeCase{"WidestSpan", 0, INT_MAX, 3304, true},   // span taken as INT_MAX - 1
        RangeCase{"WidestFromOne", 1, INT_MAX, 3305, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct StringCase {
    const char* name;
    std::uint32_t milliseconds;
    int count;
    RandomKind kind;
    const char* expected;
};

class RandomStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(RandomStringTest, DrawsInTheFixedOrder) {
    const StringCase& c = GetParam();
    StoppedClock clock(c.milliseconds);
    RandomSource source(clock);
    EXPECT_EQ(RandomString(source, c.count, c.kind), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RandomStringTest,
    ::testing::Values(
        // Raw values from state 1000 as listed at the top.
        // 48 + 3304 % 10 = '4', 8221 -> '1', 26849 -> '9', 14038 -> '8'.
        StringCase{"Digits", 1000, 4, RandomKind::Digits, "4198"},
        // Each position draws which (1 + raw % 3), upper, lower, digit:
        // 1: which 1 + 3304 % 3 = 2 -> lower 97 + 26849 % 26 = 97 + 17 = 'r';
        // 2: which 1 + 1509 % 3 = 1 -> upper 65 + 6367 % 26 = 65 + 23 = 'X';
        // 3: which 1 + 6968 % 3 = 3 -> digit 48 + 6611 % 10 = '1';
        // 4: which 1 + 21618 % 3 = 1 -> upper 65 + 31535 % 26 = 65 + 23 = 'X'.
        StringCase{"Mixed", 1000, 4, RandomKind::Mixed, "rX1X"},
        // From state 2000 the raws are 6569, 8724, 32461, 25640, 26932, 937,
        // 7347, 10439, 3487 (same congruence). Each letter draws which
        // (1 + raw % 2), upper, lower:
        // 1: which 1 + 6569 % 2 = 2 -> lower 97 + 32461 % 26 = 97 + 13 = 'n';
        // 2: which 1 + 25640 % 2 = 1 -> upper 65 + 26932 % 26 = 65 + 22 = 'W';
        // 3: which 1 + 7347 % 2 = 2 -> lower 97 + 3487 % 26 = 97 + 3 = 'd'.
        StringCase{"Letters", 2000, 3, RandomKind::Letters, "nWd"},
        StringCase{"Zero", 1000, 0, RandomKind::Mixed, ""},
        StringCase{"Negative", 1000, -4, RandomKind::Digits, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RandomStringTest, EveryCallReseedsEvenForNothing) {
    StoppedClock clock(1000);
    RandomSource source(clock);
    EXPECT_EQ(RandomString(source, 0, RandomKind::Digits), "");
    EXPECT_EQ(source.SeedingCounter(), 332u);
    // The second seed is 1000 + 332 = 1332, so the same millisecond gives
    // another text: 1332 * 214013 + 2531011 = 287596327, >> 16 = 4388 -> '8'.
    const AnsiText second = RandomString(source, 1, RandomKind::Digits);
    EXPECT_EQ(second, "8");
    EXPECT_EQ(source.SeedingCounter(), 484u);
}

struct AlphabetCase {
    const char* name;
    RandomKind kind;
    const char* alphabet;
};

class RandomAlphabetTest : public ::testing::TestWithParam<AlphabetCase> {};

// Over many draws every character of the kind appears and no other.
TEST_P(RandomAlphabetTest, UsesExactlyItsCharacters) {
    const AlphabetCase& c = GetParam();
    StoppedClock clock(123456);
    RandomSource source(clock);
    const AnsiText text = RandomString(source, 20000, c.kind);
    ASSERT_EQ(text.size(), 20000u);
    const std::string alphabet = c.alphabet;
    for (char ch : text) ASSERT_NE(alphabet.find(ch), std::string::npos) << ch;
    for (char ch : alphabet) EXPECT_NE(text.find(ch), std::string::npos) << ch;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RandomAlphabetTest,
    ::testing::Values(
        AlphabetCase{"Digits", RandomKind::Digits, "0123456789"},
        AlphabetCase{"Letters", RandomKind::Letters,
                     "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"},
        AlphabetCase{"Mixed", RandomKind::Mixed,
                     "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
