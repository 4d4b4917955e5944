#include "reshape/case_width.h"

#include <gtest/gtest.h>

#include <random>

namespace scribbet {
namespace {

// A failing case is named by its name rather than by its bytes.
template <typename Case>
auto operator<<(std::ostream& os, const Case& c) -> decltype(c.name, os) {
    return os << c.name;
}

// Bytes used below:
//   D6 D0 中, B0 A1 啊, A1 A1 full-width space, A1 AB full-width tilde,
//   A1 EE ☆ and A1 EF ★, A3 A1 ！, A3 B0 ０, A3 B9 ９, A3 C1 Ａ, A3 E1 ａ,
//   A3 FD ｝, A3 FE ￣, 81 61 a double-byte character whose trail byte is 'a'.

struct ConvertCase {
    const char* name;
    std::string text;
    CaseWidth conversion;
    std::string expected;
};

class ConvertCaseWidthTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertCaseWidthTest, ConvertsTheWholeText) {
    const ConvertCase& c = GetParam();
    EXPECT_EQ(ConvertCaseWidth(c.text, c.conversion), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertCaseWidthTest,
    ::testing::Values(
        ConvertCase{"UpperEmpty", "", CaseWidth::Upper, ""},
        ConvertCase{"UpperAsciiLetters", "abc XyZ 09\r\n", CaseWidth::Upper, "ABC XYZ 09\r\n"},
        ConvertCase{"UpperKeepsTrailByteLetter", "\x81" "ab", CaseWidth::Upper, "\x81" "aB"},
        ConvertCase{"UpperKeepsFullWidthLetter", "\xA3\xE1" "a", CaseWidth::Upper, "\xA3\xE1" "A"},
        ConvertCase{"UpperKeepsLoneLead", "a\xB0", CaseWidth::Upper, "A\xB0"},
        ConvertCase{"LowerEmpty", "", CaseWidth::Lower, ""},
        ConvertCase{"LowerAsciiLetters", "ABC xYz\t", CaseWidth::Lower, "abc xyz\t"},
        ConvertCase{"LowerKeepsTrailByteLetter", "\x81" "AB", CaseWidth::Lower, "\x81" "Ab"},
        ConvertCase{"LowerKeepsFullWidthLetter", "\xA3\xC1", CaseWidth::Lower, "\xA3\xC1"},
        ConvertCase{"FullEmpty", "", CaseWidth::FullWidth, ""},
        ConvertCase{"FullDigitsSpaceAndChinese", "\xD6\xD0" "0 9", CaseWidth::FullWidth,
                    "\xD6\xD0\xA3\xB0\xA1\xA1\xA3\xB9"},
        ConvertCase{"FullEdgesOfTheRange", "!}~", CaseWidth::FullWidth, "\xA3\xA1\xA3\xFD\xA1\xAB"},
        ConvertCase{"FullKeepsControlBytes", "\t\r\n\x01\x7F", CaseWidth::FullWidth,
                    "\t\r\n\x01\x7F"},
        ConvertCase{"FullKeepsDoubleByteWithAsciiTrail", "\x81" "a", CaseWidth::FullWidth,
                    "\x81" "a"},
        ConvertCase{"FullDropsLoneLead", "a\xB0", CaseWidth::FullWidth, "\xA3\xE1"},
        ConvertCase{"HalfEmpty", "", CaseWidth::HalfWidth, ""},
        ConvertCase{"HalfSpaceTildeAndStars", "\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF",
                    CaseWidth::HalfWidth, " ~**"},
        ConvertCase{"HalfEdgesOfTheRange", "\xA3\xA1\xA3\xB0\xA3\xFE", CaseWidth::HalfWidth,
                    "!0~"},
        ConvertCase{"HalfKeepsOtherDoubleBytes", "\xB0\xA1\xA3\xA0\xA1\xAC", CaseWidth::HalfWidth,
                    "\xB0\xA1\xA3\xA0\xA1\xAC"},
        ConvertCase{"HalfStepsByCharacters", "\xB0\xA3\xC1" "a", CaseWidth::HalfWidth,
                    "\xB0\xA3\xC1" "a"},
        ConvertCase{"HalfDropsLoneLead", "a\xA1\xA1\xA1", CaseWidth::HalfWidth, "a "}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    std::string text;
    std::string expected;  // after full width, then half width
};

class HalfAfterFullTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(HalfAfterFullTest, GivesTheTextBackButMappedDoubleBytes) {
    const RoundTripCase& c = GetParam();
    const AnsiText wide = ConvertCaseWidth(c.text, CaseWidth::FullWidth);
    EXPECT_EQ(ConvertCaseWidth(wide, CaseWidth::HalfWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HalfAfterFullTest,
    ::testing::Values(
        RoundTripCase{"PrintableAscii", " !\"#09AZaz{|}~", " !\"#09AZaz{|}~"},
        RoundTripCase{"ChineseAndLineBreaks", "\xD6\xD0 a\r\n\t\xB0\xA1", "\xD6\xD0 a\r\n\t\xB0\xA1"},
        RoundTripCase{"FullWidthFormsComeBackAsAscii", "\xA3\xC1\xA1\xA1\xA1\xEF", "A *"}),
    [](const auto& info) { return std::string(info.param.name); });

// Case changed character by character, as the definition reads.
AnsiText ChangeCaseStepping(const AnsiText& text, bool toUpper) {
    AnsiText out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        char& c = out[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            ++i;  // the trail byte, whatever it is, stays
        } else if (toUpper && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 0x20);
        } else if (!toUpper && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 0x20);
        }
    }
    return out;
}

TEST(ConvertCaseRandomTest, ChangesOnlyLettersThatStartACharacter) {
    // Letters and their neighbours in the code table, after runs of lead
    // bytes of both parities, across the eight-byte words the case change
    // takes at a time.
    static const char* const kPieces[] = {"a", "z", "A", "Z", "@", "[", "`", "{", "m", "Q",
                                          "\x81", "\xB0\xA1", "\xFF", "\r\n", " "};
    std::mt19937 random(936);
    for (int n = 0; n < 20000; ++n) {
        AnsiText text;
        const int pieces = static_cast<int>(random() % 40);
        for (int i = 0; i < pieces; ++i) text += kPieces[random() % std::size(kPieces)];
        ASSERT_EQ(ConvertCaseWidth(text, CaseWidth::Upper), ChangeCaseStepping(text, true))
            << ::testing::PrintToString(text);
        ASSERT_EQ(ConvertCaseWidth(text, CaseWidth::Lower), ChangeCaseStepping(text, false))
            << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace scribbet
