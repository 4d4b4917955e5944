#include "reshape/paragraphs.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace scribbet {
namespace {

// Bytes used below: A3 AC full-width comma, A3 B2 full-width 2, B0 A1 啊,
// 81 0D a double-byte character whose trail byte is a CR.

// The selection as first described: for each paragraph, a search of the
// whole list. Quadratic, and only for checking the real one.
std::string ReferenceSelect(const std::string& text, const std::string& numbers,
                            ParagraphChoice choice) {
    const TextList listed = SplitText(numbers, ",");
    const TextList paragraphs = SplitText(text, "\r\n");
    const auto count = static_cast<long long>(paragraphs.size());
    std::string result;
    for (long long i = 1; i <= count; ++i) {
        bool named = false;
        for (const AnsiText& element : listed) named = named || TextToInt(element) == i;
        if (named != (choice == ParagraphChoice::Keep)) continue;
        result = result + paragraphs[static_cast<std::size_t>(i - 1)];
        if (i < count) result = result + "\r\n";
    }
    return result;
}

struct SelectCase {
    const char* name;
    std::string text;
    std::string numbers;
    ParagraphChoice choice;
    std::string expected;
};
void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }

class SelectParagraphsTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectParagraphsTest, KeepsTheChosenParagraphs) {
    const SelectCase& c = GetParam();
    EXPECT_EQ(SelectParagraphs(c.text, c.numbers, c.choice), c.expected);
}

constexpr ParagraphChoice kDelete = ParagraphChoice::Delete;
constexpr ParagraphChoice kKeep = ParagraphChoice::Keep;

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectParagraphsTest,
    ::testing::Values(
        SelectCase{"DeleteMiddle", "a\r\nb\r\nc", "2", kDelete, "a\r\nc"},
        SelectCase{"DeleteLastKeepsTheBreakBeforeIt", "a\r\nb\r\nc", "3", kDelete, "a\r\nb\r\n"},
        SelectCase{"KeepFirst", "a\r\nb\r\nc", "1", kKeep, "a\r\n"},
        SelectCase{"KeepLast", "a\r\nb\r\nc", "3", kKeep, "c"},
        SelectCase{"KeepTwo", "a\r\nb\r\nc", "1,3", kKeep, "a\r\nc"},
        SelectCase{"OrderAndRepeatsDoNotMatter", "a\r\nb\r\nc\r\nd", "4,2,4,2", kKeep,
                   "b\r\nd"},
        SelectCase{"DeleteNothingLosesTheFinalBreak", "a\r\nb\r\n", "", kDelete, "a\r\nb"},
        SelectCase{"KeepNothingEmpties", "a\r\nb\r\n", "", kKeep, ""},
        SelectCase{"SpacesJunkEmptyZeroAndTooLarge", "a\r\nb\r\nc\r\nd", " 2, 3x,,0,9", kDelete,
                   "a\r\nd"},
        SelectCase{"EmptyParagraphCounts", "a\r\n\r\nb", "2", kDelete, "a\r\nb"},
        SelectCase{"FullWidthCommaDoesNotSeparate", "a\r\nb\r\nc", "1\xA3\xAC" "2", kDelete,
                   "b\r\nc"},
        SelectCase{"FullWidthDigitsCount", "a\r\nb\r\nc", "\xA3\xB2", kKeep, "b\r\n"},
        SelectCase{"NoRangesOnlyTheFirstNumber", "a\r\nb\r\nc\r\nd", "1-3", kDelete,
                   "b\r\nc\r\nd"},
        SelectCase{"NegativeNamesNone", "a\r\nb", "-1", kKeep, ""},
        SelectCase{"WrappedNumberNamesWhatItReadsAs", "a\r\nb", "4294967298", kKeep, "b"},
        SelectCase{"TrailingCommaIsHarmless", "a\r\nb", "1,", kDelete, "b"},
        SelectCase{"EmptyTextStaysEmpty", "", "1,2", kDelete, ""},
        SelectCase{"EmptyTextStaysEmptyWhenKept", "", "1", kKeep, ""},
        SelectCase{"LoneBreakIsOneEmptyParagraph", "\r\n", "1", kKeep, ""},
        SelectCase{"LoneBreakDeletedIsEmpty", "\r\n", "1", kDelete, ""},
        SelectCase{"TrailByteCrDoesNotBreak", "\x81\r\nx\r\ny", "2", kDelete, "\x81\r\nx\r\n"},
        SelectCase{"ChineseKept", "\xB0\xA1\r\nx\r\n\xB0\xA1\xB0\xA1", "1,3", kKeep,
                   "\xB0\xA1\r\n\xB0\xA1\xB0\xA1"}),
    [](const auto& info) { return std::string(info.param.name); });

// Random texts and lists against the selection as described.
TEST(SelectAgainstReferenceTest, RandomInputsGiveTheSameTexts) {
    std::mt19937 random(7);
    const char* const pieces[] = {"a", "\r\n", "\r\n", "\r", "\xB0\xA1", "\x81", " "};
    const char* const elements[] = {"1", "2", "3", "5", "8", "0", "", " 4", "x", "-2", "\xA3\xB2",
                                    "13", "2y"};
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 20);
        for (int k = 0; k < length; ++k) text += pieces[random() % 7];
        std::string numbers;
        const int listed = static_cast<int>(random() % 5);
        for (int k = 0; k < listed; ++k) {
            if (k > 0) numbers += ",";
            numbers += elements[random() % 13];
        }
        SCOPED_TRACE("round " + std::to_string(round));
        for (const ParagraphChoice choice : {kDelete, kKeep}) {
            EXPECT_EQ(SelectParagraphs(text, numbers, choice), ReferenceSelect(text, numbers, choice));
        }
    }
}

}  // namespace
}  // namespace scribbet
