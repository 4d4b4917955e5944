// The case and width, line-break, split and space tools driven through the
// real menu of a whole editor, offscreen.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

#include "editor_fixture.h"
#include "reshape/delete_spaces_dialog.h"
#include "reshape/indent_dialog.h"
#include "reshape/line_break_count_dialog.h"
#include "reshape/split_text_dialog.h"

namespace scribbet {
namespace {

// A failing case is named by its name rather than by its bytes.
template <typename Case>
auto operator<<(std::ostream& os, const Case& c) -> decltype(c.name, os) {
    return os << c.name;
}

// Bytes used below: D6 D0 中, CE C4 文, A1 A1 full-width space, A3 AC
// full-width comma, A3 C1 Ａ, A3 E1 ａ, A3 B1 １, 81 61 a double-byte character
// whose trail byte is the code of 'a'.

const char kCountTitle[] = "连续换行符数变更";
const char kReplacedLabel[] = "被替换的换行符数量：";
const char kInsertedLabel[] = "欲替换的换行符数量：";
const char kConfirm[] = "确定";
const char kTooLongAfterReplacing[] = "替换后的文本过长，未作更改。";
const char kSplitTitle[] = "分割文本";
const char kSeparatorLabel[] = "分隔符：";
const char kStartSplit[] = "开始分割";
const char kSplitNote[] = "注：分割后的文本以段的形式体现";
const char kIndentTitle[] = "段前空格";
const char kIndentDoneTitle[] = "段前空格——调整完毕！";
const char kIndentLabel[] = "要在每段前填充几个空格？默认为4个，也就两个汉字的长度。";
const char kAdjust[] = "调整";
const char kTooLongAfterAdjusting[] = "调整后的文本过长，未作更改。";
const char kDeleteTitle[] = "删除空格";
const char kDeleteLabel[] = "需要删除空格部分：";

class ReshapeToolsTest : public EditorFixture {
protected:
    // Opens a tool window from its menu item and waits until it is shown.
    template <typename W>
    W* OpenFromMenu(const std::string& command) {
        Trigger(command);
        W* window = Open<W>();
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
    // A text loaded as from a file, all selected: a write would reset that.
    void Load(const AnsiText& text) {
        edit().ResetText(text);
        edit().SelectAll();
    }
    static int CountLabels(const QWidget& window, const char* utf8) {
        int n = 0;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            n += label->text() == QString::fromUtf8(utf8);
        }
        return n;
    }
    static void Click(QWidget* button) {
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // After a tool's edit: modified, and one Undo gives the loaded text back.
    void ExpectOneUndoStepBackTo(const AnsiText& before) {
        EXPECT_TRUE(edit().IsModified());
        edit().Undo();
        EXPECT_EQ(edit().GetText(), before);
    }
    static void CloseAndDestroy(QWidget* window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Act-at-once commands --------------------------------------------------

struct CommandCase {
    const char* name;
    const char* command;
    std::string text;
    std::string expected;
};

class ActAtOnceTest : public ReshapeToolsTest,
                      public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ActAtOnceTest, MenuItemRewritesTheWholeTextAsOneUndoStep) {
    const CommandCase& c = GetParam();
    Load(c.text);
    Trigger(c.command);
    EXPECT_EQ(edit().GetText(), c.expected);
    EXPECT_EQ(edit().GetSelection(), (Selection{0, 0}));
    ExpectOneUndoStepBackTo(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActAtOnceTest,
    ::testing::Values(
        CommandCase{"Upper", "convert.upper", "ab\x81" "a\xA3\xE1\r\nz", "AB\x81" "a\xA3\xE1\r\nZ"},
        CommandCase{"Lower", "convert.lower", "AB\x81" "A\xA3\xC1", "ab\x81" "A\xA3\xC1"},
        CommandCase{"FullWidth", "convert.fullWidth", "\xD6\xD0" "1 a\r\n",
                    "\xD6\xD0\xA3\xB1\xA1\xA1\xA3\xE1\r\n"},
        CommandCase{"HalfWidth", "convert.halfWidth", "\xA3\xB1\xA1\xA1\xA3\xE1\xD6\xD0",
                    "1 a\xD6\xD0"},
        CommandCase{"Collapse", "lineBreaks.collapse", "a\r\n\r\n\r\nb\r\n\r\n", "a\r\nb\r\n"},
        CommandCase{"Merge", "paragraphs.merge", "a\r\n\r\nb\r\n", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

class UnchangedTextTest : public ReshapeToolsTest,
                          public ::testing::WithParamInterface<CommandCase> {};

// A text the command leaves as it is stays unmodified, with nothing to undo;
// the collapse does not even write it, so the selection stays too.
TEST_P(UnchangedTextTest, LeavesTheDocumentUnmodified) {
    const CommandCase& c = GetParam();
    Load(c.text);
    const Selection before = edit().GetSelection();
    Trigger(c.command);
    EXPECT_EQ(edit().GetText(), c.expected);
    EXPECT_FALSE(edit().IsModified());
    EXPECT_FALSE(edit().CanUndo());
    if (std::string(c.command) == "lineBreaks.collapse") {
        EXPECT_EQ(edit().GetSelection(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnchangedTextTest,
    ::testing::Values(
        CommandCase{"UpperOfEmpty", "convert.upper", "", ""},
        CommandCase{"UpperOfUpper", "convert.upper", "AB\xD6\xD0", "AB\xD6\xD0"},
        CommandCase{"CollapseWithoutADoubleBreak", "lineBreaks.collapse", "a\r\nb\r\n", "a\r\nb\r\n"},
        CommandCase{"CollapseAcrossALeadByte", "lineBreaks.collapse", "\x81\r\n\r\n", "\x81\r\n\r\n"},
        CommandCase{"MergeWithoutABreak", "paragraphs.merge", "ab", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

// Line-break count ------------------------------------------------------

TEST_F(ReshapeToolsTest, CountWindowOpensOnceWithItsFields) {
    auto* window = OpenFromMenu<LineBreakCountDialog>("lineBreaks.count");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kCountTitle));
    EXPECT_EQ(window->parentWidget(), nullptr);  // a window of its own
    EXPECT_EQ(CountLabels(*window, kReplacedLabel), 1);
    EXPECT_EQ(CountLabels(*window, kInsertedLabel), 1);
    auto* replaced = window->findChild<QLineEdit*>("replacedCount");
    auto* inserted = window->findChild<QLineEdit*>("insertedCount");
    auto* confirm = window->findChild<QPushButton*>("confirm");
    ASSERT_TRUE(replaced && inserted && confirm);
    EXPECT_EQ(replaced->text(), "3");
    EXPECT_EQ(inserted->text(), "2");
    EXPECT_EQ(confirm->text(), QString::fromUtf8(kConfirm));
    // Above the replaced count's field: its label comes first.
    EXPECT_LT(replaced->y(), inserted->y());

    replaced->setText("5");
    EXPECT_EQ(OpenFromMenu<LineBreakCountDialog>("lineBreaks.count"), window);
    EXPECT_EQ(CountOpen<LineBreakCountDialog>(), 1);
    EXPECT_EQ(replaced->text(), "5");

    // Closed, it is gone with its fields; opened again, it starts afresh.
    CloseAndDestroy(window);
    EXPECT_EQ(CountOpen<LineBreakCountDialog>(), 0);
    window = OpenFromMenu<LineBreakCountDialog>("lineBreaks.count");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QLineEdit*>("replacedCount")->text(), "3");
}

struct CountFieldsCase {
    const char* name;
    const char* replaced;  // UTF-8, as typed
    const char* inserted;
    std::string text;
    std::string expected;
};

class CountWindowTest : public ReshapeToolsTest,
                        public ::testing::WithParamInterface<CountFieldsCase> {};

TEST_P(CountWindowTest, ConfirmChangesTheRunsAndStaysOpen) {
    const CountFieldsCase& c = GetParam();
    Load(c.text);
    auto* window = OpenFromMenu<LineBreakCountDialog>("lineBreaks.count");
    ASSERT_NE(window, nullptr);
    window->findChild<QLineEdit*>("replacedCount")->setText(QString::fromUtf8(c.replaced));
    window->findChild<QLineEdit*>("insertedCount")->setText(QString::fromUtf8(c.inserted));
    Click(window->findChild<QPushButton*>("confirm"));
    EXPECT_EQ(edit().GetText(), c.expected);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompts.messages.empty());
    ExpectOneUndoStepBackTo(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountWindowTest,
    ::testing::Values(
        CountFieldsCase{"InitialCounts", "3", "2", "a\r\n\r\n\r\nb\r\n\r\n\r\n\r\nc\r\n",
                        "a\r\n\r\nb\r\n\r\n\r\nc"},
        CountFieldsCase{"PairsDeleted", "2", "0", "a\r\n\r\n\r\nb", "a\r\nb"},
        CountFieldsCase{"NoDigitsReadAsZero", "abc", "2", "a\r\n\r\n\r\nb\r\n", "a\r\n\r\n\r\nb"},
        CountFieldsCase{"FullWidthDigits", "\xEF\xBC\x91", "\xEF\xBC\x93", "a\r\nb",  // １ ３
                        "a\r\n\r\n\r\nb"},
        CountFieldsCase{"OnlyLineBreaks", "3", "2", "\r\n\r\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReshapeToolsTest, CountThatWouldGrowTooMuchIsRefused) {
    const AnsiText text = "a\r\n\r\nb";
    Load(text);
    auto* window = OpenFromMenu<LineBreakCountDialog>("lineBreaks.count");
    ASSERT_NE(window, nullptr);
    window->findChild<QLineEdit*>("replacedCount")->setText("2");
    window->findChild<QLineEdit*>("insertedCount")->setText("2000000000");
    Click(window->findChild<QPushButton*>("confirm"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, kTooLongAfterReplacing);
    EXPECT_EQ(edit().GetText(), text);
    EXPECT_FALSE(edit().IsModified());
}

// Split text ------------------------------------------------------------

TEST_F(ReshapeToolsTest, SplitWindowOpensOnceWithItsFields) {
    auto* window = OpenFromMenu<SplitTextDialog>("text.split");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kSplitTitle));
    EXPECT_EQ(window->parentWidget(), nullptr);
    auto* separator = window->findChild<QLineEdit*>("separator");
    auto* start = window->findChild<QPushButton*>("startSplit");
    ASSERT_TRUE(separator && start);
    EXPECT_TRUE(separator->text().isEmpty());
    EXPECT_EQ(start->text(), QString::fromUtf8(kStartSplit));
    // The separator and its label sit in a group box without a caption,
    // the note below the button.
    auto* group = window->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->title().isEmpty());
    EXPECT_EQ(separator->parentWidget(), group);
    EXPECT_EQ(CountLabels(*group, kSeparatorLabel), 1);
    EXPECT_EQ(CountLabels(*window, kSplitNote), 1);
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text() == QString::fromUtf8(kSplitNote)) {
            EXPECT_GT(label->y(), start->y());
        }
    }

    separator->setText(",");
    EXPECT_EQ(OpenFromMenu<SplitTextDialog>("text.split"), window);
    EXPECT_EQ(CountOpen<SplitTextDialog>(), 1);
    EXPECT_EQ(separator->text(), ",");
}

struct SplitFieldCase {
    const char* name;
    const char* separator;  // UTF-8, as typed
    std::string text;
    std::string expected;
};

class SplitWindowTest : public ReshapeToolsTest,
                        public ::testing::WithParamInterface<SplitFieldCase> {};

TEST_P(SplitWindowTest, StartSplitPutsThePiecesOnParagraphs) {
    const SplitFieldCase& c = GetParam();
    Load(c.text);
    auto* window = OpenFromMenu<SplitTextDialog>("text.split");
    ASSERT_NE(window, nullptr);
    window->findChild<QLineEdit*>("separator")->setText(QString::fromUtf8(c.separator));
    Click(window->findChild<QPushButton*>("startSplit"));
    EXPECT_EQ(edit().GetText(), c.expected);
    EXPECT_TRUE(window->isVisible());
    ExpectOneUndoStepBackTo(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitWindowTest,
    ::testing::Values(
        SplitFieldCase{"EmptySeparatorAddsABreak", "", "a,b", "a,b\r\n"},
        SplitFieldCase{"Comma", ",", "a,b,", "a\r\nb\r\n"},
        SplitFieldCase{"ChineseSeparator", "，", "\xD6\xD0\xA3\xAC\xCE\xC4", "\xD6\xD0\r\n\xCE\xC4\r\n"},
        SplitFieldCase{"SpaceCountsAsTyped", " ", "a b\xA1\xA1" "c", "a\r\nb\xA1\xA1" "c\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Indentation -----------------------------------------------------------

TEST_F(ReshapeToolsTest, IndentWindowOpensOnceWithItsFields) {
    auto* window = OpenFromMenu<IndentDialog>("spaces.indent");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kIndentTitle));
    EXPECT_EQ(window->parentWidget(), nullptr);
    auto* indentation = window->findChild<QLineEdit*>("indentation");
    auto* adjust = window->findChild<QPushButton*>("adjust");
    ASSERT_TRUE(indentation && adjust);
    EXPECT_EQ(indentation->text(), "4");
    EXPECT_EQ(adjust->text(), QString::fromUtf8(kAdjust));
    auto* group = window->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->title().isEmpty());
    EXPECT_EQ(CountLabels(*group, kIndentLabel), 1);
    EXPECT_EQ(indentation->parentWidget(), group);

    indentation->setText("2");
    EXPECT_EQ(OpenFromMenu<IndentDialog>("spaces.indent"), window);
    EXPECT_EQ(CountOpen<IndentDialog>(), 1);
    EXPECT_EQ(indentation->text(), "2");
}

struct IndentFieldCase {
    const char* name;
    const char* indentation;  // UTF-8, as typed
    std::string text;
    std::string expected;
};

class IndentWindowTest : public ReshapeToolsTest,
                         public ::testing::WithParamInterface<IndentFieldCase> {};

TEST_P(IndentWindowTest, AdjustIndentsEveryParagraphAndSaysSoInTheTitle) {
    const IndentFieldCase& c = GetParam();
    Load(c.text);
    auto* window = OpenFromMenu<IndentDialog>("spaces.indent");
    ASSERT_NE(window, nullptr);
    window->findChild<QLineEdit*>("indentation")->setText(QString::fromUtf8(c.indentation));
    Click(window->findChild<QPushButton*>("adjust"));
    EXPECT_EQ(edit().GetText(), c.expected);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kIndentDoneTitle));
    EXPECT_TRUE(window->isVisible());
    ExpectOneUndoStepBackTo(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndentWindowTest,
    ::testing::Values(
        IndentFieldCase{"InitialFour", "4", "\xA1\xA1\xA1\xA1 a\r\n\tb",
                        "    a\r\n    \tb\r\n"},
        IndentFieldCase{"TwoWithAnEmptyParagraph", "2", "a\r\n\r\nb", "  a\r\n  \r\n  b\r\n"},
        IndentFieldCase{"NoDigitsRemovesLeadingSpaces", "abc", "  a\r\n\xA1\xA1" "b",
                        "a\r\nb\r\n"},
        IndentFieldCase{"NegativeRemovesLeadingSpaces", "-3", " a", "a\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReshapeToolsTest, IndentOfAnEmptyDocumentIsDoneTooAndLeavesItEmpty) {
    auto* window = OpenFromMenu<IndentDialog>("spaces.indent");
    ASSERT_NE(window, nullptr);
    Click(window->findChild<QPushButton*>("adjust"));
    EXPECT_EQ(edit().GetText(), "");
    EXPECT_FALSE(edit().IsModified());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kIndentDoneTitle));
}

TEST_F(ReshapeToolsTest, IndentThatWouldGrowTooMuchIsRefused) {
    const AnsiText text = "a\r\nb";
    Load(text);
    auto* window = OpenFromMenu<IndentDialog>("spaces.indent");
    ASSERT_NE(window, nullptr);
    window->findChild<QLineEdit*>("indentation")->setText("2000000000");
    Click(window->findChild<QPushButton*>("adjust"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, kTooLongAfterAdjusting);
    EXPECT_EQ(edit().GetText(), text);
    EXPECT_FALSE(edit().IsModified());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kIndentTitle));
}

// Space deletion --------------------------------------------------------

TEST_F(ReshapeToolsTest, DeleteWindowOpensOnceWithItsChoices) {
    auto* window = OpenFromMenu<DeleteSpacesDialog>("spaces.delete");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(kDeleteTitle));
    EXPECT_EQ(window->parentWidget(), nullptr);
    auto* group = window->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->title().isEmpty());
    EXPECT_EQ(CountLabels(*group, kDeleteLabel), 1);

    // Four choices in one group, left to right, "全部" chosen.
    QList<QRadioButton*> choices = group->findChildren<QRadioButton*>();
    ASSERT_EQ(choices.size(), 4);
    std::sort(choices.begin(), choices.end(),
              [](const QRadioButton* a, const QRadioButton* b) { return a->x() < b->x(); });
    const char* const captions[] = {"段首", "段尾", "段首尾", "全部"};
    const char* const names[] = {"paragraphStart", "paragraphEnd", "bothEnds", "everywhere"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(choices[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(choices[i]->objectName(), names[i]);
        EXPECT_EQ(choices[i]->isChecked(), i == 3) << captions[i];
        EXPECT_EQ(choices[i]->group(), choices[0]->group());
        EXPECT_NE(choices[i]->group(), nullptr);
    }
    auto* confirm = window->findChild<QPushButton*>("confirm");
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->text(), QString::fromUtf8(kConfirm));

    Click(choices[0]);
    ASSERT_TRUE(choices[0]->isChecked());
    EXPECT_FALSE(choices[3]->isChecked());
    EXPECT_EQ(OpenFromMenu<DeleteSpacesDialog>("spaces.delete"), window);
    EXPECT_EQ(CountOpen<DeleteSpacesDialog>(), 1);
    EXPECT_TRUE(choices[0]->isChecked());
}

struct DeleteChoiceCase {
    const char* name;
    const char* choice;  // the radio button's object name
    std::string text;
    std::string expected;
};

class DeleteWindowTest : public ReshapeToolsTest,
                         public ::testing::WithParamInterface<DeleteChoiceCase> {};

TEST_P(DeleteWindowTest, ConfirmDeletesTheChosenSpaces) {
    const DeleteChoiceCase& c = GetParam();
    Load(c.text);
    auto* window = OpenFromMenu<DeleteSpacesDialog>("spaces.delete");
    ASSERT_NE(window, nullptr);
    Click(window->findChild<QRadioButton*>(c.choice));
    Click(window->findChild<QPushButton*>("confirm"));
    EXPECT_EQ(edit().GetText(), c.expected);
    EXPECT_TRUE(window->isVisible());
    ExpectOneUndoStepBackTo(c.text);
}

// " a\xA1\xA1 b " CR LF "\xA1\xA1" "c" with spaces of both kinds around.
const std::string kSpaced = " a\xA1\xA1 b \r\n\xA1\xA1" "c\t ";

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteWindowTest,
    ::testing::Values(
        DeleteChoiceCase{"ParagraphStart", "paragraphStart", kSpaced,
                         "a\xA1\xA1 b \r\nc\t \r\n"},
        DeleteChoiceCase{"ParagraphEnd", "paragraphEnd", kSpaced, " a\xA1\xA1 b\r\n\xA1\xA1" "c\t\r\n"},
        DeleteChoiceCase{"BothEnds", "bothEnds", kSpaced, "a\xA1\xA1 b\r\nc\t\r\n"},
        DeleteChoiceCase{"Everywhere", "everywhere", kSpaced, "ab\r\nc\t"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
