#include "reshape/split_text.h"

#include <gtest/gtest.h>

#include <random>

namespace scribbet {
namespace {

// A failing case is named by its name rather than by its bytes.
template <typename Case>
auto operator<<(std::ostream& os, const Case& c) -> decltype(c.name, os) {
    return os << c.name;
}

// Bytes used below: B0 A1 啊, A1 A1 full-width space, A3 AC full-width
// comma, 81 2C a double-byte character whose trail byte is the code of ','.

struct SplitCase {
    const char* name;
    std::string text;
    std::string separator;
    std::string expected;
};

class SplitTextToolTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextToolTest, PutsEveryPieceOnAParagraph) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitTextTool(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextToolTest,
    ::testing::Values(
        SplitCase{"EmptySeparatorAddsOneBreak", "a,b", "", "a,b\r\n"},
        SplitCase{"ThreePieces", "a,b,c", ",", "a\r\nb\r\nc\r\n"},
        SplitCase{"AdjacentSeparatorsGiveAnEmptyParagraph", "a,,b", ",", "a\r\n\r\nb\r\n"},
        SplitCase{"TrailingSeparatorGivesNoEmptyLast", "a,b,", ",", "a\r\nb\r\n"},
        SplitCase{"LeadingSeparatorGivesAnEmptyFirst", ",a", ",", "\r\na\r\n"},
        SplitCase{"OnlyTheSeparator", ",", ",", "\r\n"},
        SplitCase{"NoSeparatorInTheText", "abc", ";", "abc\r\n"},
        SplitCase{"SeveralCharacters", "a--b-c--", "--", "a\r\nb-c\r\n"},
        SplitCase{"AsciiSpaceNotFullWidth", "a b\xA1\xA1" "c", " ", "a\r\nb\xA1\xA1" "c\r\n"},
        SplitCase{"FullWidthSeparator", "a\xA3\xAC" "b", "\xA3\xAC", "a\r\nb\r\n"},
        SplitCase{"DoubleByteSeparatorNeverStraddles", "\xB0\xA1\xA1\xB0\xA1\xA1", "\xA1\xA1",
                  "\xB0\xA1\xA1\xB0\r\n"},
        SplitCase{"TrailByteIsNoSeparator", "\x81,a,b", ",", "\x81,a\r\nb\r\n"},
        SplitCase{"LineBreaksStayInsidePieces", "a\r\nb,c", ",", "a\r\nb\r\nc\r\n"},
        SplitCase{"LoneLeadAtTheEndStays", "a,\xB0", ",", "a\r\n\xB0\r\n"},
        SplitCase{"EmptyText", "", ",", ""},
        SplitCase{"EmptyTextEmptySeparator", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The split as the list of pieces joined, each with a line break after it.
AnsiText SplitAndJoin(const AnsiText& text, const AnsiText& separator) {
    AnsiText joined;
    for (const AnsiText& piece : SplitText(text, separator)) joined += piece + "\r\n";
    return joined;
}

TEST(SplitTextToolRandomTest, GivesThePiecesSplitTextGives) {
    static const char* const kPieces[] = {",", ",,", "a", "\r\n", " ", "\xA1\xA1", "\x81",
                                          "\xB0\xA1"};
    static const char* const kSeparators[] = {"", ",", ",,", "a,", " ", "\xA1\xA1", "\xA1",
                                              "\r\n", "\x81,"};
    std::mt19937 random(3);
    for (int n = 0; n < 5000; ++n) {
        AnsiText text;
        const int pieces = static_cast<int>(random() % 16);
        for (int i = 0; i < pieces; ++i) text += kPieces[random() % std::size(kPieces)];
        const AnsiText separator = kSeparators[random() % std::size(kSeparators)];
        ASSERT_EQ(SplitTextTool(text, separator), SplitAndJoin(text, separator))
            << ::testing::PrintToString(text) << " at " << ::testing::PrintToString(separator);
    }
}

}  // namespace
}  // namespace scribbet
