#include "core/text_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "platform/clock.h"

namespace scribbet {
namespace {

// Bytes used below:
//   B0 A1 啊, A1 A1 full-width space, A3 C1 Ａ, A3 E1 ａ, A3 B1 １,
//   81 61 a double-byte character whose trail byte is the code of 'a'.

struct FindCase {
    const char* name;
    std::string text;
    std::string sought;
    std::optional<Pos> start;
    bool ignoreCase;
    Pos expected;
};

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, FindsAtCharacterStarts) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindText(c.text, c.sought, c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    ::testing::Values(
        FindCase{"EmptySoughtFindsAtOne", "abc", "", std::nullopt, false, 1},
        FindCase{"EmptyInEmptyIsNotFound", "", "", std::nullopt, false, -1},
        FindCase{"StartPastEnd", "abc", "c", 4, false, -1},
        FindCase{"StartZeroCountsAsOne", "aXbc", "bc", 0, false, 3},
        FindCase{"NegativeStartCountsAsOne", "abc", "a", -5, false, 1},
        FindCase{"EmptySoughtWithStartInside", "abc", "", 3, false, 1},
        FindCase{"StartSkipsEarlierMatch", "abab", "ab", 2, false, 3},
        FindCase{"PairStraddlingTwoCharacters", "\xB0\xA1\xA1\xB0", "\xA1\xA1", std::nullopt,
                 false, -1},
        FindCase{"TrailByteIsNoLetter", "\x81" "ab", "a", std::nullopt, false, -1},
        FindCase{"TrailByteLetterAfterItFound", "\x81" "aa", "a", std::nullopt, false, 3},
        FindCase{"StartOnTrailByteStepsFromThere", "\x81" "ab", "a", 2, false, 2},
        FindCase{"DoubleByteCharacterFound", "x\xB0\xA1y", "\xB0\xA1y", std::nullopt, false, 2},
        FindCase{"IgnoreCaseFoldsAsciiLetters", "xABc", "abC", std::nullopt, true, 2},
        FindCase{"MatchCaseIsExact", "xABc", "abC", std::nullopt, false, -1},
        FindCase{"IgnoreCaseFoldsTrailByteToo", "\xB0" "A", "\xB0" "a", std::nullopt, true, 1},
        FindCase{"LoneLeadEndsSearch", "ab\xB0", "\xB0", std::nullopt, false, -1},
        FindCase{"SoughtLongerThanText", "ab", "abc", std::nullopt, false, -1},
        FindCase{"MatchAtVeryEnd", "abc", "bc", std::nullopt, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

class FindTextReverseTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextReverseTest, FindsLastInsideLimit) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindTextReverse(c.text, c.sought, c.start, c.ignoreCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextReverseTest,
    ::testing::Values(
        FindCase{"WholeText", "abcabc", "abc", std::nullopt, false, 4},
        FindCase{"StartSeven", "abcabc", "abc", 7, false, 4},
        FindCase{"StartSixEndsBeforeLastMatch", "abcabc", "abc", 6, false, 1},
        FindCase{"StartFour", "abcabc", "abc", 4, false, 1},
        FindCase{"StartThreeFindsNothing", "abcabc", "abc", 3, false, -1},
        FindCase{"StartOneLimitZero", "abc", "a", 1, false, -1},
        FindCase{"EmptySought", "abc", "", std::nullopt, false, 1},
        FindCase{"EmptySoughtLimitZero", "abc", "", 1, false, -1},
        FindCase{"OverlappingLastMatch", "aaa", "aa", std::nullopt, false, 2},
        FindCase{"StepsFromFirstByteNotFromStart", "\x81" "a\x81" "a", "a", std::nullopt, false,
                 -1},
        FindCase{"IgnoreCase", "AbXab", "AB", std::nullopt, true, 4},
        FindCase{"LoneLeadEndsWalkKeepsEarlierMatch", "ab\xB0", "b", std::nullopt, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string sought;
    std::string replacement;
    bool caseSensitive;
    std::string expected;
};

class ReplaceTextTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, ReplacesLeftToRight) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceText(c.text, c.sought, c.replacement, c.caseSensitive), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextTest,
    ::testing::Values(
        ReplaceCase{"NoOverlap", "aaa", "aa", "b", true, "ba"},
        ReplaceCase{"IgnoringCase", "abAB", "ab", "x", false, "xx"},
        ReplaceCase{"MatchingCase", "abAB", "ab", "x", true, "xAB"},
        ReplaceCase{"EmptySoughtKeepsText", "a", "", "x", true, "a"},
        ReplaceCase{"EmptyText", "", "a", "x", true, ""},
        ReplaceCase{"ReplacementHoldingSoughtDoesNotLoop", "ab", "a", "aa", true, "aab"},
        ReplaceCase{"EmptyReplacementDeletes", "a,b,,c", ",", "", true, "abc"},
        ReplaceCase{"TrailByteNotReplaced", "\x81" "a" "a", "a", "x", true, "\x81" "ax"},
        ReplaceCase{"StraddlingPairNotReplaced", "\xB0\xA1\xA1\xB0", "\xA1\xA1", "x", true,
                    "\xB0\xA1\xA1\xB0"},
        ReplaceCase{"DoubleByteReplaced", "\xB0\xA1" "b\xB0\xA1", "\xB0\xA1", "-", true, "-b-"},
        ReplaceCase{"ShortTailKeptWithLoneLead", "abc\xB0", "bc\xB0\xA1", "x", true, "abc\xB0"},
        ReplaceCase{"OneByteSoughtKeepsLoneLead", "ab\xB0", "a", "x", true, "xb\xB0"},
        ReplaceCase{"NoOccurrenceKeepsEveryByte", "T\xCD" "3\x12\x88\\\xC8", ",", "x", true,
                    "T\xCD" "3\x12\x88\\\xC8"},
        ReplaceCase{"LineBreaks", "a\r\nb\r\n", "\r\n", ";", true, "a;b;"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplitCase {
    const char* name;
    std::string text;
    std::string separator;
    TextList expected;
};

class SplitTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, CutsAtSeparators) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitText(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextTest,
    ::testing::Values(
        SplitCase{"EmptyText", "", ",", {}},
        SplitCase{"ConsecutiveAndTrailing", "a,,b,", ",", {"a", "", "b"}},
        SplitCase{"Leading", ",a", ",", {"", "a"}},
        SplitCase{"EmptySeparator", "abc", "", {"abc"}},
        SplitCase{"LinesWithTrailingBreak", "a\r\nb\r\n", "\r\n", {"a", "b"}},
        SplitCase{"EmptyLineInside", "a\r\n\r\nb", "\r\n", {"a", "", "b"}},
        SplitCase{"OnlyLineBreak", "\r\n", "\r\n", {""}},
        SplitCase{"SeparatorAsTrailByteIgnored", "x\x81,y", ",", {"x\x81,y"}},
        SplitCase{"LoneLeadKeptInLastPiece", "a,b\xB0", ",", {"a", "b\xB0"}},
        SplitCase{"DoubleByteSeparator", "a\xA3\xAC" "b", "\xA3\xAC", {"a", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TransformCase {
    const char* name;
    AnsiText (*transform)(std::string_view);
    std::string text;
    std::string expected;
};

class TransformTest : public ::testing::TestWithParam<TransformCase> {};

TEST_P(TransformTest, GivesExpectedBytes) {
    const TransformCase& c = GetParam();
    EXPECT_EQ(c.transform(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spaces, TransformTest,
    ::testing::Values(
        TransformCase{"TrimStartBothKinds", TrimStart, "\xA1\xA1 a ", "a "},
        TransformCase{"TrimStartTabIsNoSpace", TrimStart, "\ta", "\ta"},
        TransformCase{"TrimStartAll", TrimStart, "  \xA1\xA1", ""},
        TransformCase{"TrimEndBothKinds", TrimEnd, " a \xA1\xA1 ", " a"},
        TransformCase{"TrimEndTrailByteSpaceIsNoSpace", TrimEnd, "a\xB0 ", "a\xB0 "},
        TransformCase{"TrimEndStraddlingPairIsNoSpace", TrimEnd, "\xB0\xA1\xA1", "\xB0\xA1"},
        TransformCase{"TrimEndLoneLeadKeepsSpacesBefore", TrimEnd, "a  \xB0", "a  "},
        TransformCase{"TrimEndCrLfIsNoSpace", TrimEnd, "a \r\n", "a \r\n"},
        TransformCase{"TrimBoth", TrimBoth, " \xA1\xA1" "a b\xA1\xA1 ", "a b"},
        TransformCase{"RemoveSpacesKeepsLineBreaks", RemoveSpaces, " a\xA1\xA1 b\r\n c",
                      "ab\r\nc"},
        TransformCase{"RemoveSpacesStraddlingPairKept", RemoveSpaces, "\xB0\xA1\xA1\xB0",
                      "\xB0\xA1\xA1\xB0"},
        TransformCase{"RemoveSpacesLoneLeadRemoved", RemoveSpaces, "a b\xB0", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CaseAndWidth, TransformTest,
    ::testing::Values(
        TransformCase{"UpperAscii", ToUpper, "abz{}AZ", "ABZ{}AZ"},
        TransformCase{"UpperLeavesTrailByte", ToUpper, "\x81" "a", "\x81" "a"},
        TransformCase{"UpperLeavesFullWidth", ToUpper, "\xA3\xE1" "a", "\xA3\xE1" "A"},
        TransformCase{"LowerAscii", ToLower, "ABZ@[az", "abz@[az"},
        TransformCase{"LowerLeavesTrailByte", ToLower, "\x81" "A" "A", "\x81" "Aa"},
        TransformCase{"FullWidthExample", ToFullWidth, "a b~", "\xA3\xE1\xA1\xA1\xA3\xE2\xA1\xAB"},
        TransformCase{"FullWidthRangeEnds", ToFullWidth, "!}", "\xA3\xA1\xA3\xFD"},
        TransformCase{"FullWidthKeepsControls", ToFullWidth, "\t\r\n\x7F", "\t\r\n\x7F"},
        TransformCase{"FullWidthCopiesPairsDropsLoneLead", ToFullWidth, "\xB0\xA1\xB0",
                      "\xB0\xA1"},
        TransformCase{"HalfWidthExample", ToHalfWidth, "\xA3\xE1\xA1\xA1\xA3\xE2\xA1\xAB", "a b~"},
        TransformCase{"HalfWidthStarsAndTilde", ToHalfWidth, "\xA1\xEE\xA1\xEF\xA3\xFE", "**~"},
        TransformCase{"HalfWidthKeepsOthers", ToHalfWidth, "\xB0\xA1" "a\xA3\xA0", "\xB0\xA1" "a\xA3\xA0"},
        TransformCase{"HalfWidthDropsLoneLead", ToHalfWidth, "a\xA3", "a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextOps, FullWidthThenHalfWidthGivesPrintableAsciiBack) {
    std::string ascii;
    for (int c = 0x20; c < 0x7F; ++c) ascii += static_cast<char>(c);
    EXPECT_EQ(ToHalfWidth(ToFullWidth(ascii)), ascii);
}

struct IntCase {
    const char* name;
    std::string text;
    std::int32_t expected;
};

class TextToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsLeadingNumber) {
    EXPECT_EQ(TextToInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToIntTest,
    ::testing::Values(IntCase{"LeadingSpaceAndTail", " 12abc", 12},
                      IntCase{"Negative", "-7", -7},
                      IntCase{"Plus", "+7", 7},
                      IntCase{"Empty", "", 0},
                      IntCase{"NoDigits", "abc", 0},
                      IntCase{"FullWidthDigits", "\xA3\xB1\xA3\xB2", 12},
                      IntCase{"FullWidthSpaceAndMinus", "\xA1\xA1\xA3\xAD" "5", -5},
                      IntCase{"WhiteSpaceKinds", "\t\r\n 3", 3},
                      IntCase{"WrapsAt32Bits", "4294967297", 1},
                      IntCase{"JustAboveMax", "2147483648", -2147483647 - 1},
                      IntCase{"SignWithoutDigits", "-", 0},
                      IntCase{"TrailByteDigitIsNoDigit", "\xB0" "5", 0},
                      IntCase{"SpaceAfterSignStops", "- 5", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextOps, PiecesClampCountsAndPositions) {
    EXPECT_EQ(TextLeft("abc", 2), "ab");
    EXPECT_EQ(TextLeft("abc", 9), "abc");
    EXPECT_EQ(TextLeft("abc", 0), "");
    EXPECT_EQ(TextRight("abc", 2), "bc");
    EXPECT_EQ(TextRight("abc", -1), "");
    EXPECT_EQ(TextRight("abc", 9), "abc");
    EXPECT_EQ(TextMid("abcd", 2, 2), "bc");
    EXPECT_EQ(TextMid("abcd", 3, 9), "cd");
    EXPECT_EQ(TextMid("abcd", 0, 2), "");
    EXPECT_EQ(TextMid("abcd", 5, 1), "");
    EXPECT_EQ(TextMid("abcd", 4, 1), "d");
    EXPECT_EQ(TextMid("abcd", 1, 0), "");
    EXPECT_EQ(TextLength("\xB0\xA1" "a"), 3);
    EXPECT_EQ(JoinText(std::string("a"), "b", std::string_view("c")), "abc");
}

TEST(TextOps, EqualsIgnoreCaseFoldsAsciiAndCodePageLetters) {
    EXPECT_TRUE(TextEquals("", ""));
    EXPECT_FALSE(TextEquals("a", ""));
    EXPECT_TRUE(TextEqualsIgnoreCase("C:\\Dir\\A.TXT", "c:\\dir\\a.txt"));
    EXPECT_TRUE(TextEqualsIgnoreCase("\xA3\xE1", "\xA3\xC1"));    // ａ and Ａ
    EXPECT_TRUE(TextEqualsIgnoreCase("\xA6\xC1", "\xA6\xA1"));    // α and Α
    EXPECT_TRUE(TextEqualsIgnoreCase("\xA7\xD1", "\xA7\xA1"));    // а and А
    EXPECT_FALSE(TextEqualsIgnoreCase("\xB0\xA1", "\xB0\xA2"));
    EXPECT_FALSE(TextEqualsIgnoreCase("ab", "abc"));
    EXPECT_FALSE(TextEqualsIgnoreCase("[", "{"));                 // not letters
}

TEST(TextOps, NumbersAreWrittenPlainly) {
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(RealToText(3.0), "3");
    EXPECT_EQ(RealToText(-1.0), "-1");
    EXPECT_EQ(RealToText(0.5), "0.5");
    EXPECT_EQ(RealToText(2.5), "2.5");
    EXPECT_EQ(RealToText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(RealToText(9999999999999.0), "9999999999999");
    EXPECT_EQ(RealToText(1e13), "1e+13");
    EXPECT_EQ(IntegerDivide(7, 2), 3);
    EXPECT_EQ(IntegerDivide(-7, 2), -3);
    EXPECT_EQ(Modulo(7, 3), 1);
    EXPECT_EQ(Modulo(-7, 3), -1);
    EXPECT_EQ(Modulo(7.5, 2), 1.5);
    // Quotients beyond every integer type stay reals.
    EXPECT_EQ(IntegerDivide(1e300, 3), std::trunc(1e300 / 3));
    EXPECT_EQ(IntegerDivide(-1e30, 1e-10), -1e30 / 1e-10);  // an integer already
    EXPECT_EQ(IntegerDivide(-1, 0), -std::numeric_limits<double>::infinity());
}

TEST(TextOps, SmallBuilders) {
    EXPECT_EQ(SpaceText(3), "   ");
    EXPECT_EQ(SpaceText(-3), "");
    EXPECT_EQ(CharFromCode(0x41), "A");
    EXPECT_EQ(CharFromCode(0x141), "A");
    EXPECT_EQ(CharFromCode(0), "");
    EXPECT_EQ(CharFromCode(0x100), "");
}

struct DateCase {
    const char* name;
    DateTime when;
    std::string expected;
};

class DateTimeToTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimeToTextTest, WritesDateAndShortestTime) {
    EXPECT_EQ(DateTimeToText(GetParam().when), GetParam().expected);
}

// 年 C4 EA, 月 D4 C2, 日 C8 D5, 时 CA B1, 分 B7 D6, 秒 C3 EB
INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimeToTextTest,
    ::testing::Values(
        DateCase{"Seconds", {2017, 10, 16, 13, 4, 35},
                 "2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "13\xCA\xB1" "4\xB7\xD6" "35\xC3\xEB"},
        DateCase{"Minutes", {2017, 10, 16, 13, 5, 0},
                 "2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "13\xCA\xB1" "5\xB7\xD6"},
        DateCase{"Hours", {2017, 10, 16, 13, 0, 0},
                 "2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "13\xCA\xB1"},
        DateCase{"Midnight", {2017, 10, 16, 0, 0, 0}, "2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5"},
        DateCase{"SecondsAfterMidnight", {2017, 10, 16, 0, 0, 5},
                 "2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "0\xCA\xB1" "0\xB7\xD6" "5\xC3\xEB"}),
    [](const auto& info) { return std::string(info.param.name); });

class FixedClock final : public Clock {
public:
    DateTime Now() const override { return {2020, 2, 29, 23, 59, 58}; }
    std::uint32_t Milliseconds() const override { return 0; }
};

TEST(TextOps, DateTimePartsComeFromTheClock) {
    const DateTime now = CurrentDateTime(FixedClock());
    EXPECT_EQ(YearOf(now), 2020);
    EXPECT_EQ(MonthOf(now), 2);
    EXPECT_EQ(DayOf(now), 29);
    EXPECT_EQ(HourOf(now), 23);
    EXPECT_EQ(MinuteOf(now), 59);
    EXPECT_EQ(SecondOf(now), 58);
}

TEST(TextOps, SystemClockGivesAPlausibleDate) {
    const DateTime now = SystemClock().Now();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_LE(now.second, 60);
}

TEST(TextOps, ByteBuffersKeepZeroBytes) {
    using namespace std::string_literals;
    const ByteBuffer bytes = "A\0B"s;
    EXPECT_EQ(BytesToText(bytes), "A");
    EXPECT_EQ(BytesToText("AB"), "AB");
    EXPECT_EQ(BytesLength(bytes), 3);
    EXPECT_EQ(TextToBytes("ab"), "ab");
    EXPECT_EQ(BytesLeft(bytes, 2), "A\0"s);
    EXPECT_EQ(BytesLeft(bytes, 9), bytes);
    EXPECT_EQ(BytesRight(bytes, 2), "\0B"s);
    EXPECT_EQ(BytesRight(bytes, -1), "");
    EXPECT_TRUE(BytesEqual("", ""));
    EXPECT_FALSE(BytesEqual("a\0"s, "a"));
    EXPECT_EQ(JoinBytes(bytes, "\0"s), "A\0B\0"s);
}

TEST(TextOps, SplitBytesIsByteWise) {
    using namespace std::string_literals;
    using List = std::vector<ByteBuffer>;
    EXPECT_EQ(SplitBytes("", ","), List{});
    EXPECT_EQ(SplitBytes("ab", ""), List{"ab"});
    EXPECT_EQ(SplitBytes("a\0\0b\0"s, "\0"s), (List{"a", "", "b"}));
    // No character stepping: a separator after a lead byte is found.
    EXPECT_EQ(SplitBytes("x\x81,y", ","), (List{"x\x81", "y"}));
}

}  // namespace
}  // namespace scribbet
