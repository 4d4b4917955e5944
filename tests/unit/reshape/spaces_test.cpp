#include "reshape/spaces.h"

#include <gtest/gtest.h>

#include <random>

namespace scribbet {
namespace {

// A failing case is named by its name rather than by its bytes.
template <typename Case>
auto operator<<(std::ostream& os, const Case& c) -> decltype(c.name, os) {
    return os << c.name;
}

// Bytes used below: A1 A1 full-width space, B0 A1 啊, and B0 A1 A1 B0, two
// characters whose middle bytes look like a full-width space; B0 alone at
// the end is a lone lead byte.

struct IndentCase {
    const char* name;
    std::string text;
    std::int32_t indentation;
    std::optional<std::string> expected;  // nothing: refused as too long
};

class IndentParagraphsTest : public ::testing::TestWithParam<IndentCase> {};

TEST_P(IndentParagraphsTest, EveryParagraphGetsTheIndentation) {
    const IndentCase& c = GetParam();
    EXPECT_EQ(IndentParagraphs(c.text, c.indentation), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndentParagraphsTest,
    ::testing::Values(
        IndentCase{"MixedSpacesBecomeFour", "\xA1\xA1\xA1\xA1 a", 4, "    a\r\n"},
        IndentCase{"TabIsNoSpace", "\ta", 4, "    \ta\r\n"},
        IndentCase{"ZeroRemovesLeadingSpaces", "  a\r\n\xA1\xA1" "b", 0, "a\r\nb\r\n"},
        IndentCase{"NegativeRemovesLeadingSpaces", " a", -3, "a\r\n"},
        IndentCase{"EmptyParagraphIndentedTooAndBreakAdded", "a\r\n\r\nb", 2,
                   "  a\r\n  \r\n  b\r\n"},
        IndentCase{"FinalBreakGivesNoEmptyLast", "a\r\n", 1, " a\r\n"},
        IndentCase{"OnlyALineBreak", "\r\n", 3, "   \r\n"},
        IndentCase{"TrailingSpacesStay", " a \xA1\xA1", 1, " a \xA1\xA1\r\n"},
        IndentCase{"StraddlingPairIsNoSpace", "\xB0\xA1\xA1\xB0", 1, " \xB0\xA1\xA1\xB0\r\n"},
        IndentCase{"LoneLeadAtTheEndStays", "  a\xB0", 1, " a\xB0\r\n"},
        IndentCase{"Empty", "", 4, ""},
        IndentCase{"EmptyWithHugeIndentation", "", 2147483647, ""},
        IndentCase{"HugeIndentationRefused", "a\r\nb", 2147483647, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    std::string text;
    SpacePart part;
    std::string expected;
};

class DeleteSpacesTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteSpacesTest, DeletesThePartsSpaces) {
    const DeleteCase& c = GetParam();
    EXPECT_EQ(DeleteSpaces(c.text, c.part), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteSpacesTest,
    ::testing::Values(
        DeleteCase{"StartOfEveryParagraph", " \xA1\xA1" "a \r\n b", SpacePart::ParagraphStart,
                   "a \r\nb\r\n"},
        DeleteCase{"EndOfEveryParagraph", "a  \r\nb", SpacePart::ParagraphEnd, "a\r\nb\r\n"},
        DeleteCase{"EndDropsLoneLeadAndKeepsSpacesBeforeIt", "a \xB0", SpacePart::ParagraphEnd,
                   "a \r\n"},
        DeleteCase{"BothEndsOfEveryParagraph", " a b\xA1\xA1\r\n\xA1\xA1 c ",
                   SpacePart::BothEnds, "a b\r\nc\r\n"},
        DeleteCase{"BothEndsOfOnlySpacesLeavesEmpty", "   \xA1\xA1 \r\nx", SpacePart::BothEnds,
                   "\r\nx\r\n"},
        DeleteCase{"EmptyParagraphsKept", "a\r\n\r\n", SpacePart::BothEnds, "a\r\n\r\n"},
        DeleteCase{"TabsAreNoSpaces", "\ta\t", SpacePart::BothEnds, "\ta\t\r\n"},
        DeleteCase{"StraddlingPairIsNoSpace", "\xB0\xA1\xA1\xB0", SpacePart::BothEnds,
                   "\xB0\xA1\xA1\xB0\r\n"},
        DeleteCase{"EverywhereInsideLines", "a b\xA1\xA1" "c\r\n\t d ", SpacePart::Everywhere,
                   "abc\r\n\td"},
        DeleteCase{"EverywhereAddsNoBreak", " a ", SpacePart::Everywhere, "a"},
        DeleteCase{"EverywhereKeepsStraddlingPair", "\xB0\xA1\xA1\xB0", SpacePart::Everywhere,
                   "\xB0\xA1\xA1\xB0"},
        DeleteCase{"StartOfEmpty", "", SpacePart::ParagraphStart, ""},
        DeleteCase{"EndOfEmpty", "", SpacePart::ParagraphEnd, ""},
        DeleteCase{"BothEndsOfEmpty", "", SpacePart::BothEnds, ""},
        DeleteCase{"EverywhereOfEmpty", "", SpacePart::Everywhere, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The tools over the list of paragraphs, each rebuilt with a line break.
AnsiText EachParagraphOfTheList(const AnsiText& text, const AnsiText& pad,
                                AnsiText (*trim)(std::string_view)) {
    AnsiText joined;
    for (const AnsiText& paragraph : SplitText(text, "\r\n")) joined += pad + trim(paragraph) + "\r\n";
    return joined;
}

TEST(SpacesRandomTest, GiveWhatTheListOfParagraphsGives) {
    static const char* const kPieces[] = {"\r\n", "\r\n\r\n", "\r", "\n", " ", "\xA1\xA1", "\xA1",
                                          "a", "\t", "\x81", "\xB0\xA1"};
    std::mt19937 random(1347);
    for (int n = 0; n < 5000; ++n) {
        AnsiText text;
        const int pieces = static_cast<int>(random() % 16);
        for (int i = 0; i < pieces; ++i) text += kPieces[random() % std::size(kPieces)];
        const int indentation = static_cast<int>(random() % 4) - 1;
        ASSERT_EQ(IndentParagraphs(text, indentation),
                  EachParagraphOfTheList(text, SpaceText(indentation), TrimStart))
            << ::testing::PrintToString(text) << " by " << indentation;
        ASSERT_EQ(DeleteSpaces(text, SpacePart::ParagraphStart), EachParagraphOfTheList(text, "", TrimStart));
        ASSERT_EQ(DeleteSpaces(text, SpacePart::ParagraphEnd), EachParagraphOfTheList(text, "", TrimEnd));
        ASSERT_EQ(DeleteSpaces(text, SpacePart::BothEnds), EachParagraphOfTheList(text, "", TrimBoth));
    }
}

}  // namespace
}  // namespace scribbet
