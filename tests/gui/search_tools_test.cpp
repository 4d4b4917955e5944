// The replace windows, the regular-expression window and the time commands,
// driven through the real menu of a whole editor, offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "editor_fixture.h"
#include "search/regex_dialog.h"

namespace scribbet {
namespace {

// Titles, as the windows show them.
const char kReplaceTitle[] = "替换";
const char kLineBreakTitle[] = "替换_换行符";
const char kTabTitle[] = "替换_TAB";
const char kRegexTitle[] = "正则替换/提取";
const char kByteRangeTitle[] = "保留指定位置";

const char kMatchCase[] = "是否区分大小写";
const char kNote[] = "注：提取后的文本以段的形式体现";

class SearchToolsTest : public EditorFixture {
protected:
    // The one visible top-level window with this title, or null.
    QWidget* WindowTitled(const char* title) const {
        QWidget* found = nullptr;
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == QString::fromUtf8(title)) {
                found = widget;
                ++count;
            }
        }
        return count == 1 ? found : nullptr;
    }
    template <typename W>
    static W* Child(QWidget* window, const char* name) {
        W* child = window->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // A click on the box or circle of a check box or radio button.
    static void ClickIndicator(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static void Press(QWidget* window, const char* name) {
        QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
    }
    void SetDocument(const std::string& text) { edit().ResetText(text); }
    static QStringList VisibleLabels(QWidget* window) {
        QStringList texts;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->isVisibleTo(window) && !label->text().isEmpty()) texts << label->text();
        }
        texts.sort();
        return texts;
    }
};

// Each window as its menu command opens it.
struct WindowCase {
    const char* name;
    std::vector<const char*> commands;  // run in order before looking
    const char* title;
    const char* className;
    bool ownedByMainWindow;
    std::vector<const char*> labels;                       // the visible captions
    std::map<std::string, const char*> buttons;            // objectName -> caption
    std::vector<std::string> checked;                      // what starts checked
    std::vector<std::string> fields;                       // the line edits, all empty
    std::vector<std::string> hidden;                       // inputs not shown
};
// Failures name the case rather than dump its bytes.
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class SearchToolsWindowTest : public SearchToolsTest,
                              public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SearchToolsWindowTest, OpensWithItsTitleAndInitialFields) {
    const WindowCase& c = GetParam();
    for (const char* command : c.commands) Trigger(command);
    QWidget* window = WindowTitled(c.title);
    ASSERT_NE(window, nullptr) << c.title;
    EXPECT_STREQ(window->metaObject()->className(), c.className);
    EXPECT_EQ(window->parentWidget(), c.ownedByMainWindow ? &this->window() : nullptr);

    QStringList labels;
    for (const char* label : c.labels) labels << QString::fromUtf8(label);
    labels.sort();
    EXPECT_EQ(VisibleLabels(window), labels);

    for (const auto& [name, caption] : c.buttons) {
        auto* button = Child<QAbstractButton>(window, name.c_str());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(caption)) << name;
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const std::string name = button->objectName().toStdString();
        const bool hidden = std::count(c.hidden.begin(), c.hidden.end(), name) > 0;
        EXPECT_EQ(button->isVisibleTo(window), !hidden) << name;
        EXPECT_TRUE(button->isEnabled()) << name;
        if (!button->isCheckable()) continue;
        EXPECT_EQ(button->isChecked(), std::count(c.checked.begin(), c.checked.end(), name) > 0)
            << name;
    }
    std::vector<std::string> fields;
    for (const QLineEdit* field : window->findChildren<QLineEdit*>()) {
        fields.push_back(field->objectName().toStdString());
        EXPECT_TRUE(field->text().isEmpty()) << fields.back();
        EXPECT_TRUE(field->isEnabled()) << fields.back();
    }
    std::sort(fields.begin(), fields.end());
    std::vector<std::string> expectedFields = c.fields;
    std::sort(expectedFields.begin(), expectedFields.end());
    EXPECT_EQ(fields, expectedFields);
}

const std::vector<std::string> kSeparatorFields = {"searchBefore", "searchAfter",
                                                   "replacementBefore", "replacementAfter"};

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchToolsWindowTest,
    ::testing::Values(
        WindowCase{"Replace",
                   {"replace.basic"},
                   kReplaceTitle,
                   "scribbet::ReplaceDialog",
                   true,
                   {"查找内容(N)：", "替换为(P)："},
                   {{"matchCase", kMatchCase}, {"replace", "替换"}},
                   {},
                   {"searchText", "replacementText"},
                   {}},
        WindowCase{"LineBreak",
                   {"replace.lineBreak"},
                   kLineBreakTitle,
                   "scribbet::LineBreakReplaceDialog",
                   false,
                   {"寻找文本：", "替换为(P)：", "+    换行符+", "+    换行符+"},
                   {{"matchCase", kMatchCase}, {"replace", "替换_换行符"},
                    {"searchSeparator", ""}, {"replacementSeparator", ""}},
                   {"searchSeparator", "replacementSeparator"},
                   kSeparatorFields,
                   {}},
        WindowCase{"Tab",
                   {"replace.tab"},
                   kTabTitle,
                   "scribbet::TabReplaceDialog",
                   false,
                   {"寻找文本：", "替换为(P)：", "+    TAB+", "+    TAB+"},
                   {{"matchCase", kMatchCase}, {"replace", "替换_TAB"},
                    {"searchSeparator", ""}, {"replacementSeparator", ""}},
                   {"searchSeparator", "replacementSeparator"},
                   kSeparatorFields,
                   {}},
        WindowCase{"Regex",
                   {"replace.regex"},
                   kRegexTitle,
                   "scribbet::RegexDialog",
                   false,
                   {"正则表达式：", "替换为(P)：", kNote},
                   {{"firstOperation", "替换"}, {"secondOperation", "提取"},
                    {"matchCase", kMatchCase}, {"action", "替换"}},
                   {"firstOperation"},
                   {"firstField", "secondField"},
                   {}},
        WindowCase{"ByteRange",
                   {"text.byteRange"},
                   kByteRangeTitle,
                   "scribbet::RegexDialog",
                   false,
                   {"起始位置：", "长度："},
                   {{"firstOperation", "删除"}, {"secondOperation", "提取"}, {"action", "删除"}},
                   {"firstOperation"},
                   {"firstField", "secondField"},
                   {"matchCase"}},
        WindowCase{"RegexReopenedAsByteRangeKeepsItsFace",
                   {"replace.regex", "text.byteRange", "replace.regex", "text.byteRange"},
                   kRegexTitle,
                   "scribbet::RegexDialog",
                   false,
                   {"正则表达式：", "替换为(P)：", kNote},
                   {{"firstOperation", "替换"}, {"action", "替换"}},
                   {"firstOperation"},
                   {"firstField", "secondField"},
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

// One press of a window's button on a document.
struct PressCase {
    const char* name;
    const char* command;
    const char* title;
    std::map<std::string, const char*> fields;  // objectName -> UTF-8 text
    std::vector<const char*> clicks;            // check boxes and radio buttons, in order
    const char* button;
    std::string before;
    std::string after;
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

class SearchToolsPressTest : public SearchToolsTest,
                             public ::testing::WithParamInterface<PressCase> {};

TEST_P(SearchToolsPressTest, ButtonRewritesTheDocumentAsOneUndoStep) {
    const PressCase& c = GetParam();
    SetDocument(c.before);
    Trigger(c.command);
    QWidget* window = WindowTitled(c.title);
    ASSERT_NE(window, nullptr) << c.title;
    for (const auto& [name, text] : c.fields) {
        Child<QLineEdit>(window, name.c_str())->setText(QString::fromUtf8(text));
    }
    for (const char* name : c.clicks) ClickIndicator(Child<QAbstractButton>(window, name));
    Press(window, c.button);

    EXPECT_EQ(edit().GetText(), c.after);
    EXPECT_EQ(edit().IsModified(), c.after != c.before);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompts.messages.empty());
    edit().Undo();
    EXPECT_EQ(edit().GetText(), c.before);
}

// Bytes used below: D6 D0 中, CE C4 文, BA BA 汉, C3 EB 秒.
INSTANTIATE_TEST_SUITE_P(
    Cases, SearchToolsPressTest,
    ::testing::Values(
        PressCase{"ReplaceIgnoringCase", "replace.basic", kReplaceTitle,
                  {{"searchText", "abc"}, {"replacementText", "x"}}, {}, "replace",
                  "ABC aBc abc", "x x x"},
        PressCase{"ReplaceMatchingCase", "replace.basic", kReplaceTitle,
                  {{"searchText", "abc"}, {"replacementText", "x"}}, {"matchCase"}, "replace",
                  "ABC aBc abc", "ABC aBc x"},
        PressCase{"ReplaceChinese", "replace.basic", kReplaceTitle,
                  {{"searchText", "中"}, {"replacementText", "汉"}}, {}, "replace",
                  "\xD6\xD0\xCE\xC4\xD6\xD0", "\xBA\xBA\xCE\xC4\xBA\xBA"},
        PressCase{"ReplaceWithEmptySearchWritesTheTextBack", "replace.basic", kReplaceTitle, {},
                  {}, "replace", "abc", "abc"},
        PressCase{"LineBreakInitialFieldsChangeNothing", "replace.lineBreak", kLineBreakTitle,
                  {}, {}, "replace", "a\r\nb", "a\r\nb"},
        PressCase{"LineBreaksJoinParagraphs", "replace.lineBreak", kLineBreakTitle, {},
                  {"replacementSeparator"}, "replace", "a\r\nb\r\nc", "abc"},
        PressCase{"LineBreakAfterEveryComma", "replace.lineBreak", kLineBreakTitle,
                  {{"searchBefore", ","}, {"replacementBefore", ","}}, {"searchSeparator"},
                  "replace", "a,b,c", "a,\r\nb,\r\nc"},
        PressCase{"AroundALineBreakMatchingCase", "replace.lineBreak", kLineBreakTitle,
                  {{"searchBefore", "a"}, {"searchAfter", "b"}, {"replacementBefore", "a"},
                   {"replacementAfter", "b"}},
                  {"replacementSeparator", "matchCase"}, "replace", "xa\r\nby A\r\nb",
                  "xaby A\r\nb"},
        PressCase{"TabsBecomeSpaces", "replace.tab", kTabTitle, {{"replacementBefore", " "}},
                  {"replacementSeparator"}, "replace", "a\tb\tc", "a b c"},
        PressCase{"RegexReplacesEachMatch", "replace.regex", kRegexTitle,
                  {{"firstField", "\\d+"}, {"secondField", "#"}}, {}, "action", "12 3 123",
                  "# # #"},
        PressCase{"RegexIgnoringCase", "replace.regex", kRegexTitle,
                  {{"firstField", "b$"}, {"secondField", "X"}}, {}, "action", "aB\r\nbc",
                  "aX\r\nbc"},
        PressCase{"RegexExtractsFirstGroups", "replace.regex", kRegexTitle,
                  {{"firstField", "(\\d+)秒"}}, {"secondOperation"}, "action",
                  "5\xC3\xEB abc 17\xC3\xEB", "5\r\n17\r\n"},
        PressCase{"RegexExtractWithBadPatternEmpties", "replace.regex", kRegexTitle,
                  {{"firstField", "("}}, {"secondOperation"}, "action", "abc", ""},
        PressCase{"DeleteRange", "text.byteRange", kByteRangeTitle,
                  {{"firstField", "2"}, {"secondField", "3"}}, {}, "action", "abcdef", "aef"},
        PressCase{"DeleteRangeWithNegativeLengthRepeatsNothing", "text.byteRange",
                  kByteRangeTitle, {{"firstField", "2"}, {"secondField", "-3"}}, {}, "action",
                  "abcdef", "abcdef"},
        PressCase{"ExtractRange", "text.byteRange", kByteRangeTitle,
                  {{"firstField", "2"}, {"secondField", "3"}}, {"secondOperation"}, "action",
                  "abcdef", "bcd"},
        PressCase{"ExtractRangeWithEmptyFieldsEmpties", "text.byteRange", kByteRangeTitle, {},
                  {"secondOperation"}, "action", "abcdef", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchToolsTest, RegexWithoutAMatchLeavesTheDocumentAlone) {
    SetDocument("abc");
    edit().SetSelection(1, 1);
    Trigger("replace.regex");
    QWidget* window = WindowTitled(kRegexTitle);
    ASSERT_NE(window, nullptr);
    Child<QLineEdit>(window, "firstField")->setText("z");
    Press(window, "action");
    EXPECT_EQ(edit().GetText(), "abc");
    EXPECT_EQ(edit().GetSelection(), (Selection{1, 1}));
    EXPECT_FALSE(edit().CanUndo());
}

TEST_F(SearchToolsTest, ExtractLeavesTheCaretAfterThePieces) {
    SetDocument("a1b22");
    Trigger("replace.regex");
    QWidget* window = WindowTitled(kRegexTitle);
    ASSERT_NE(window, nullptr);
    Child<QLineEdit>(window, "firstField")->setText("\\d+");
    ClickIndicator(Child<QRadioButton>(window, "secondOperation"));
    Press(window, "action");
    EXPECT_EQ(edit().GetText(), "1\r\n22\r\n");
    EXPECT_EQ(edit().GetSelection(), (Selection{7, 0}));
}

TEST_F(SearchToolsTest, RadioButtonsNameTheActionAndGateTheReplacement) {
    Trigger("replace.regex");
    QWidget* window = WindowTitled(kRegexTitle);
    ASSERT_NE(window, nullptr);
    auto* first = Child<QRadioButton>(window, "firstOperation");
    auto* second = Child<QRadioButton>(window, "secondOperation");
    auto* action = Child<QPushButton>(window, "action");
    auto* label = Child<QLabel>(window, "secondLabel");
    auto* field = Child<QLineEdit>(window, "secondField");

    ClickIndicator(second);
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    EXPECT_EQ(action->text(), QStringLiteral("提取"));
    EXPECT_FALSE(label->isEnabled());
    EXPECT_FALSE(field->isEnabled());

    ClickIndicator(first);
    EXPECT_FALSE(second->isChecked());
    EXPECT_EQ(action->text(), QStringLiteral("替换"));
    EXPECT_TRUE(label->isEnabled());
    EXPECT_TRUE(field->isEnabled());
}

TEST_F(SearchToolsTest, ByteRangeRadioButtonsKeepTheLengthEnabled) {
    Trigger("text.byteRange");
    QWidget* window = WindowTitled(kByteRangeTitle);
    ASSERT_NE(window, nullptr);
    auto* action = Child<QPushButton>(window, "action");
    ClickIndicator(Child<QRadioButton>(window, "secondOperation"));
    EXPECT_EQ(action->text(), QStringLiteral("提取"));
    EXPECT_TRUE(Child<QLineEdit>(window, "secondField")->isEnabled());
    ClickIndicator(Child<QRadioButton>(window, "firstOperation"));
    EXPECT_EQ(action->text(), QStringLiteral("删除"));
}

struct TypingCase {
    const char* name;
    const char* command;
    const char* title;
    const char* typed;
    const char* shown;
};
void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

class SearchToolsTypingTest : public SearchToolsTest,
                              public ::testing::WithParamInterface<TypingCase> {};

TEST_P(SearchToolsTypingTest, FieldsFilterTheirKeys) {
    const TypingCase& c = GetParam();
    Trigger(c.command);
    QWidget* window = WindowTitled(c.title);
    ASSERT_NE(window, nullptr);
    for (const char* name : {"firstField", "secondField"}) {
        auto* field = Child<QLineEdit>(window, name);
        QTest::keyClicks(field, c.typed);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << name;
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown).chopped(1)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchToolsTypingTest,
    ::testing::Values(
        TypingCase{"ByteRangeTakesDigitsAndMinus", "text.byteRange", kByteRangeTitle,
                   "1a-2 b.3", "1-23"},
        TypingCase{"RegexTakesAnything", "replace.regex", kRegexTitle, "1a-2 b.3", "1a-2 b.3"}),
    [](const auto& info) { return std::string(info.param.name); });

// Choosing the other command while the window is open changes only what the
// button does; the face stays that of the mode the window was created in.
struct ModeCase {
    const char* name;
    const char* first;   // opens the window
    const char* second;  // chosen while it is open
    int setMode;         // then set directly, 0 for none
    const char* title;
    const char* firstLabel;
    std::map<std::string, const char*> fields;
    const char* radio;
    std::string before;
    std::string after;
};
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class SearchToolsModeTest : public SearchToolsTest,
                            public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SearchToolsModeTest, ButtonFollowsTheModeAtThePress) {
    const ModeCase& c = GetParam();
    SetDocument(c.before);
    Trigger(c.first);
    QWidget* window = WindowTitled(c.title);
    ASSERT_NE(window, nullptr);
    for (const auto& [name, text] : c.fields) {
        Child<QLineEdit>(window, name.c_str())->setText(QString::fromUtf8(text));
    }
    Trigger(c.second);
    if (c.setMode != 0) this->window().Tools().SetToolMode(c.setMode);
    EXPECT_EQ(CountOpen<RegexDialog>(), 1);
    EXPECT_EQ(WindowTitled(c.title), window);
    EXPECT_EQ(Child<QLabel>(window, "firstLabel")->text(), QString::fromUtf8(c.firstLabel));
    for (const auto& [name, text] : c.fields) {
        EXPECT_EQ(Child<QLineEdit>(window, name.c_str())->text(), QString::fromUtf8(text));
    }
    ClickIndicator(Child<QRadioButton>(window, c.radio));
    Press(window, "action");
    EXPECT_EQ(edit().GetText(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchToolsModeTest,
    ::testing::Values(
        ModeCase{"RegexWindowDeletesARange", "replace.regex", "text.byteRange", 0, kRegexTitle,
                 "正则表达式：", {{"firstField", "2"}, {"secondField", "3"}}, "firstOperation",
                 "abcdef", "aef"},
        ModeCase{"RegexWindowExtractsARange", "replace.regex", "text.byteRange", 0, kRegexTitle,
                 "正则表达式：", {{"firstField", "2"}, {"secondField", "3"}},
                 "secondOperation", "abcdef", "bcd"},
        ModeCase{"RangeWindowReplacesByRegex", "text.byteRange", "replace.regex", 0,
                 kByteRangeTitle, "起始位置：", {{"firstField", "1"}, {"secondField", "2"}},
                 "firstOperation", "a1b1c", "a2b2c"},
        ModeCase{"RangeWindowExtractsByRegex", "text.byteRange", "replace.regex", 0,
                 kByteRangeTitle, "起始位置：", {{"firstField", "1"}}, "secondOperation",
                 "a1b1c", "1\r\n1\r\n"},
        ModeCase{"AnotherWindowsModeDoesNothing", "replace.regex", "replace.regex", 3,
                 kRegexTitle, "正则表达式：", {{"firstField", "b"}, {"secondField", "x"}},
                 "firstOperation", "abc", "abc"},
        ModeCase{"AnotherWindowsModeExtractsNothing", "text.byteRange", "text.byteRange", 3,
                 kByteRangeTitle, "起始位置：", {{"firstField", "2"}, {"secondField", "3"}},
                 "secondOperation", "abcdef", "abcdef"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchToolsTest, ReplaceWindowIsOpenedOnce) {
    Trigger("replace.basic");
    QWidget* window = WindowTitled(kReplaceTitle);
    ASSERT_NE(window, nullptr);
    Child<QLineEdit>(window, "searchText")->setText("kept");
    Trigger("replace.basic");
    EXPECT_EQ(WindowTitled(kReplaceTitle), window);
    EXPECT_EQ(Child<QLineEdit>(window, "searchText")->text(), QStringLiteral("kept"));
}

// The time commands act at once, without a window.
struct TimeCase {
    const char* name;
    const char* command;
    std::string before;
    std::string after;
};
void PrintTo(const TimeCase& c, std::ostream* os) { *os << c.name; }

class SearchToolsTimeTest : public SearchToolsTest,
                            public ::testing::WithParamInterface<TimeCase> {};

TEST_P(SearchToolsTimeTest, ActsOnTheDocumentAsOneUndoStep) {
    const TimeCase& c = GetParam();
    SetDocument(c.before);
    const int windows = QApplication::topLevelWidgets().size();
    Trigger(c.command);
    EXPECT_EQ(edit().GetText(), c.after);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    edit().Undo();
    EXPECT_EQ(edit().GetText(), c.before);
}

// Bytes used below: CA B1 时, B7 D6 分, C3 EB 秒, C4 EA 年, D4 C2 月, C8 D5 日.
INSTANTIATE_TEST_SUITE_P(
    Cases, SearchToolsTimeTest,
    ::testing::Values(
        TimeCase{"InsertTimeAtTheEnd", "time.insert", "abc",
                 "abc2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "13\xCA\xB1" "4\xB7\xD6"
                 "35\xC3\xEB"},
        TimeCase{"DurationsToSeconds", "time.toSeconds",
                 "1\xCA\xB1" "2\xB7\xD6" "3\xC3\xEB 123\xCA\xB1" "4\xB7\xD6" "5\xC3\xEB",
                 "3723\xC3\xEB 123\xCA\xB1" "4\xB7\xD6" "5\xC3\xEB"},
        TimeCase{"SecondsToDurations", "time.fromSeconds", "5\xC3\xEB 15\xC3\xEB",
                 "0\xCA\xB1" "0\xB7\xD6" "5\xC3\xEB 0\xCA\xB1" "0\xB7\xD6" "15\xC3\xEB"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
