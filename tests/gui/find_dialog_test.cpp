#include "search/find_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "core/memory_document.h"
#include "fakes/fake_prompts.h"

namespace scribbet {
namespace {

const char kTitle[] = "搜寻";
const char kPrompt[] = "请输入欲搜寻的文本：";
const char kMatchCase[] = "英文字母区分大小写";
const char kFindPrevious[] = "&P.搜寻上一个";
const char kFindNext[] = "&N.搜寻下一个";

// 中文 in the code page.
const char kChinese[] = "\xD6\xD0\xCE\xC4";

class FindDialogTest : public ::testing::Test {
protected:
    // Opens the window over the given settings, shown as the main window
    // would show it.
    void Open(const FindSettings& initial) {
        settings = initial;
        dialog = std::make_unique<FindDialog>(settings, document, prompts, &owner);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        findText = dialog->findChild<QLineEdit*>("findText");
        matchCase = dialog->findChild<QCheckBox*>("matchCase");
        findPrevious = dialog->findChild<QPushButton*>("findPrevious");
        findNext = dialog->findChild<QPushButton*>("findNext");
        ASSERT_TRUE(findText && matchCase && findPrevious && findNext);
    }

    // Chinese arrives from an input method as a committed string; QTest's
    // key clicks know only ASCII keys.
    void TypeThroughInputMethod(const char* utf8) {
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8(utf8));
        QCoreApplication::sendEvent(findText, &event);
    }

    void ClickCheckBox() {
        // The box's own square, whatever width the layout gives the widget.
        QTest::mouseClick(matchCase, Qt::LeftButton, {}, QPoint(8, matchCase->height() / 2));
    }

    void ExpectButtonsEnabled(bool enabled) {
        EXPECT_EQ(findPrevious->isEnabled(), enabled);
        EXPECT_EQ(findNext->isEnabled(), enabled);
    }

    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakePrompts prompts;
    FindSettings settings;
    QWidget owner;
    std::unique_ptr<FindDialog> dialog;
    QLineEdit* findText = nullptr;
    QCheckBox* matchCase = nullptr;
    QPushButton* findPrevious = nullptr;
    QPushButton* findNext = nullptr;
};

TEST_F(FindDialogTest, TitleAndCaptions) {
    Open({});
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(kTitle));
    int prompts = 0;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text() == QString::fromUtf8(kPrompt)) ++prompts;
    }
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(matchCase->text(), QString::fromUtf8(kMatchCase));
    EXPECT_EQ(findPrevious->text(), QString::fromUtf8(kFindPrevious));
    EXPECT_EQ(findNext->text(), QString::fromUtf8(kFindNext));
}

TEST_F(FindDialogTest, ToolWindowOfTheMainWindow) {
    Open({});
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_EQ(dialog->parentWidget(), &owner);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(findText->hasFocus());
}

struct InitialCase {
    const char* name;
    FindSettings settings;
    const char* boxText;  // UTF-8
    bool buttonsEnabled;
};

class FindDialogInitialTest : public FindDialogTest,
                              public ::testing::WithParamInterface<InitialCase> {};

TEST_P(FindDialogInitialTest, FieldsStartFromTheSettings) {
    const InitialCase& c = GetParam();
    Open(c.settings);
    EXPECT_EQ(findText->text(), QString::fromUtf8(c.boxText));
    EXPECT_EQ(findText->selectedText(), QString::fromUtf8(c.boxText));
    EXPECT_EQ(matchCase->isChecked(), c.settings.matchCase);
    ExpectButtonsEnabled(c.buttonsEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindDialogInitialTest,
    ::testing::Values(InitialCase{"Empty", {"", false}, "", false},
                      InitialCase{"EmptyMatchCase", {"", true}, "", false},
                      InitialCase{"Ascii", {"abc", false}, "abc", true},
                      InitialCase{"ChineseMatchCase", {kChinese, true}, "中文", true},
                      InitialCase{"OneCharacter", {"x", false}, "x", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FindDialogTest, ButtonsFollowTheBox) {
    Open({});
    ExpectButtonsEnabled(false);
    QTest::keyClicks(findText, "a");
    ExpectButtonsEnabled(true);
    QTest::keyClick(findText, Qt::Key_Backspace);
    EXPECT_TRUE(findText->text().isEmpty());
    ExpectButtonsEnabled(false);
    TypeThroughInputMethod("中");
    ExpectButtonsEnabled(true);
}

TEST_F(FindDialogTest, NextAndPreviousStoreTheFieldsAndSelect) {
    document.ResetText("aBc abc ABC");
    Open({});
    QTest::keyClicks(findText, "ABC");
    ClickCheckBox();
    ASSERT_TRUE(matchCase->isChecked());
    QTest::mouseClick(findNext, Qt::LeftButton);
    EXPECT_EQ(settings.text, "ABC");
    EXPECT_TRUE(settings.matchCase);
    EXPECT_EQ(document.GetSelection(), (Selection{8, 3}));

    ClickCheckBox();
    ASSERT_FALSE(matchCase->isChecked());
    QTest::mouseClick(findPrevious, Qt::LeftButton);
    EXPECT_FALSE(settings.matchCase);
    EXPECT_EQ(document.GetSelection(), (Selection{4, 3}));
    QTest::mouseClick(findPrevious, Qt::LeftButton);
    EXPECT_EQ(document.GetSelection(), (Selection{0, 3}));

    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FindDialogTest, ChineseIsStoredInTheCodePage) {
    document.ResetText("ab\xD6\xD0\xCE\xC4");  // ab中文
    Open({});
    TypeThroughInputMethod("中文");
    QTest::mouseClick(findNext, Qt::LeftButton);
    EXPECT_EQ(settings.text, kChinese);
    EXPECT_EQ(document.GetSelection(), (Selection{2, 4}));
}

TEST_F(FindDialogTest, NotFoundShowsTheMessageAndStaysOpen) {
    document.ResetText("abc");
    document.SetSelection(1, 1);
    Open({});
    QTest::keyClicks(findText, "zz");
    QTest::mouseClick(findNext, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "未找到指定文本“zz”");
    EXPECT_EQ(document.GetSelection(), (Selection{1, 1}));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FindDialogTest, EditingWithoutPressingKeepsTheSettings) {
    document.ResetText("abc abcd");
    Open({"abc", false});
    QTest::keyClick(findText, Qt::Key_End);
    QTest::keyClicks(findText, "d");
    ClickCheckBox();
    ASSERT_TRUE(matchCase->isChecked());
    EXPECT_EQ(settings.text, "abc");
    EXPECT_FALSE(settings.matchCase);
    EXPECT_EQ(document.GetSelection(), (Selection{0, 0}));

    QTest::mouseClick(findNext, Qt::LeftButton);
    EXPECT_EQ(settings.text, "abcd");
    EXPECT_EQ(document.GetSelection(), (Selection{4, 4}));
}

TEST_F(FindDialogTest, TypingReplacesTheSelectedText) {
    // The whole text starts selected, so the first key starts a new search.
    Open({"old", false});
    QTest::keyClicks(findText, "new");
    EXPECT_EQ(findText->text(), QStringLiteral("new"));
}

}  // namespace
}  // namespace scribbet
