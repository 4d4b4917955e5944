#include "generate/random_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "stopped_clock.h"

namespace scribbet {
namespace {

struct LengthCase {
    const char* name;
    const char* field;
    RandomKind kind;
    const char* expected;
};

class RandomTextTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(RandomTextTest, ReadsTheLengthFieldAndDraws) {
    const LengthCase& c = GetParam();
    StoppedClock clock(1000);
    RandomSource source(clock);
    EXPECT_EQ(GenerateRandomText(source, c.field, c.kind), c.expected);
}

// From seed 1000 the raws are 3304, 8221, 26849, 14038, 1509, 6367, 7856,
// 21362, 6968, 10160 (state' = state * 214013 + 2531011 mod 2^32,
// raw = (state' >> 16) & 32767); a digit is 48 + raw % 10.
INSTANTIATE_TEST_SUITE_P(
    Cases, RandomTextTest,
    ::testing::Values(
        LengthCase{"Ten", "10", RandomKind::Digits, "4198976280"},
        LengthCase{"FullWidthDigit", "\xA3\xB4", RandomKind::Digits, "4198"},  // ４
        LengthCase{"NumberThenText", "4abc", RandomKind::Digits, "4198"},
        // which 1 + 3304 % 3 = 2 -> 'r'; which 1 + 1509 % 3 = 1 -> 'X' (see the random tests).
        LengthCase{"Mixed", "2", RandomKind::Mixed, "rX"},
        LengthCase{"Empty", "", RandomKind::Digits, ""},
        LengthCase{"Zero", "0", RandomKind::Letters, ""},
        LengthCase{"Negative", "-4", RandomKind::Mixed, ""},
        LengthCase{"NotANumber", "abc", RandomKind::Digits, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShareCase {
    const char* name;
    RandomKind kind;
    double digits;
    double upper;
    double lower;
};

class RandomTextShareTest : public ::testing::TestWithParam<ShareCase> {};

// Each kind of character comes with its share; the bounds are far wider
// than the spread of 60000 draws.
TEST_P(RandomTextShareTest, CharactersComeInTheirShares) {
    const ShareCase& c = GetParam();
    StoppedClock clock(987654);
    RandomSource source(clock);
    const AnsiText text = GenerateRandomText(source, "60000", c.kind);
    ASSERT_EQ(text.size(), 60000u);
    double digits = 0;
    double upper = 0;
    double lower = 0;
    for (char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        digits += std::isdigit(u) != 0;
        upper += std::isupper(u) != 0;
        lower += std::islower(u) != 0;
    }
    EXPECT_NEAR(digits / 60000, c.digits, 0.02);
    EXPECT_NEAR(upper / 60000, c.upper, 0.02);
    EXPECT_NEAR(lower / 60000, c.lower, 0.02);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RandomTextShareTest,
    ::testing::Values(ShareCase{"Digits", RandomKind::Digits, 1, 0, 0},
                      ShareCase{"Letters", RandomKind::Letters, 0, 0.5, 0.5},
                      ShareCase{"Mixed", RandomKind::Mixed, 1.0 / 3, 1.0 / 3, 1.0 / 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RandomTextTest, PressesInTheSameMillisecondStartFromNewSeeds) {
    StoppedClock clock(1000);
    RandomSource source(clock);
    const AnsiText first = GenerateRandomText(source, "12", RandomKind::Mixed);
    const AnsiText second = GenerateRandomText(source, "12", RandomKind::Mixed);
    EXPECT_EQ(first.size(), 12u);
    EXPECT_NE(first, second);
}

}  // namespace
}  // namespace scribbet
