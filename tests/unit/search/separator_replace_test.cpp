#include "search/separator_replace.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace scribbet {
namespace {

struct RowCase {
    const char* name;
    SeparatorRow row;
    std::string lineBreakText;
    std::string tabText;
};
// Failures name the case rather than dump its bytes.
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class SeparatorRowTextTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(SeparatorRowTextTest, BeforeSeparatorAfter) {
    const RowCase& c = GetParam();
    EXPECT_EQ(SeparatorRowText(c.row, kLineBreakSeparator), c.lineBreakText);
    EXPECT_EQ(SeparatorRowText(c.row, kTabSeparator), c.tabText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeparatorRowTextTest,
    ::testing::Values(RowCase{"SeparatorOnly", {"", true, ""}, "\r\n", "\t"},
                      RowCase{"Nothing", {"", false, ""}, "", ""},
                      RowCase{"AllThree", {"a ", true, " b"}, "a \r\n b", "a \t b"},
                      RowCase{"WithoutSeparator", {"a", false, "b"}, "ab", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

// Bytes used below: D6 D0 中, CE C4 文.
struct ReplaceCase {
    const char* name;
    const char* separator;
    SeparatorReplaceFields fields;
    std::string text;
    std::string expected;
};
void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class SeparatorReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(SeparatorReplaceTest, ReplacesTheBuiltText) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(SeparatorReplace(c.text, c.separator, c.fields), c.expected);
}

const SeparatorRow kSeparatorOnly{"", true, ""};
const SeparatorRow kEmpty{"", false, ""};

INSTANTIATE_TEST_SUITE_P(
    Cases, SeparatorReplaceTest,
    ::testing::Values(
        ReplaceCase{"InitialFieldsChangeNothing", kLineBreakSeparator,
                    {kSeparatorOnly, kSeparatorOnly, false}, "a\r\nb\r\n", "a\r\nb\r\n"},
        ReplaceCase{"JoinAllParagraphs", kLineBreakSeparator, {kSeparatorOnly, kEmpty, false},
                    "a\r\nb\r\nc", "abc"},
        ReplaceCase{"BreakAfterEveryComma", kLineBreakSeparator,
                    {{",", false, ""}, {",", true, ""}, false}, "a,b,c", "a,\r\nb,\r\nc"},
        ReplaceCase{"AroundTheBreak", kLineBreakSeparator,
                    {{"a", true, "b"}, {"a", false, "b"}, false}, "xa\r\nby", "xaby"},
        ReplaceCase{"AroundTheBreakIgnoringCase", kLineBreakSeparator,
                    {{"a", true, "b"}, {"a", false, "b"}, false}, "A\r\nb", "ab"},
        ReplaceCase{"AroundTheBreakMatchingCase", kLineBreakSeparator,
                    {{"a", true, "b"}, {"a", false, "b"}, true}, "A\r\nb", "A\r\nb"},
        ReplaceCase{"LoneCrAndLfAreNoLineBreak", kLineBreakSeparator,
                    {kSeparatorOnly, kEmpty, false}, "a\rb\nc", "a\rb\nc"},
        ReplaceCase{"TabsBecomeSpaces", kTabSeparator, {kSeparatorOnly, {" ", false, ""}, false},
                    "a\tb\t\tc", "a b  c"},
        ReplaceCase{"OnlyTabsAfterTheBeforeText", kTabSeparator,
                    {{"a", true, ""}, {"", true, ""}, false}, "a\tb\tc", "\tb\tc"},
        ReplaceCase{"TabInsertedBetween", kTabSeparator,
                    {{"ab", false, ""}, {"a", true, "b"}, false}, "xaby", "xa\tby"},
        ReplaceCase{"BothSwitchesOffIsABasicReplace", kLineBreakSeparator,
                    {{"a", false, "b"}, {"x", false, "y"}, false}, "ab\r\naB", "xy\r\nxy"},
        ReplaceCase{"EmptySearchChangesNothing", kLineBreakSeparator,
                    {kEmpty, {"x", true, ""}, false}, "a\r\nb", "a\r\nb"},
        ReplaceCase{"ChineseAroundTheBreak", kLineBreakSeparator,
                    {{"\xD6\xD0", true, ""}, {"\xD6\xD0", false, ""}, false},
                    "\xD6\xD0\r\n\xCE\xC4\r\n", "\xD6\xD0\xCE\xC4\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
