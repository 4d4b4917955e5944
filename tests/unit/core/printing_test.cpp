#include "core/printing.h"

#include <gtest/gtest.h>

namespace scribbet {
namespace {

std::vector<std::string> LineTexts(std::string_view text) {
    std::vector<std::string> lines;
    for (const PrintLine& line : CutPrintLines(text)) {
        lines.emplace_back(text.substr(static_cast<std::size_t>(line.start), static_cast<std::size_t>(line.length)));
    }
    return lines;
}

struct CutCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class CutPrintLinesTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutPrintLinesTest, EndsALineAtEveryBreak) {
    EXPECT_EQ(LineTexts(GetParam().text), GetParam().lines);
}

const CutCase kCuts[] = {
    {"EmptyTextIsOneEmptyLine", "", {""}},
    {"NoBreak", "abc", {"abc"}},
    {"CrLfIsOneBreak", "a\r\nb", {"a", "b"}},
    {"TwoCrsMakeAnEmptyLine", "a\r\rb", {"a", "", "b"}},
    {"LfCrMakesAnEmptyLine", "a\n\rb", {"a", "", "b"}},
    {"LoneLf", "a\nb", {"a", "b"}},
    {"LoneCr", "a\rb", {"a", "b"}},
    {"FinalCrLfLeavesAnEmptyLine", "a\r\n", {"a", ""}},
    {"OnlyBreaks", "\r\n\r\n", {"", "", ""}},
    {"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
    {"FinalLoneCr", "a\r", {"a", ""}},
    // 中文 D6 D0 CE C4 and a tab: bytes stay as they are.
    {"GbkAndTab", "\xD6\xD0\t\xCE\xC4\r\nx", {"\xD6\xD0\t\xCE\xC4", "x"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, CutPrintLinesTest, ::testing::ValuesIn(kCuts),
                         [](const auto& info) { return std::string(info.param.name); });

// A page as the text of each line with its top.
using Placed = std::vector<std::pair<std::string, int>>;

struct PageCase {
    const char* name;
    std::string text;
    PrintMetrics metrics;
    std::vector<Placed> pages;
};

class PaginateTextTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PaginateTextTest, PutsLinesOnPagesFromTheTop) {
    const PageCase& c = GetParam();
    std::vector<Placed> pages;
    for (const PrintPage& page : PaginateText(c.text, c.metrics)) {
        Placed placed;
        for (const PlacedLine& line : page) {
            placed.emplace_back(c.text.substr(static_cast<std::size_t>(line.line.start),
                                              static_cast<std::size_t>(line.line.length)),
                                line.top);
        }
        pages.push_back(placed);
    }
    EXPECT_EQ(pages, c.pages);
}

// Four 22-pixel lines with their 2-pixel gaps fill a 94-pixel page exactly.
constexpr PrintMetrics kFour{94, 22, 22, 2};

const PageCase kPages[] = {
    {"EmptyDocumentIsOneBlankPage", "", kFour, {{{"", 0}}}},
    {"LinesFollowAtHeightPlusGap", "a\r\nb\r\nc", kFour, {{{"a", 0}, {"b", 24}, {"c", 48}}}},
    {"FullPageTakesFourLines", "a\r\nb\r\nc\r\nd", kFour,
     {{{"a", 0}, {"b", 24}, {"c", 48}, {"d", 72}}}},
    {"FifthLineStartsAPage", "a\r\nb\r\nc\r\nd\r\ne", kFour,
     {{{"a", 0}, {"b", 24}, {"c", 48}, {"d", 72}}, {{"e", 0}}}},
    {"FinalBreakAfterAFullPageGivesABlankPage", "a\r\nb\r\nc\r\nd\r\n", kFour,
     {{{"a", 0}, {"b", 24}, {"c", 48}, {"d", 72}}, {{"", 0}}}},
    {"FinalBreakWithRoomStaysOnThePage", "a\r\nb\r\n", kFour, {{{"a", 0}, {"b", 24}, {"", 48}}}},
    {"EmptyLinesTakeTheirOwnHeight", "a\r\n\r\n\rb", PrintMetrics{94, 22, 10, 2},
     {{{"a", 0}, {"", 24}, {"", 36}, {"b", 48}}}},
    {"TooTallLinesGetAPageEach", "a\r\nb", PrintMetrics{100, 150, 150, 2}, {{{"a", 0}}, {{"b", 0}}}},
    {"LongLineIsNotWrapped", std::string(5000, 'w'), kFour, {{{std::string(5000, 'w'), 0}}}},
    {"CrCrIsThreeLines", "a\r\rb", kFour, {{{"a", 0}, {"", 24}, {"b", 48}}}},
    {"CrLfIsTwoLines", "a\r\nb", kFour, {{{"a", 0}, {"b", 24}}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PaginateTextTest, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
