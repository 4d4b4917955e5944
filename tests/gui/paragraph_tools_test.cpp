// The numbered-lines, paragraph-selection and paragraph-part windows, opened
// from their menu items in a whole editor, offscreen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <stdexcept>

#include "editor_fixture.h"
#include "reshape/paragraph_part_dialog.h"
#include "reshape/paragraph_select_dialog.h"
#include "reshape/sequence_dialog.h"

namespace scribbet {
namespace {

// Bytes: B5 DA 第, D5 C2 章.
const char kNumberedLines[] = "generate.numberedLines";
const char kParagraphStart[] = "paragraphs.prefix";
const char kParagraphEnd[] = "paragraphs.suffix";

int LabelsWithText(const QWidget& window, const char* utf8) {
    int n = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        n += label->text() == QString::fromUtf8(utf8);
    }
    return n;
}

class ParagraphToolsTest : public EditorFixture {
protected:
    template <typename W>
    W* OpenFromMenu(const char* command) {
        Trigger(command);
        W* window = Open<W>();
        EXPECT_NE(window, nullptr) << command;
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
    template <typename T>
    static T& Child(const QWidget& window, const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        if (!child) throw std::runtime_error(name);
        return *child;
    }
    static void Click(QAbstractButton& button) {
        // On the button's own box, however wide the layout made it.
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
    }
    void ExpectEditedTo(const std::string& text) {
        EXPECT_EQ(edit().GetText(), text);
        EXPECT_TRUE(edit().IsModified());
    }
};

// The sequence window's face for each of its three menu items.
struct FaceCase {
    const char* name;
    const char* command;
    int toolMode;
    const char* title;
    const char* button;
    bool showsLineCount;
};
void PrintTo(const FaceCase& c, std::ostream* os) { *os << c.name; }

class SequenceFaceTest : public ParagraphToolsTest,
                         public ::testing::WithParamInterface<FaceCase> {};

TEST_P(SequenceFaceTest, MenuItemOpensTheWindowInItsMode) {
    const FaceCase& c = GetParam();
    auto* dialog = OpenFromMenu<SequenceDialog>(c.command);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(window().Tools().ToolMode(), c.toolMode);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_FALSE(dialog->isModal());

    EXPECT_EQ(Child<QLineEdit>(*dialog, "leftText").text(), "");
    const auto& numbered = Child<QCheckBox>(*dialog, "numbered");
    EXPECT_EQ(numbered.text(), QString::fromUtf8("起始序号"));
    EXPECT_TRUE(numbered.isChecked());
    EXPECT_EQ(Child<QLineEdit>(*dialog, "startNumber").text(), "");
    EXPECT_EQ(Child<QLineEdit>(*dialog, "rightText").text(), "");
    EXPECT_EQ(LabelsWithText(*dialog, "+"), 2);

    const auto& lineCount = Child<QLineEdit>(*dialog, "lineCount");
    EXPECT_EQ(lineCount.text(), "10");
    EXPECT_EQ(lineCount.isVisible(), c.showsLineCount);
    EXPECT_EQ(LabelsWithText(*dialog, "生成行数："), 1);
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text() == QString::fromUtf8("生成行数：")) {
            EXPECT_EQ(label->isVisible(), c.showsLineCount);
        }
    }
    EXPECT_EQ(Child<QPushButton>(*dialog, "action").text(), QString::fromUtf8(c.button));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SequenceFaceTest,
    ::testing::Values(
        FaceCase{"NumberedLines", kNumberedLines, 1, "生成带序号文本", "生成", true},
        FaceCase{"ParagraphStart", kParagraphStart, 2, "段前插入", "段前插入", false},
        FaceCase{"ParagraphEnd", kParagraphEnd, 3, "段后插入", "段后插入", false}),
    [](const auto& info) { return std::string(info.param.name); });

// One press of the button, from the menu item to the document.
struct SequenceRunCase {
    const char* name;
    const char* command;
    const char* left;  // UTF-8
    bool numbered;
    const char* start;
    const char* right;  // UTF-8
    const char* lineCount;
    std::string before;
    std::string after;
};
void PrintTo(const SequenceRunCase& c, std::ostream* os) { *os << c.name; }

class SequenceRunTest : public ParagraphToolsTest,
                        public ::testing::WithParamInterface<SequenceRunCase> {};

TEST_P(SequenceRunTest, ButtonWritesTheDocument) {
    const SequenceRunCase& c = GetParam();
    edit().ResetText(c.before);
    auto* dialog = OpenFromMenu<SequenceDialog>(c.command);
    ASSERT_NE(dialog, nullptr);
    Child<QLineEdit>(*dialog, "leftText").setText(QString::fromUtf8(c.left));
    if (!c.numbered) Click(Child<QCheckBox>(*dialog, "numbered"));
    ASSERT_EQ(Child<QCheckBox>(*dialog, "numbered").isChecked(), c.numbered);
    QTest::keyClicks(&Child<QLineEdit>(*dialog, "startNumber"), c.start);
    Child<QLineEdit>(*dialog, "rightText").setText(QString::fromUtf8(c.right));
    if (c.lineCount) Child<QLineEdit>(*dialog, "lineCount").setText(c.lineCount);

    QTest::mouseClick(&Child<QPushButton>(*dialog, "action"), Qt::LeftButton);
    EXPECT_EQ(edit().GetText(), c.after);
    EXPECT_EQ(edit().IsModified(), c.after != c.before);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(dialog->isVisible());  // the window stays open
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SequenceRunTest,
    ::testing::Values(
        SequenceRunCase{"DefaultsReplaceTheDocument", kNumberedLines, "", true, "", "", nullptr,
                        "old text",
                        Lines({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"})},
        SequenceRunCase{"Chapters", kNumberedLines, "第", true, "1", "章", "3", "",
                        Lines({"\xB5\xDA" "1\xD5\xC2", "\xB5\xDA" "2\xD5\xC2",
                               "\xB5\xDA" "3\xD5\xC2"})},
        SequenceRunCase{"Unnumbered", kNumberedLines, "a", false, "7", "b", "2", "x",
                        Lines({"ab", "ab"})},
        SequenceRunCase{"PastThe32BitLimit", kNumberedLines, "", true, "2147483647", "", "2", "",
                        Lines({"2147483647", "2147483648"})},
        SequenceRunCase{"NegativeCountEmpties", kNumberedLines, "", true, "", "", "-3", "old",
                        ""},
        SequenceRunCase{"ParagraphStart", kParagraphStart, "(", true, "1", ")", nullptr,
                        "a\r\n\r\nb", "(1)a\r\n(2)\r\n(3)b\r\n"},
        SequenceRunCase{"ParagraphEndAfterAFinalBreak", kParagraphEnd, "", true, "-1", "章",
                        nullptr, "a\r\nb\r\n", "a-1\xD5\xC2\r\nb0\xD5\xC2\r\n"},
        SequenceRunCase{"ParagraphStartOnEmptyStaysEmpty", kParagraphStart, "x", true, "1", "",
                        nullptr, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParagraphToolsTest, NumberedLinesEndWithTheCaretAfterThem) {
    edit().ResetText("old");
    auto* dialog = OpenFromMenu<SequenceDialog>(kNumberedLines);
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(&Child<QPushButton>(*dialog, "action"), Qt::LeftButton);
    const auto length = static_cast<Pos>(edit().GetText().size());
    EXPECT_EQ(edit().GetSelection(), (Selection{length, 0}));
    // Generating is one edit after emptying: undo gives the emptied document.
    edit().Undo();
    EXPECT_EQ(edit().GetText(), "");
}

TEST_F(ParagraphToolsTest, ResultTooLongIsRefusedWithAMessage) {
    edit().ResetText("keep");
    auto* dialog = OpenFromMenu<SequenceDialog>(kNumberedLines);
    ASSERT_NE(dialog, nullptr);
    Child<QLineEdit>(*dialog, "lineCount").setText("2147483647");
    QTest::mouseClick(&Child<QPushButton>(*dialog, "action"), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "结果文本过长，无法写入文档！");
    EXPECT_EQ(edit().GetText(), "keep");
    EXPECT_FALSE(edit().IsModified());
}

// A menu item chosen while the window is open changes what the button does,
// never what the window shows.
struct ModeSwitchCase {
    const char* name;
    const char* opened;  // the command that opened the window
    int modeAtPress;     // set by a later menu command of either window
    std::string after;   // "a CR LF b" after the press, affix "(" number ")"
};
void PrintTo(const ModeSwitchCase& c, std::ostream* os) { *os << c.name; }

class SequenceModeSwitchTest : public ParagraphToolsTest,
                               public ::testing::WithParamInterface<ModeSwitchCase> {};

TEST_P(SequenceModeSwitchTest, ButtonFollowsTheModeFaceStays) {
    const ModeSwitchCase& c = GetParam();
    edit().ResetText("a\r\nb");
    auto* dialog = OpenFromMenu<SequenceDialog>(c.opened);
    ASSERT_NE(dialog, nullptr);
    const QString title = dialog->windowTitle();
    const QString button = Child<QPushButton>(*dialog, "action").text();
    const bool showsLineCount = Child<QLineEdit>(*dialog, "lineCount").isVisible();
    Child<QLineEdit>(*dialog, "leftText").setText("(");
    Child<QLineEdit>(*dialog, "startNumber").setText("1");
    Child<QLineEdit>(*dialog, "rightText").setText(")");
    Child<QLineEdit>(*dialog, "lineCount").setText("2");

    // The regular-expression window's commands set modes 1 and 2 as well.
    const char* const commands[] = {nullptr, kNumberedLines, kParagraphStart, kParagraphEnd};
    if (c.modeAtPress >= 1 && c.modeAtPress <= 3) {
        Trigger(commands[c.modeAtPress]);
    } else {
        window().Tools().SetToolMode(c.modeAtPress);
    }
    ASSERT_EQ(window().Tools().ToolMode(), c.modeAtPress);
    EXPECT_EQ(CountOpen<SequenceDialog>(), 1);
    EXPECT_EQ(Open<SequenceDialog>(), dialog);

    QTest::mouseClick(&Child<QPushButton>(*dialog, "action"), Qt::LeftButton);
    EXPECT_EQ(edit().GetText(), c.after);
    EXPECT_EQ(dialog->windowTitle(), title);
    EXPECT_EQ(Child<QPushButton>(*dialog, "action").text(), button);
    EXPECT_EQ(Child<QLineEdit>(*dialog, "lineCount").isVisible(), showsLineCount);
    EXPECT_EQ(Child<QLineEdit>(*dialog, "leftText").text(), "(");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SequenceModeSwitchTest,
    ::testing::Values(
        ModeSwitchCase{"NumberedLinesThenParagraphEnd", kNumberedLines, 3,
                       "a(1)\r\nb(2)\r\n"},
        ModeSwitchCase{"NumberedLinesThenParagraphStart", kNumberedLines, 2,
                       "(1)a\r\n(2)b\r\n"},
        ModeSwitchCase{"ParagraphEndThenNumberedLines", kParagraphEnd, 1, "(1)\r\n(2)\r\n"},
        ModeSwitchCase{"ParagraphStartThenParagraphEnd", kParagraphStart, 3,
                       "a(1)\r\nb(2)\r\n"},
        ModeSwitchCase{"UnknownModeDoesNothing", kParagraphStart, 0, "a\r\nb"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParagraphToolsTest, SequenceWindowIsOpenedOnceAndKeepsItsFields) {
    auto* dialog = OpenFromMenu<SequenceDialog>(kNumberedLines);
    ASSERT_NE(dialog, nullptr);
    Child<QLineEdit>(*dialog, "leftText").setText("kept");
    for (const char* command : {kNumberedLines, kParagraphStart, kParagraphEnd, kNumberedLines}) {
        Trigger(command);
        EXPECT_EQ(CountOpen<SequenceDialog>(), 1) << command;
    }
    EXPECT_EQ(Open<SequenceDialog>(), dialog);
    EXPECT_EQ(Child<QLineEdit>(*dialog, "leftText").text(), "kept");

    // Closed, it is made afresh in the mode of the next command.
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CountOpen<SequenceDialog>(), 0);
    auto* reopened = OpenFromMenu<SequenceDialog>(kParagraphStart);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->windowTitle(), QString::fromUtf8("段前插入"));
    EXPECT_EQ(Child<QLineEdit>(*reopened, "leftText").text(), "");
}

TEST_F(ParagraphToolsTest, SelectWindowStartsToDelete) {
    auto* dialog = OpenFromMenu<ParagraphSelectDialog>("paragraphs.select");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("删除/保留指定段"));
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_FALSE(dialog->isModal());
    const QString numbersCaption = QString::fromUtf8("要删除的段（多个段 用“,”英文逗号隔开）");
    const QString choiceCaption = QString::fromUtf8("删除/保留");
    EXPECT_EQ(dialog->findChildren<QGroupBox*>().size(), 2);
    const auto& numbers = Child<QLineEdit>(*dialog, "paragraphNumbers");
    EXPECT_EQ(numbers.text(), "");
    const auto* numbersBox = qobject_cast<QGroupBox*>(numbers.parentWidget());
    ASSERT_NE(numbersBox, nullptr);
    EXPECT_EQ(numbersBox->title(), numbersCaption);
    const auto& remove = Child<QRadioButton>(*dialog, "deleteParagraphs");
    const auto& keep = Child<QRadioButton>(*dialog, "keepParagraphs");
    for (const QRadioButton* radio : {&remove, &keep}) {
        const auto* box = qobject_cast<QGroupBox*>(radio->parentWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title(), choiceCaption);
    }
    EXPECT_EQ(remove.text(), QString::fromUtf8("删除"));
    EXPECT_EQ(keep.text(), QString::fromUtf8("保留"));
    EXPECT_TRUE(remove.isChecked());
    EXPECT_FALSE(keep.isChecked());
    EXPECT_EQ(Child<QPushButton>(*dialog, "run").text(), QString::fromUtf8("执行"));

    Trigger("paragraphs.select");
    EXPECT_EQ(CountOpen<ParagraphSelectDialog>(), 1);
}

struct SelectRunCase {
    const char* name;
    std::string before;
    const char* numbers;  // UTF-8
    bool keep;
    std::string after;
};
void PrintTo(const SelectRunCase& c, std::ostream* os) { *os << c.name; }

class ParagraphSelectRunTest : public ParagraphToolsTest,
                               public ::testing::WithParamInterface<SelectRunCase> {};

TEST_P(ParagraphSelectRunTest, RunDeletesOrKeepsTheListedParagraphs) {
    const SelectRunCase& c = GetParam();
    edit().ResetText(c.before);
    auto* dialog = OpenFromMenu<ParagraphSelectDialog>("paragraphs.select");
    ASSERT_NE(dialog, nullptr);
    Child<QLineEdit>(*dialog, "paragraphNumbers").setText(QString::fromUtf8(c.numbers));
    if (c.keep) Click(Child<QRadioButton>(*dialog, "keepParagraphs"));
    ASSERT_EQ(Child<QRadioButton>(*dialog, "keepParagraphs").isChecked(), c.keep);
    ASSERT_EQ(Child<QRadioButton>(*dialog, "deleteParagraphs").isChecked(), !c.keep);

    // Whichever choice is made, the caption still speaks of deleting.
    EXPECT_EQ(qobject_cast<QGroupBox*>(Child<QLineEdit>(*dialog, "paragraphNumbers").parentWidget())
                  ->title(),
              QString::fromUtf8("要删除的段（多个段 用“,”英文逗号隔开）"));

    QTest::mouseClick(&Child<QPushButton>(*dialog, "run"), Qt::LeftButton);
    EXPECT_EQ(edit().GetText(), c.after);
    EXPECT_EQ(edit().IsModified(), c.after != c.before);
    EXPECT_EQ(edit().GetSelection(), (Selection{0, 0}));
    EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParagraphSelectRunTest,
    ::testing::Values(
        SelectRunCase{"DeleteMiddle", "a\r\nb\r\nc", "2", false, "a\r\nc"},
        SelectRunCase{"DeleteLast", "a\r\nb\r\nc", "3", false, "a\r\nb\r\n"},
        SelectRunCase{"KeepFirstAndLast", "a\r\nb\r\nc", "1,3", true, "a\r\nc"},
        SelectRunCase{"KeepNothing", "a\r\nb\r\n", "", true, ""},
        SelectRunCase{"JunkInTheList", "a\r\nb\r\nc\r\nd", " 2, 3x,,0,9", false, "a\r\nd"},
        SelectRunCase{"FullWidthCommaAndDigits", "a\r\nb\r\nc", "1，２", false, "b\r\nc"},
        SelectRunCase{"FullWidthDigitNames", "a\r\nb\r\nc", "２", true, "b\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParagraphToolsTest, PartWindowChangesNothing) {
    edit().ResetText("a\r\nb");
    auto* dialog = OpenFromMenu<ParagraphPartDialog>("paragraphs.part");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("段部分"));
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(LabelsWithText(*dialog, "文本一："), 1);
    EXPECT_EQ(LabelsWithText(*dialog, "文本二："), 1);
    auto& textOne = Child<QLineEdit>(*dialog, "textOne");
    auto& textTwo = Child<QLineEdit>(*dialog, "textTwo");
    EXPECT_EQ(textOne.text(), "");
    EXPECT_EQ(textTwo.text(), "");
    auto& confirm = Child<QPushButton>(*dialog, "confirm");
    EXPECT_EQ(confirm.text(), QString::fromUtf8("确定"));

    textOne.setText(QString::fromUtf8("开始"));
    QTest::keyClicks(&textTwo, "b");
    QTest::keyClick(&textTwo, Qt::Key_Return);
    QTest::mouseClick(&confirm, Qt::LeftButton);
    EXPECT_EQ(edit().GetText(), "a\r\nb");
    EXPECT_FALSE(edit().IsModified());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(textOne.text(), QString::fromUtf8("开始"));
    EXPECT_EQ(textTwo.text(), "b");

    Trigger("paragraphs.part");
    EXPECT_EQ(CountOpen<ParagraphPartDialog>(), 1);
}

}  // namespace
}  // namespace scribbet
