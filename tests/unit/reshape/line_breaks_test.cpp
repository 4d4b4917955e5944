#include "reshape/line_breaks.h"

#include <gtest/gtest.h>

#include <random>

namespace scribbet {
namespace {

// A failing case is named by its name rather than by its bytes.
template <typename Case>
auto operator<<(std::ostream& os, const Case& c) -> decltype(c.name, os) {
    return os << c.name;
}

// Bytes used below: B0 A1 啊; 81 a lead byte, which takes the byte after it
// (a CR too) into one character; B0 alone at the end is a lone lead byte.

const AnsiText kBreak = "\r\n";
const AnsiText kDoubleBreak = "\r\n\r\n";

AnsiText Breaks(int count) {
    AnsiText breaks;
    for (int i = 0; i < count; ++i) breaks += kBreak;
    return breaks;
}

// The tools as they were first written, with the primitives step by step:
// each test below checks the one-pass tools against them.
std::optional<AnsiText> CollapseByRepeatedReplace(AnsiText text) {
    if (FindText(text, kDoubleBreak, std::nullopt, false) == -1) return std::nullopt;
    while (FindText(text, kDoubleBreak, std::nullopt, false) != -1) {
        text = ReplaceText(text, kDoubleBreak, kBreak, false);
    }
    return text;
}

AnsiText ChangeCountBySplitAndJoin(AnsiText text, int replacedCount, int insertedCount) {
    while (TextRight(text, 2) == kBreak) text = TextLeft(text, TextLength(text) - 2);
    const TextList pieces = SplitText(text, Breaks(replacedCount));
    AnsiText joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) joined += Breaks(insertedCount);
        joined += pieces[i];
    }
    return joined;
}

AnsiText MergeBySplitAndJoin(const AnsiText& text) {
    AnsiText joined;
    for (const AnsiText& piece : SplitText(text, kBreak)) joined += piece;
    return joined;
}

// Texts rich in runs of line breaks, lone CR and LF, lead bytes that take a
// CR as their trail byte, and lone lead bytes at the end.
std::vector<AnsiText> RandomTexts() {
    static const char* const kPieces[] = {"\r\n", "\r\n\r\n", "\r", "\n", "a", " ", "\x81",
                                          "\xB0\xA1"};
    std::mt19937 random(20171016);
    std::vector<AnsiText> texts;
    for (int n = 0; n < 3000; ++n) {
        AnsiText text;
        const int pieces = static_cast<int>(random() % 16);
        for (int i = 0; i < pieces; ++i) text += kPieces[random() % std::size(kPieces)];
        texts.push_back(text);
    }
    return texts;
}

struct CollapseCase {
    const char* name;
    std::string text;
    std::optional<std::string> expected;  // nothing: the text is left as it is
};

class CollapseLineBreaksTest : public ::testing::TestWithParam<CollapseCase> {};

TEST_P(CollapseLineBreaksTest, EveryRunBecomesOneLineBreak) {
    const CollapseCase& c = GetParam();
    EXPECT_EQ(CollapseLineBreaks(c.text), c.expected);
    EXPECT_EQ(CollapseLineBreaks(c.text), CollapseByRepeatedReplace(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CollapseLineBreaksTest,
    ::testing::Values(
        CollapseCase{"RunOfThreeInside", "a\r\n\r\n\r\nb", "a\r\nb"},
        CollapseCase{"RunOfThreeAtTheEnd", "a\r\n\r\n\r\n", "a\r\n"},
        CollapseCase{"RunAtTheBeginning", "\r\n\r\na", "\r\na"},
        CollapseCase{"OnlyLineBreaks", "\r\n\r\n\r\n\r\n\r\n", "\r\n"},
        CollapseCase{"SeveralRuns", "a\r\n\r\nb\r\nc\r\n\r\n\r\n\r\n\r\n\r\nd", "a\r\nb\r\nc\r\nd"},
        CollapseCase{"LoneCrAndLfAroundARun", "\r\r\n\r\n\n", "\r\r\n\n"},
        CollapseCase{"ChineseAroundARun", "\xB0\xA1\r\n\r\n\xB0\xA1", "\xB0\xA1\r\n\xB0\xA1"},
        CollapseCase{"LeadByteTakesTheCr", "\x81\r\n\r\n\r\n", "\x81\r\n\r\n"},
        CollapseCase{"LeadByteAfterARunTakesTheCr", "a\r\n\r\n\x81\r\n\r\n", "a\r\n\x81\r\n\r\n"},
        CollapseCase{"LoneLeadAtTheEndStays", "a\r\n\r\n\xB0", "a\r\n\xB0"},
        CollapseCase{"NoDoubleLineBreak", "a\r\nb\r\n", std::nullopt},
        CollapseCase{"LfCrLfCrIsNoDouble", "a\n\r\n\rb", std::nullopt},
        CollapseCase{"DoubleOnlyAcrossALeadByte", "\x81\r\n\r\n", std::nullopt},
        CollapseCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CollapseLineBreaksRandomTest, GivesWhatRepeatedReplacingGives) {
    for (const AnsiText& text : RandomTexts()) {
        ASSERT_EQ(CollapseLineBreaks(text), CollapseByRepeatedReplace(text)) << ::testing::PrintToString(text);
    }
}

struct CountCase {
    const char* name;
    std::string text;
    std::int32_t replacedCount;
    std::int32_t insertedCount;
    std::optional<std::string> expected;  // nothing: refused as too long
};

class ChangeLineBreakCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(ChangeLineBreakCountTest, ChangesRunsAndDropsTrailingBreaks) {
    const CountCase& c = GetParam();
    EXPECT_EQ(ChangeLineBreakCount(c.text, c.replacedCount, c.insertedCount), c.expected);
}

constexpr std::int32_t kHuge = 2147483647;

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeLineBreakCountTest,
    ::testing::Values(
        CountCase{"RunOfOneStays", "a" + Breaks(1) + "b", 3, 2, "a" + Breaks(1) + "b"},
        CountCase{"RunOfTwoStays", "a" + Breaks(2) + "b", 3, 2, "a" + Breaks(2) + "b"},
        CountCase{"RunOfThreeBecomesTwo", "a" + Breaks(3) + "b", 3, 2, "a" + Breaks(2) + "b"},
        CountCase{"RunOfFourBecomesThree", "a" + Breaks(4) + "b", 3, 2, "a" + Breaks(3) + "b"},
        CountCase{"RunOfFiveBecomesFour", "a" + Breaks(5) + "b", 3, 2, "a" + Breaks(4) + "b"},
        CountCase{"RunOfSixBecomesFour", "a" + Breaks(6) + "b", 3, 2, "a" + Breaks(4) + "b"},
        CountCase{"RunAtTheBeginning", Breaks(3) + "a", 3, 2, Breaks(2) + "a"},
        CountCase{"PairsDeletedLeaveOne", "a" + Breaks(3) + "b", 2, 0, "a" + Breaks(1) + "b"},
        CountCase{"NegativeInsertedCountDeletes", "a" + Breaks(3) + "b", 3, -1, "ab"},
        CountCase{"RunsGrow", "a" + Breaks(1) + "b" + Breaks(2) + "c", 1, 3,
                  "a" + Breaks(3) + "b" + Breaks(6) + "c"},
        CountCase{"TrailingBreaksGoWithZeroCount", "a" + Breaks(3), 0, 2, "a"},
        CountCase{"TrailingBreaksGoWithoutALongRun", "a\r\nb" + Breaks(2), 3, 2, "a\r\nb"},
        CountCase{"TrailingBreaksGoBeforeCounting", "a" + Breaks(4), 2, 5, "a"},
        CountCase{"TrailingBreaksGoByBytes", "a\x81\r\n", 1, 1, "a\x81"},
        CountCase{"LeadByteTakesTheCr", "\x81\r\n\r\n\r\nb", 2, 1, "\x81\r\n\r\nb"},
        CountCase{"LoneLeadAtTheEndStays", "a" + Breaks(3) + "\xB0", 3, 1, "a\r\n\xB0"},
        CountCase{"Empty", "", 3, 2, ""},
        CountCase{"OnlyLineBreaks", Breaks(7), 3, 2, ""},
        CountCase{"HugeReplacedCountFindsNothing", "a" + Breaks(2) + "b", kHuge, 1,
                  "a" + Breaks(2) + "b"},
        CountCase{"HugeInsertedCountWithoutARun", "a" + Breaks(1) + "b", 2, kHuge,
                  "a" + Breaks(1) + "b"},
        CountCase{"HugeInsertedCountRefused", "a" + Breaks(2) + "b", 2, kHuge, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChangeLineBreakCountRandomTest, GivesWhatSplittingAndJoiningGives) {
    std::mt19937 random(42);
    for (const AnsiText& text : RandomTexts()) {
        const int replaced = static_cast<int>(random() % 6) - 1;
        const int inserted = static_cast<int>(random() % 6) - 1;
        ASSERT_EQ(ChangeLineBreakCount(text, replaced, inserted),
                  ChangeCountBySplitAndJoin(text, replaced, inserted))
            << ::testing::PrintToString(text) << " " << replaced << " -> " << inserted;
    }
}

struct MergeCase {
    const char* name;
    std::string text;
    std::string expected;
};

class MergeParagraphsTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeParagraphsTest, EveryLineBreakGoes) {
    const MergeCase& c = GetParam();
    EXPECT_EQ(MergeParagraphs(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeParagraphsTest,
    ::testing::Values(MergeCase{"TrailingBreak", "a\r\nb\r\n", "ab"},
                      MergeCase{"EmptyParagraph", "a\r\n\r\nb", "ab"},
                      MergeCase{"NoLineBreak", "ab\xB0\xA1", "ab\xB0\xA1"},
                      MergeCase{"LoneCrAndLfStay", "a\rb\nc\n\r\n\r", "a\rb\nc\n\r"},
                      MergeCase{"LeadByteTakesTheCr", "\x81\r\nb", "\x81\r\nb"},
                      MergeCase{"LoneLeadAtTheEndStays", "a\r\n\xB0", "a\xB0"},
                      MergeCase{"OnlyLineBreaks", "\r\n\r\n", ""},
                      MergeCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MergeParagraphsRandomTest, GivesWhatSplittingAndJoiningGives) {
    for (const AnsiText& text : RandomTexts()) {
        ASSERT_EQ(MergeParagraphs(text), MergeBySplitAndJoin(text)) << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace scribbet
