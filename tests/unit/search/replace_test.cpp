#include "search/replace.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace scribbet {
namespace {

// Bytes used below: B0 A1 啊, A1 A1 full-width space, D6 D0 中, BA BA 汉,
// A3 C1 full-width Ａ, A3 E1 full-width ａ, 81 61 and 81 41 double-byte
// characters whose trail bytes are the codes of 'a' and 'A'.

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string sought;
    std::string replacement;
    bool caseSensitive;
    std::string expected;
};
// Failures name the case rather than dump its bytes.
void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class BasicReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(BasicReplaceTest, ReplacesEveryOccurrence) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(BasicReplace(c.text, c.sought, c.replacement, c.caseSensitive), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BasicReplaceTest,
    ::testing::Values(
        ReplaceCase{"LeftToRightWithoutOverlap", "aaa", "aa", "b", true, "ba"},
        ReplaceCase{"InsertedTextIsNotSearchedAgain", "aa", "a", "aa", true, "aaaa"},
        ReplaceCase{"EmptyReplacementDeletes", "a-b-c", "-", "", true, "abc"},
        ReplaceCase{"IgnoreCaseReplacesAll", "ABC aBc abc", "abc", "x", false, "x x x"},
        ReplaceCase{"MatchCaseReplacesExactOnly", "ABC aBc abc", "abc", "x", true, "ABC aBc x"},
        ReplaceCase{"ReplacementKeepsItsCase", "abc", "B", "XyZ", false, "aXyZc"},
        ReplaceCase{"TrailByteIsNoLetter", "\x81" "aa", "a", "x", true, "\x81" "ax"},
        ReplaceCase{"IgnoreCaseFoldsATrailByteLetter", "\x81" "A", "\x81" "a", "y", false, "y"},
        ReplaceCase{"MatchCaseKeepsATrailByteLetter", "\x81" "A", "\x81" "a", "y", true,
                    "\x81" "A"},
        ReplaceCase{"FullWidthLettersAreNotFolded", "\xA3\xC1", "\xA3\xE1", "x", false,
                    "\xA3\xC1"},
        ReplaceCase{"ChineseByChinese", "\xD6\xD0" "a\xD6\xD0", "\xD6\xD0", "\xBA\xBA", true,
                    "\xBA\xBA" "a\xBA\xBA"},
        ReplaceCase{"NoMatchAcrossTwoCharacters", "\xB0\xA1\xA1\xB0", "\xA1\xA1", "x", true,
                    "\xB0\xA1\xA1\xB0"},
        ReplaceCase{"EmptySoughtLeavesTheText", "abc", "", "x", true, "abc"},
        ReplaceCase{"EmptyText", "", "a", "x", true, ""},
        ReplaceCase{"SoughtLongerThanText", "ab", "abc", "x", true, "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
