#include "search/find.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/memory_document.h"
#include "fakes/fake_prompts.h"

namespace scribbet {
namespace {

const char kNotFoundBefore[] = "未找到指定文本“";

constexpr FindDirection kNext = FindDirection::Forward;
constexpr FindDirection kPrevious = FindDirection::Backward;

// One press of a find button: the selection it makes, or nothing when the
// not-found message is due and the selection must stay.
struct Press {
    FindDirection direction;
    std::optional<Selection> selects;
};
const std::nullopt_t kNotFound = std::nullopt;

struct FindCase {
    const char* name;
    AnsiText text;
    AnsiText sought;
    bool matchCase;
    Selection initial;
    std::vector<Press> presses;
};

class FindAndSelectTest : public ::testing::TestWithParam<FindCase> {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakePrompts prompts;
};

TEST_P(FindAndSelectTest, PressesSelectOrReport) {
    const FindCase& c = GetParam();
    document.ResetText(c.text);
    document.SetSelection(c.initial.start, c.initial.length);
    ASSERT_EQ(document.GetSelection(), c.initial);
    const FindSettings settings{c.sought, c.matchCase};

    for (std::size_t i = 0; i < c.presses.size(); ++i) {
        SCOPED_TRACE("press " + std::to_string(i + 1));
        const Press& press = c.presses[i];
        const Selection before = document.GetSelection();
        const std::size_t messagesBefore = prompts.messages.size();
        FindAndSelect(document, prompts, settings, press.direction);
        if (press.selects) {
            EXPECT_EQ(document.GetSelection(), *press.selects);
            EXPECT_EQ(prompts.messages.size(), messagesBefore);
        } else {
            EXPECT_EQ(document.GetSelection(), before);
            ASSERT_EQ(prompts.messages.size(), messagesBefore + 1);
            EXPECT_EQ(prompts.messages.back().kind, MessageKind::Error);
            EXPECT_EQ(prompts.messages.back().text.rfind(kNotFoundBefore, 0), 0u);
        }
    }
    EXPECT_EQ(document.GetText(), c.text);
    EXPECT_FALSE(document.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindAndSelectTest,
    ::testing::Values(
        FindCase{"NextStepsPastEachMatch", "aaaa", "aa", false, {0, 0},
                 {{kNext, Selection{0, 2}}, {kNext, Selection{2, 2}}, {kNext, kNotFound}}},
        FindCase{"PreviousEndsBeforeTheSelection", "aaaa", "aa", false, {2, 2},
                 {{kPrevious, Selection{0, 2}}, {kPrevious, kNotFound}}},
        FindCase{"PreviousMayNotOverlapTheSelection", "aaa", "aa", false, {1, 2},
                 {{kPrevious, kNotFound}}},
        FindCase{"NextAtTheEnd", "abcabc", "a", false, {6, 0}, {{kNext, kNotFound}}},
        FindCase{"PreviousAtTheStart", "abcabc", "c", false, {0, 0}, {{kPrevious, kNotFound}}},
        FindCase{"NextStartsAfterTheSelection", "aaaa", "aa", false, {0, 3},
                 {{kNext, kNotFound}}},
        FindCase{"NextAndPreviousTurnAround", "abab", "ab", false, {0, 0},
                 {{kNext, Selection{0, 2}},
                  {kNext, Selection{2, 2}},
                  {kPrevious, Selection{0, 2}},
                  {kNext, Selection{2, 2}}}},
        FindCase{"PreviousFromTheEnd", "abab", "ab", false, {4, 0},
                 {{kPrevious, Selection{2, 2}}, {kPrevious, Selection{0, 2}}}},
        FindCase{"CaseFoldedFindsEveryForm", "abc aBc ABC", "ABC", false, {0, 0},
                 {{kNext, Selection{0, 3}},
                  {kNext, Selection{4, 3}},
                  {kNext, Selection{8, 3}},
                  {kNext, kNotFound}}},
        FindCase{"MatchCaseFindsOnlyTheSameLetters", "abc aBc ABC", "ABC", true, {0, 0},
                 {{kNext, Selection{8, 3}}, {kNext, kNotFound}}},
        FindCase{"MatchCaseBackward", "abc aBc ABC", "abc", true, {11, 0},
                 {{kPrevious, Selection{0, 3}}, {kPrevious, kNotFound}}},
        // Ａ (A3 C1) against ａ (A3 E1): only ASCII letters fold.
        FindCase{"FullWidthLettersDoNotFold", "x\xA3\xE1y", "\xA3\xC1", false, {0, 0},
                 {{kNext, kNotFound}, {kPrevious, kNotFound}}},
        // 啊“ (B0 A1, A1 B0) holds A1 A1 only across its two characters.
        FindCase{"OnlyAtCharacterStartsForward", "\xB0\xA1\xA1\xB0", "\xA1\xA1", false, {0, 0},
                 {{kNext, kNotFound}}},
        FindCase{"OnlyAtCharacterStartsBackward", "\xB0\xA1\xA1\xB0", "\xA1\xA1", false, {4, 0},
                 {{kPrevious, kNotFound}}},
        // 啊　啊 (B0 A1, A1 A1, B0 A1): the full-width space is a character.
        FindCase{"ChineseCharacterFound", "\xB0\xA1\xA1\xA1\xB0\xA1", "\xA1\xA1", false, {0, 0},
                 {{kNext, Selection{2, 2}}, {kNext, kNotFound}, {kPrevious, kNotFound}}},
        FindCase{"ChineseTextBackward", "\xD6\xD0\xCE\xC4 \xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4",
                 false, {9, 0},  // 中文 中文
                 {{kPrevious, Selection{5, 4}}, {kPrevious, Selection{0, 4}}}},
        // A trail byte that is an ASCII letter is no character of its own.
        FindCase{"TrailLetterIsNoMatch", "\x81" "a", "a", false, {0, 0},
                 {{kNext, kNotFound}}},
        FindCase{"TrailLetterFoldsInsideAPair", "\x81" "a", "\x81" "A", false, {0, 0},
                 {{kNext, Selection{0, 2}}}}),
    [](const auto& info) { return std::string(info.param.name); });

class FindMessageTest : public ::testing::Test {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakePrompts prompts;
};

TEST_F(FindMessageTest, NamesTheSearchTextInQuotes) {
    document.ResetText("aaaa");
    document.SetSelection(2, 2);
    FindAndSelect(document, prompts, {"aa", false}, kNext);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "未找到指定文本“aa”");
}

TEST_F(FindMessageTest, ShowsAChineseSearchTextAsChinese) {
    document.ResetText("abc");
    FindAndSelect(document, prompts, {"\xD6\xD0\xCE\xC4", false}, kPrevious);  // 中文
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "未找到指定文本“中文”");
}

TEST_F(FindMessageTest, EmptySearchTextDoesNothing) {
    document.ResetText("abc");
    document.SetSelection(1, 1);
    for (const FindDirection direction : {kNext, kPrevious}) {
        for (const bool matchCase : {false, true}) {
            FindAndSelect(document, prompts, {"", matchCase}, direction);
        }
    }
    EXPECT_EQ(document.GetSelection(), (Selection{1, 1}));
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace scribbet
