#include "search/regex.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace scribbet {

void PrintTo(const RegexGroup& g, std::ostream* os) {
    *os << (g.matched ? "" : "unmatched ") << g.offset << "+" << g.length;
}

namespace {

// Bytes used below: B0 A1 啊, D6 D0 中, A3 C1 full-width Ａ, A3 E1 full-width ａ.

// A group that took part, at offset with length.
RegexGroup G(Pos offset, Pos length) { return {offset, length, true}; }
const RegexGroup kUnmatched{0, 0, false};

struct SearchCase {
    const char* name;
    std::string pattern;
    bool matchCase;
    std::string text;
    std::vector<std::vector<RegexGroup>> expected;  // the groups of each match
};
// Failures name the case rather than dump its bytes.
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class RegexSearchAllTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(RegexSearchAllTest, FindsEveryMatchWithItsGroups) {
    const SearchCase& c = GetParam();
    const std::vector<RegexMatch> matches = RegexSearchAll(c.pattern, c.matchCase, c.text);
    std::vector<std::vector<RegexGroup>> groups;
    for (const RegexMatch& match : matches) groups.push_back(match.groups);
    EXPECT_EQ(groups, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexSearchAllTest,
    ::testing::Values(
        SearchCase{"DigitRuns", "\\d+", true, "12 3 12", {{G(0, 2)}, {G(3, 1)}, {G(5, 2)}}},
        SearchCase{"DollarBeforeCrLf", "b$", true, "ab\r\nbc", {{G(1, 1)}}},
        SearchCase{"DollarAtEnd", "c$", true, "ab\r\nbc", {{G(5, 1)}}},
        SearchCase{"CaretAfterCrLf", "^b", true, "ab\r\nbc", {{G(4, 1)}}},
        SearchCase{"DollarNotBetweenCrAndLf", "\\r$", true, "a\r\nb", {}},
        SearchCase{"CaretNotBetweenCrAndLf", "^\\n", true, "a\r\nb", {}},
        SearchCase{"CaretAtEachSearchStart", "^a", true, "aa", {{G(0, 1)}, {G(1, 1)}}},
        SearchCase{"WordBoundaryAtSearchStart", "x|\\bb", true, "xb", {{G(0, 1)}, {G(1, 1)}}},
        SearchCase{"EmptyMatchAtStartEndsTheSearch", "x*", true, "abc", {{G(0, 0)}}},
        SearchCase{"EmptyMatchLaterStepsOneByte", "a*", true, "aab",
                   {{G(0, 2)}, {G(2, 0)}, {G(3, 0)}}},
        SearchCase{"DotMatchesCrAndLf", ".", true, "\r\n", {{G(0, 1)}, {G(1, 1)}}},
        SearchCase{"DotTakesOneByteOfAChineseCharacter", ".", true, "\xB0\xA1",
                   {{G(0, 1)}, {G(1, 1)}}},
        SearchCase{"ChineseInThePatternMatchesItsBytes", "\xB0\xA1", true, "x\xB0\xA1",
                   {{G(1, 2)}}},
        SearchCase{"IgnoreCaseFoldsAsciiLetters", "abc", false, "ABC AbC", {{G(0, 3)}, {G(4, 3)}}},
        SearchCase{"MatchCaseIsExact", "abc", true, "ABC abc", {{G(4, 3)}}},
        SearchCase{"FullWidthLettersAreNotFolded", "\xA3\xC1", false, "\xA3\xE1", {}},
        SearchCase{"WordClassIsAsciiOnly", "\\w+", true, "a\xB0\xA1" "b", {{G(0, 1)}, {G(3, 1)}}},
        SearchCase{"GroupThatTookNoPart", "a(b)?", true, "ab a",
                   {{G(0, 2), G(1, 1)}, {G(3, 1), kUnmatched}}},
        SearchCase{"GroupsInOrderOfOpening", "((a)b)(c)", true, "xabc",
                   {{G(1, 3), G(1, 2), G(1, 1), G(3, 1)}}},
        SearchCase{"EmptyPatternDoesNotCompile", "", true, "abc", {}},
        SearchCase{"UnbalancedParenthesisDoesNotCompile", "(", true, "abc", {}},
        SearchCase{"EmptyText", "x*", true, "", {}},
        SearchCase{"NoMatch", "z", true, "abc", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegexSearchAllGivingUp, KeepsTheMatchesFoundBefore) {
    // Nested repetition on a long run without 'y' is more than the engine
    // will try; the match before it stands and the search returns promptly.
    const std::string text = "xxy" + std::string(60, 'x');
    const auto start = std::chrono::steady_clock::now();
    const std::vector<RegexMatch> matches = RegexSearchAll("(x+x+)+y", true, text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].groups[0], G(0, 3));
}

TEST(RegexSearchEachTest, VisitsInOrderWithoutOverlap) {
    // Every visit sees a match that starts where the last one ended or later.
    const std::string text = "aaa bb a" + std::string(1000, 'b') + "ab";
    Pos end = 0;
    int visits = 0;
    RegexSearchEach("a+|b{2}", true, text, [&](const RegexMatch& match) {
        EXPECT_GE(match.groups[0].offset, end);
        end = match.groups[0].offset + match.groups[0].length;
        ++visits;
    });
    EXPECT_EQ(visits, 1 + 1 + 1 + 500 + 1);
}

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string pattern;
    std::string replacement;
    bool matchCase;
    std::optional<std::string> expected;  // nothing: the document is not to be touched
};
void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class RegexReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(RegexReplaceTest, ReplacesEachMatchWhereItWasFound) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(RegexReplace(c.text, c.pattern, c.replacement, c.matchCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexReplaceTest,
    ::testing::Values(
        ReplaceCase{"DigitRuns", "12 3 12", "\\d+", "#", true, "# # #"},
        ReplaceCase{"MatchNotRepeatedInsideLongerNumber", "12 3 123", "\\d+", "#", true, "# # #"},
        ReplaceCase{"OnlyTheMatchedCopyOfItsText", "ab\r\nbc", "b$", "X", true, "aX\r\nbc"},
        ReplaceCase{"GroupReferencesInsertedAsTyped", "xab", "a(b)", "$1\\1", true, "x$1\\1"},
        ReplaceCase{"IgnoreCase", "ABC AbC abc", "abc", "x", false, "x x x"},
        ReplaceCase{"MatchCase", "ABC AbC abc", "abc", "x", true, "ABC AbC x"},
        ReplaceCase{"EmptyReplacementDeletes", "a1b22c", "\\d", "", true, "abc"},
        ReplaceCase{"ChineseToChinese", "\xB0\xA1x\xB0\xA1", "\xB0\xA1", "\xD6\xD0", true,
                    "\xD6\xD0x\xD6\xD0"},
        ReplaceCase{"InsertedTextIsNotSearchedAgain", "aa", "a", "aa", true, "aaaa"},
        ReplaceCase{"EmptyMatchInsertsNothing", "abc", "x*", "#", true, "abc"},
        ReplaceCase{"EmptyMatchesBesideOthers", "aab", "a*", "#", true, "#b"},
        ReplaceCase{"LineBreaksMatched", "a\r\nb\r\n", "\\r\\n", ";", true, "a;b;"},
        ReplaceCase{"NoMatchTouchesNothing", "abc", "z", "#", true, std::nullopt},
        ReplaceCase{"EmptyPatternTouchesNothing", "abc", "", "#", true, std::nullopt},
        ReplaceCase{"BadPatternTouchesNothing", "abc", "(", "#", true, std::nullopt},
        ReplaceCase{"EmptyTextTouchesNothing", "", "x*", "#", true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExtractCase {
    const char* name;
    std::string text;
    std::string pattern;
    bool matchCase;
    std::string expected;
};
void PrintTo(const ExtractCase& c, std::ostream* os) { *os << c.name; }

class RegexExtractTest : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(RegexExtractTest, OneParagraphPerMatch) {
    const ExtractCase& c = GetParam();
    EXPECT_EQ(RegexExtract(c.text, c.pattern, c.matchCase), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexExtractTest,
    ::testing::Values(
        ExtractCase{"WholeMatchWithoutGroups", "a12b3", "\\d+", true, "12\r\n3\r\n"},
        ExtractCase{"FirstGroupOfEveryMatch", "k1=v1 k2=v2", "(\\w+)=(\\w+)", true, "k1\r\nk2\r\n"},
        ExtractCase{"GroupThatTookNoPartGivesAnEmptyLine", "ab a", "a(b)?", true, "b\r\n\r\n"},
        ExtractCase{"EmptyMatchAtStart", "abc", "x*", true, "\r\n"},
        ExtractCase{"IgnoreCase", "Ab aB", "ab", false, "Ab\r\naB\r\n"},
        ExtractCase{"ChineseBytes", "\xB0\xA1" "1\xD6\xD0" "2", "[0-9]\xD6\xD0", true,
                    "1\xD6\xD0\r\n"},
        ExtractCase{"NoMatchEmpties", "abc", "z", true, ""},
        ExtractCase{"BadPatternEmpties", "abc", "(", true, ""},
        ExtractCase{"EmptyPatternEmpties", "abc", "", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr Pos kLowest = std::numeric_limits<Pos>::min();
constexpr Pos kHighest = std::numeric_limits<Pos>::max();

struct RangeCase {
    const char* name;
    std::string text;
    Pos start;
    Pos length;
    std::string deleted;
    std::string extracted;
};
void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class RangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeTest, DeletesAndExtractsBytes) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(DeleteRange(c.text, c.start, c.length), c.deleted);
    EXPECT_EQ(ExtractRange(c.text, c.start, c.length), c.extracted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeTest,
    ::testing::Values(
        RangeCase{"Inside", "abcdef", 2, 3, "aef", "bcd"},
        RangeCase{"FromTheStart", "abcdef", 1, 2, "cdef", "ab"},
        RangeCase{"PastTheEnd", "abcdef", 5, 10, "abcd", "ef"},
        RangeCase{"StartAfterTheEnd", "abcdef", 7, 1, "abcdef", ""},
        RangeCase{"StartZeroCountsFromByteZero", "abcdef", 0, 3, "cdef", ""},
        RangeCase{"LengthZero", "abcdef", 3, 0, "abcdef", ""},
        RangeCase{"BothZero", "abcdef", 0, 0, "abcdef", ""},
        RangeCase{"NegativeLengthRepeatsNothing", "abcdef", 2, -3, "abcdef", ""},
        RangeCase{"NegativeLengthAfterTheEnd", "abcdef", 7, -3, "abcdef", ""},
        RangeCase{"NegativeStart", "abcdef", -2, 5, "cdef", ""},
        RangeCase{"CutsAChineseCharacter", "\xB0\xA1" "b", 2, 1, "\xB0" "b", "\xA1"},
        RangeCase{"EmptyText", "", 1, 1, "", ""},
        // Numbers at the ends of the range must not overflow on the way.
        RangeCase{"LowestStart", "abcdef", kLowest, 3, "abcdef", ""},
        RangeCase{"LowestStartLongestLength", "abcdef", kLowest, kHighest, "abcdef", ""},
        RangeCase{"VeryLowStartReachingIn", "abcdef", kLowest + 4, kHighest, "cdef", ""},
        RangeCase{"HighestStart", "abcdef", kHighest, kHighest, "abcdef", ""},
        RangeCase{"LongestLength", "abcdef", 3, kHighest, "ab", "cdef"},
        RangeCase{"LowestLength", "abcdef", 3, kLowest, "abcdef", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Comments in patterns: one after a possessive repeat once hung the
// compiler; each pattern here must compile at once and match like Perl.
struct CommentCase {
    const char* name;
    const char* pattern;
    const char* text;
    std::vector<std::pair<Pos, Pos>> matches;  // offset and length of each
};
void PrintTo(const CommentCase& c, std::ostream* os) { *os << c.name; }

class RegexCommentTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(RegexCommentTest, CompilesAtOnceAndMatchesAsWritten) {
    const CommentCase& c = GetParam();
    const auto begin = std::chrono::steady_clock::now();
    std::vector<std::pair<Pos, Pos>> found;
    for (const RegexMatch& m : RegexSearchAll(c.pattern, true, c.text)) {
        found.emplace_back(m.groups[0].offset, m.groups[0].length);
    }
    EXPECT_EQ(found, c.matches);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexCommentTest,
    ::testing::Values(
        CommentCase{"AfterAPossessiveRepeat", "a++(?#x)b", "aab", {{0, 3}}},
        CommentCase{"AfterAPossessiveCount", "a{2}+(?#x)b", "aab", {{0, 3}}},
        CommentCase{"TwoAfterAPossessiveRepeat", "a*+(?#x)(?#y)b", "b", {{0, 1}}},
        CommentCase{"BeforeARepeat", "a(?#x)+", "aaa", {{0, 3}}},
        CommentCase{"KeepsABackReferenceApart", "(a)\\1(?#)0", "aa0", {{0, 3}}},
        CommentCase{"InsideAClassIsNoComment", "[(?#)]+", "x(?#)", {{1, 4}}},
        CommentCase{"QuotedIsNoComment", "\\Q(?#\\E", "a(?#", {{1, 3}}},
        CommentCase{"EscapedParenthesisIsNoComment", "\\(\\?#", "(?#", {{0, 3}}},
        CommentCase{"UnterminatedRunsToTheEnd", "a++(?#x", "aa", {{0, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RewriteLeadingRepeat, WritesALeadingRepeatOfOneCharacterOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\d+", "\\d\\d*"},
        {"(\\d+)", "(\\d\\d*)"},
        {"(?:[0-9a-f]+)x", "(?:[0-9a-f][0-9a-f]*)x"},
        {"[]x]+", "[]x][]x]*"},
        {"[^\\]]+?", "[^\\]][^\\]]*?"},
        {"\\.++", "\\.\\.*+"},
        {"a+b", "aa*b"},
        {".+", "..*"},
        // Shapes left as they are.
        {"ab+", "ab+"},
        {"(?i)a+", "(?i)a+"},
        {"\\1+", "\\1+"},
        {"[[:digit:]]+", "[[:digit:]]+"},
        {"\xB0\xA1+", "\xB0\xA1+"},
        {"(a|b)+", "(a|b)+"},
        {"+", "+"},
        {"\\d", "\\d"},
        {"", ""},
    };
    for (const auto& [pattern, expected] : cases) {
        EXPECT_EQ(RewriteLeadingRepeat(pattern), expected) << pattern;
    }
}

TEST(RewriteLeadingRepeat, FindsTheSameMatchesAsThePatternAsWritten) {
    // "(?:)" in front keeps a pattern from being rewritten, so both forms
    // run through the same search.
    const char* const patterns[] = {"\\d+", "(\\w+)-(\\d+)", "[a\\]]+?", "a+", ".+b", "\\s++x"};
    std::string text;
    unsigned seed = 7;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += "ab12 -]x\r\n\xB0\xA1"[(seed >> 16) % 13];
    }
    for (const char* pattern : patterns) {
        for (const bool matchCase : {true, false}) {
            EXPECT_EQ(RegexSearchAll(pattern, matchCase, text),
                      RegexSearchAll(std::string("(?:)") + pattern, matchCase, text))
                << pattern;
        }
    }
}

}  // namespace
}  // namespace scribbet
