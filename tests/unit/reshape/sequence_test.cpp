#include "reshape/sequence.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace scribbet {
namespace {

// Bytes used below: B5 DA 第, D5 C2 章, A3 B3 full-width 3, A3 AD full-width
// minus, 81 0D a double-byte character whose trail byte is a CR.
const char kDi[] = "\xB5\xDA";
const char kZhang[] = "\xD5\xC2";

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

// The tools as first described: one affix after the other, each built by
// concatenation. Quadratic, and only for checking the real ones.
std::string ReferenceAffix(const Affix& affix, long long i) {
    std::string text = affix.left;
    if (affix.numbered) text += RealToText(static_cast<double>(TextToInt(affix.startNumber)) + i - 1);
    return text + affix.right;
}

std::string ReferenceNumberedLines(const Affix& affix, const std::string& lineCount) {
    std::string result;
    for (long long i = 1; i <= TextToInt(lineCount); ++i) {
        result = result + ReferenceAffix(affix, i) + "\r\n";
    }
    return result;
}

std::string ReferenceInsert(const std::string& text, const Affix& affix, bool atStart) {
    std::string result;
    long long i = 0;
    for (const AnsiText& p : SplitText(text, "\r\n")) {
        ++i;
        result = atStart ? result + ReferenceAffix(affix, i) + p + "\r\n"
                         : result + p + ReferenceAffix(affix, i) + "\r\n";
    }
    return result;
}

TEST(SequenceModeOfTest, KnowsTheThreeModesOnly) {
    EXPECT_EQ(SequenceModeOf(1), SequenceMode::NumberedLines);
    EXPECT_EQ(SequenceModeOf(2), SequenceMode::ParagraphStart);
    EXPECT_EQ(SequenceModeOf(3), SequenceMode::ParagraphEnd);
    for (const int other : {0, 4, -1, -3, 1000}) EXPECT_EQ(SequenceModeOf(other), std::nullopt) << other;
}

struct NumberedCase {
    const char* name;
    Affix affix;
    std::string lineCount;
    std::string expected;
};
void PrintTo(const NumberedCase& c, std::ostream* os) { *os << c.name; }

class NumberedLinesTest : public ::testing::TestWithParam<NumberedCase> {};

TEST_P(NumberedLinesTest, BuildsEveryLine) {
    const NumberedCase& c = GetParam();
    EXPECT_EQ(NumberedLines(c.affix, c.lineCount), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberedLinesTest,
    ::testing::Values(
        NumberedCase{"DefaultsGiveZeroToNine", {"", true, "", ""}, "10",
                     Lines({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"})},
        NumberedCase{"Chapters", {kDi, true, "1", kZhang}, "3",
                     Lines({"\xB5\xDA" "1\xD5\xC2", "\xB5\xDA" "2\xD5\xC2", "\xB5\xDA" "3\xD5\xC2"})},
        NumberedCase{"UncheckedRepeatsTheTextsAndIgnoresTheStart", {"a", false, "5", "b"}, "3",
                     Lines({"ab", "ab", "ab"})},
        NumberedCase{"UncheckedEmptyTextsGiveEmptyLines", {"", false, "", ""}, "2",
                     Lines({"", ""})},
        NumberedCase{"SpacesKeptAsTyped", {" [", true, "8", "] "}, "3",
                     Lines({" [8] ", " [9] ", " [10] "})},
        NumberedCase{"PastThe32BitLimitWithoutWrapping", {"", true, "2147483647", ""}, "2",
                     Lines({"2147483647", "2147483648"})},
        NumberedCase{"NegativeStartWithMinusSigns", {"", true, "-2", ""}, "4",
                     Lines({"-2", "-1", "0", "1"})},
        NumberedCase{"LowestStartCountsUp", {"", true, "-2147483648", ""}, "2",
                     Lines({"-2147483648", "-2147483647"})},
        NumberedCase{"StartWrapsAsTextToIntReadsIt", {"", true, "4294967295", ""}, "2",
                     Lines({"-1", "0"})},
        NumberedCase{"StartJustPastTheLimitWraps", {"", true, "2147483648", ""}, "1",
                     Lines({"-2147483648"})},
        NumberedCase{"StartReadUpToItsDigits", {"", true, " 7x9", ""}, "2", Lines({"7", "8"})},
        NumberedCase{"FullWidthStartDigitsAndMinus", {"", true, "\xA3\xAD\xA3\xB3", ""}, "2",
                     Lines({"-3", "-2"})},
        NumberedCase{"FullWidthCount", {"x", false, "", ""}, "\xA3\xB3", Lines({"x", "x", "x"})},
        NumberedCase{"CountWrapsAsTextToIntReadsIt", {"", true, "", ""}, "4294967298",
                     Lines({"0", "1"})},
        NumberedCase{"ZeroCountIsEmpty", {"a", true, "1", "b"}, "0", ""},
        NumberedCase{"NegativeCountIsEmpty", {"a", true, "1", "b"}, "-5", ""},
        NumberedCase{"EmptyCountIsEmpty", {"a", true, "1", "b"}, "", ""},
        NumberedCase{"CountWithoutDigitsIsEmpty", {"a", true, "1", "b"}, "ten", ""},
        NumberedCase{"CountWrappingNegativeIsEmpty", {"a", true, "1", "b"}, "2147483648", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberedLinesTest, RefusesWhatWouldNotFit) {
    // Two thousand million numbered lines, or even empty ones, are gigabytes.
    EXPECT_EQ(NumberedLines({"", true, "", ""}, "2147483647"), std::nullopt);
    EXPECT_EQ(NumberedLines({"", false, "", ""}, "2147483647"), std::nullopt);
    EXPECT_EQ(NumberedLines({"", false, "", ""}, "600000000"), std::nullopt);
}

TEST(NumberedLinesTest, LimitIsTheExactLength) {
    // 1..9: 9 digits, 10..99: 180, 100..123: 72, plus 2 per line.
    const Affix affix{"<", true, "1", ">"};
    const Pos length = 9 + 180 + 72 + 123 * 2 + 123 * 2;
    ASSERT_EQ(NumberedLines(affix, "123", length).value_or("").size(),
              static_cast<std::size_t>(length));
    EXPECT_EQ(NumberedLines(affix, "123", length - 1), std::nullopt);
}

struct InsertCase {
    const char* name;
    std::string text;
    Affix affix;
    std::string atStart;
    std::string atEnd;
};
void PrintTo(const InsertCase& c, std::ostream* os) { *os << c.name; }

class InsertAffixTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertAffixTest, AffixesEveryParagraph) {
    const InsertCase& c = GetParam();
    EXPECT_EQ(InsertAtParagraphStart(c.text, c.affix), c.atStart);
    EXPECT_EQ(InsertAtParagraphEnd(c.text, c.affix), c.atEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertAffixTest,
    ::testing::Values(
        InsertCase{"EmptyParagraphsGetAnAffixToo", "a\r\n\r\nb", {"(", true, "1", ")"},
                   "(1)a\r\n(2)\r\n(3)b\r\n", "a(1)\r\n(2)\r\nb(3)\r\n"},
        InsertCase{"TrailingLineBreakMakesNoExtraParagraph", "a\r\nb\r\n", {"(", true, "1", ")"},
                   "(1)a\r\n(2)b\r\n", "a(1)\r\nb(2)\r\n"},
        InsertCase{"EmptyTextStaysEmpty", "", {"(", true, "1", ")"}, "", ""},
        InsertCase{"LoneLineBreakIsOneEmptyParagraph", "\r\n", {"-", false, "", "-"}, "--\r\n",
                   "--\r\n"},
        InsertCase{"LeadingLineBreakGivesEmptyFirstParagraph", "\r\nx", {"", true, "", "."},
                   "0.\r\n1.x\r\n", "0.\r\nx1.\r\n"},
        InsertCase{"LoneCrAndLfDoNotBreak", "a\rb\nc", {"", true, "5", " "}, "5 a\rb\nc\r\n",
                   "a\rb\nc5 \r\n"},
        InsertCase{"TrailByteCrDoesNotBreak", "\x81\r\nx\r\ny", {"", true, "1", ":"},
                   "1:\x81\r\nx\r\n2:y\r\n", "\x81\r\nx1:\r\ny2:\r\n"},
        InsertCase{"UnnumberedAffix", "a\r\nb", {"> ", false, "9", ""}, "> a\r\n> b\r\n",
                   "a> \r\nb> \r\n"},
        InsertCase{"EmptyAffixOnlyEndsTheLastParagraph", "a\r\nb", {"", false, "", ""},
                   "a\r\nb\r\n", "a\r\nb\r\n"},
        InsertCase{"NumbersPastTheLimitDoNotWrap", "a\r\nb\r\nc", {"", true, "2147483646", ""},
                   "2147483646a\r\n2147483647b\r\n2147483648c\r\n",
                   "a2147483646\r\nb2147483647\r\nc2147483648\r\n"},
        InsertCase{"WrappedStartCountsFromMinusOne", "a\r\nb", {"", true, "4294967295", ""},
                   "-1a\r\n0b\r\n", "a-1\r\nb0\r\n"},
        InsertCase{"ChineseParagraphs", "\xB5\xDA\r\n\xD5\xC2", {kDi, true, "1", kZhang},
                   "\xB5\xDA" "1\xD5\xC2\xB5\xDA\r\n\xB5\xDA" "2\xD5\xC2\xD5\xC2\r\n",
                   "\xB5\xDA\xB5\xDA" "1\xD5\xC2\r\n\xD5\xC2\xB5\xDA" "2\xD5\xC2\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InsertAffixTest, RefusesWhatWouldNotFit) {
    const std::string text = "a\r\nbc\r\n\r\nd";  // 4 paragraphs of 4 bytes
    const Affix affix{"[", true, "8", "]"};       // [8] [9] [10] [11]: 14 bytes
    const Pos length = 4 + 14 + 4 * 2;
    for (const bool atStart : {true, false}) {
        const auto insert = atStart ? InsertAtParagraphStart : InsertAtParagraphEnd;
        EXPECT_EQ(insert(text, affix, length).value_or("").size(),
                  static_cast<std::size_t>(length));
        EXPECT_EQ(insert(text, affix, length - 1), std::nullopt);
    }
}

// Random texts and fields against the tools as described, numbers chosen
// near the places where widths and signs change.
TEST(SequenceAgainstReferenceTest, RandomInputsGiveTheSameTexts) {
    std::mt19937 random(20240611);
    const char* const pieces[] = {"a", " ", "\r\n", "\r", "\n", "\xB0\xA1", "\x81", "\xA3\xB1", "z"};
    const char* const starts[] = {"",          "0",          "-1",          "9",
                                  "-10",       "99",         "999999998",   "-1000001",
                                  "2147483646", "-2147483648", "4294967290", "x",
                                  "\xA3\xB9",  " -3"};
    const auto pick = [&](auto& options) {
        return options[random() % (sizeof options / sizeof options[0])];
    };
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 14);
        for (int k = 0; k < length; ++k) text += pick(pieces);
        const Affix affix{std::string(random() % 3, '<'), random() % 4 != 0, pick(starts),
                          random() % 2 ? "\xD5\xC2" : ""};
        const std::string count = std::to_string(static_cast<int>(random() % 25) - 3);
        SCOPED_TRACE("round " + std::to_string(round));

        const std::string lines = ReferenceNumberedLines(affix, count);
        EXPECT_EQ(NumberedLines(affix, count), lines);
        const auto linesLength = static_cast<Pos>(lines.size());
        EXPECT_EQ(NumberedLines(affix, count, linesLength), lines);
        if (linesLength > 0) {
            EXPECT_EQ(NumberedLines(affix, count, linesLength - 1), std::nullopt);
        }

        const std::string atStart = ReferenceInsert(text, affix, true);
        const std::string atEnd = ReferenceInsert(text, affix, false);
        EXPECT_EQ(InsertAtParagraphStart(text, affix), atStart);
        EXPECT_EQ(InsertAtParagraphEnd(text, affix), atEnd);
        const auto insertLength = static_cast<Pos>(atStart.size());
        EXPECT_EQ(InsertAtParagraphStart(text, affix, insertLength), atStart);
        if (insertLength > 0) {
            EXPECT_EQ(InsertAtParagraphEnd(text, affix, insertLength - 1), std::nullopt);
        }
    }
}

}  // namespace
}  // namespace scribbet
