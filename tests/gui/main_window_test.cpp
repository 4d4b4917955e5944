// The main window driven through its real menu actions, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include "core/about_window.h"
#include "editor_fixture.h"
#include "search/find_dialog.h"

namespace scribbet {
namespace {

// Walks the built menu bar: one line per item, submenus by their path.
void Walk(const QMenu& menu, const QString& path, QStringList& lines) {
    for (QAction* action : menu.actions()) {
        if (action->menu()) {
            Walk(*action->menu(), path + action->text() + " > ", lines);
        } else if (action->isSeparator()) {
            lines << path + "-";
        } else {
            QString line = path + action->text();
            if (!action->shortcut().isEmpty()) line += " [" + action->shortcut().toString() + "]";
            lines << line;
        }
    }
}

class MainWindowTest : public EditorFixture {
protected:
    void OpenFile(const QString& name) {
        prompts.choices.push_back(Path(name).toStdString());
        Trigger("file.open");
    }
    std::vector<FindDialog*> FindDialogs() const {
        std::vector<FindDialog*> found;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* dialog = qobject_cast<FindDialog*>(widget)) found.push_back(dialog);
        }
        return found;
    }
};

TEST_F(MainWindowTest, MenuTreeIsTheDesignedOne) {
    QStringList lines;
    for (QAction* top : window().menuBar()->actions()) Walk(*top->menu(), top->text() + " > ", lines);
    const QStringList expected = {
        "&F.文件 > &N.新建 [Ctrl+N]",
        "&F.文件 > &O.打开 [Ctrl+O]",
        "&F.文件 > 取网址源码",
        "&F.文件 > &S.保存 [Ctrl+S]",
        "&F.文件 > &A.另存为",
        "&F.文件 > &P.打印 [Ctrl+P]",
        "&F.文件 > -",
        "&F.文件 > 多文件 > 合并/拆分",
        "&F.文件 > 多文件 > 增/删 文件头/尾",
        "&F.文件 > 多文件 > 编码转换",
        "&F.文件 > -",
        "&F.文件 > &1. ",
        "&F.文件 > &2. ",
        "&F.文件 > &3. ",
        "&F.文件 > -",
        "&F.文件 > &X.退出",
        "&E.编辑 > &U.撤消 [Ctrl+Z]",
        "&E.编辑 > -",
        "&E.编辑 > &X.剪切 [Ctrl+X]",
        "&E.编辑 > &C.复制 [Ctrl+C]",
        "&E.编辑 > &P.粘贴 [Ctrl+V]",
        "&E.编辑 > -",
        "&E.编辑 > &A.全选 [Ctrl+A]",
        "&O.格式 > &W.自动换行",
        "&O.格式 > &F.字体",
        "&S.搜寻 > &F.查找 [Ctrl+F]",
        "&S.搜寻 > &P.查找上一个 [Shift+F3]",
        "&S.搜寻 > &N.查找下一个 [F3]",
        "&A.修正 > 转换 > 到大写",
        "&A.修正 > 转换 > 到小写",
        "&A.修正 > 转换 > 到全角",
        "&A.修正 > 转换 > 到半角",
        "&A.修正 > -",
        "&A.修正 > &R.基本替换 [Ctrl+H]",
        "&A.修正 > 高级替换 > 换行符前后文本",
        "&A.修正 > 高级替换 > Tab前后文本",
        "&A.修正 > &Z.正则替换/提取",
        "&A.修正 > -",
        "&A.修正 > 换行符 > 多换行符变单换行符",
        "&A.修正 > 换行符 > 连续换行符数量变更",
        "&A.修正 > 合为一段",
        "&A.修正 > 分割文本",
        "&A.修正 > 空格 > 段前增减",
        "&A.修正 > 空格 > 删除",
        "&A.修正 > 保留指定位置",
        "&A.修正 > -",
        "&A.修正 > 段 > 插入文本 > 段前",
        "&A.修正 > 段 > 插入文本 > 段尾",
        "&A.修正 > 段 > 截取部分",
        "&A.修正 > 段 > 删除/保留指定段",
        "&A.修正 > -",
        "&A.修正 > 时间 > &T.插入时间 [Ctrl+T]",
        "&A.修正 > 时间 > 时分秒到秒",
        "&A.修正 > 时间 > 秒到时分秒",
        "生成 > 带序号文本",
        "生成 > 变量文本 [Ctrl+L]",
        "生成 > 账号密码",
        "生成 > 随机文本",
        "脚本 > 运行VBS [F8]",
        "脚本 > 运行BAT [F9]",
        "&H.帮助 > &A.关于...",
    };
    EXPECT_EQ(lines, expected);
    for (QAction* top : window().menuBar()->actions()) {
        EXPECT_TRUE(top->isEnabled());
        EXPECT_FALSE(top->isCheckable());
    }
}

TEST_F(MainWindowTest, StartsWithTheProductCaptionAndNoRecentFiles) {
    EXPECT_EQ(window().windowTitle(),
              QString("PendrelScribbet V2.6 BY Orvald ") + QString::fromUtf8(kAuthorContact));
    EXPECT_FALSE(window().Action("file.recentSeparator")->isVisible());
    for (const char* item : {"file.recent1", "file.recent2", "file.recent3"}) {
        EXPECT_FALSE(window().Action(item)->isVisible()) << item;
    }
    EXPECT_EQ(window().Picture().toolTip(), "定做软件、提交软件建议或意见，请点击这里！");
    EXPECT_EQ(window().Picture().size(), QSize(21, 21));
    EXPECT_EQ(edit().GetText(), "");
    EXPECT_FALSE(edit().WordWrap());
}

TEST_F(MainWindowTest, LayoutKeepsTheEditAreaFivePixelsInside) {
    for (const QSize size : {QSize(636, 498), QSize(900, 700), QSize(400, 300)}) {
        window().resize(size);
        QApplication::processEvents();
        const QSize client = window().centralWidget()->size();
        EXPECT_EQ(edit().geometry(), QRect(5, 5, client.width() - 10, client.height() - 10));
        const QSize outer = window().frameGeometry().size();
        EXPECT_EQ(window().Picture().pos(), QPoint(outer.width() - 61, outer.height() - 104));
    }
}

TEST_F(MainWindowTest, OpenShowsTheFileAndAddsItToTheRecentFiles) {
    Put("a.txt", "\xD6\xD0\xCE\xC4\r\nline\x1A" "cut");  // 中文
    OpenFile("a.txt");
    EXPECT_EQ(edit().GetText(), "\xD6\xD0\xCE\xC4\r\nline");
    EXPECT_EQ(window().windowTitle(), "Scribbet - " + Path("a.txt"));
    EXPECT_TRUE(window().Action("file.recentSeparator")->isVisible());
    EXPECT_TRUE(window().Action("file.recent1")->isVisible());
    EXPECT_EQ(window().Action("file.recent1")->text(), "&1. " + Path("a.txt"));
    EXPECT_FALSE(window().Action("file.recent2")->isVisible());
}

TEST_F(MainWindowTest, SaveWritesTheOpenFileAndSaveAsAnother) {
    Put("a.txt", "text");
    OpenFile("a.txt");
    Type("new ");
    Trigger("file.save");
    EXPECT_TRUE(prompts.choosers.size() == 1u);  // only the Open chooser
    EXPECT_EQ(Get("a.txt"), "new text");
    EXPECT_FALSE(edit().IsModified());

    prompts.choices.push_back(Path("b.txt").toStdString());
    Trigger("file.saveAs");
    EXPECT_EQ(Get("b.txt"), "new text");
    EXPECT_EQ(window().windowTitle(), "Scribbet - " + Path("a.txt"));  // the caption stays
    EXPECT_EQ(window().Action("file.recent2")->text(), "&2. " + Path("b.txt"));
}

TEST_F(MainWindowTest, AToolEditIsAskedAboutBeforeNew) {
    Put("a.txt", "text");
    OpenFile("a.txt");
    edit().SetText("TEXT");
    prompts.answers.push_back(Answer::Cancel);
    Trigger("file.new");
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(edit().GetText(), "TEXT");
    prompts.answers.push_back(Answer::No);
    Trigger("file.new");
    EXPECT_EQ(edit().GetText(), "");
    EXPECT_EQ(window().windowTitle(), "Scribbet");
}

TEST_F(MainWindowTest, ExitWithAFailedSaveKeepsTheWindow) {
    Put("a.txt", "text");
    OpenFile("a.txt");
    Type("x");
    QFile::remove(Path("a.txt"));
    ASSERT_TRUE(dir.remove());  // the folder is gone: the save must fail
    prompts.answers.push_back(Answer::Yes);
    Trigger("file.exit");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(prompts.messages.back().text, "保存文件失败！");
    EXPECT_EQ(edit().GetText(), "xtext");
}

TEST_F(MainWindowTest, ExitAsksAndCloses) {
    Type("x");
    prompts.answers.push_back(Answer::No);
    Trigger("file.exit");
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, CloseCheck) {
    Type("x");
    prompts.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(Questions(), 1);
    // All text deleted: the window closes without asking, modified or not.
    edit().SelectAll();
    edit().ReplaceSelection("");
    ASSERT_TRUE(edit().IsModified());
    EXPECT_TRUE(window().close());
    EXPECT_EQ(Questions(), 1);
}

TEST_F(MainWindowTest, RecentFilesSurviveARestart) {
    Put("a.txt", "a");
    Put("b.txt", "b");
    OpenFile("a.txt");
    OpenFile("b.txt");
    Restart();
    EXPECT_EQ(settings.values["1"], Path("a.txt").toStdString());
    EXPECT_EQ(settings.values["2"], Path("b.txt").toStdString());
    EXPECT_EQ(settings.values["3"], "");
    EXPECT_TRUE(window().Action("file.recent2")->isVisible());
    EXPECT_FALSE(window().Action("file.recent3")->isVisible());
    Trigger("file.recent1");
    EXPECT_EQ(edit().GetText(), "a");
    EXPECT_EQ(window().windowTitle(), "Scribbet - " + Path("a.txt"));
}

TEST_F(MainWindowTest, ARecentFileThatIsGoneIsReportedAndKept) {
    Put("a.txt", "a");
    OpenFile("a.txt");
    QFile::remove(Path("a.txt"));
    Trigger("file.recent1");
    EXPECT_EQ(prompts.messages.back().text, "打开文件失败！");
    EXPECT_EQ(edit().GetText(), "");
    EXPECT_EQ(window().Action("file.recent1")->text(), "&1. " + Path("a.txt"));
}

TEST_F(MainWindowTest, WordWrapTwiceKeepsTextSelectionFlagAndUndo) {
    Type("one two");
    edit().SetSelection(4, 3);
    Trigger("format.wordWrap");
    EXPECT_TRUE(edit().WordWrap());
    Trigger("format.wordWrap");
    EXPECT_FALSE(edit().WordWrap());
    EXPECT_EQ(edit().GetText(), "one two");
    EXPECT_EQ(edit().GetSelection(), (Selection{4, 3}));
    EXPECT_TRUE(edit().IsModified());
    EXPECT_TRUE(edit().CanUndo());
}

TEST_F(MainWindowTest, UndoShortcutIsTheOneStepUndo) {
    edit().ResetText("ab");
    edit().SetSelection(2, 0);
    Type("c");
    edit().setFocus();
    QTest::keyClick(edit().viewport(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit().GetText(), "ab");
    QTest::keyClick(edit().viewport(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit().GetText(), "abc");  // the second undo reverts the first
}

TEST_F(MainWindowTest, AltWithALetterOpensTheMenuAndTypesNothing) {
    edit().ResetText("text");
    edit().setFocus();
    QTest::keyClick(edit().viewport(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(edit().GetText(), "text");
    EXPECT_FALSE(edit().IsModified());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&A.修正");
    menu->close();
}

TEST_F(MainWindowTest, FontChoiceAppliesFaceAndColour) {
    FontChoice black;
    black.family = edit().TextFont().family;
    black.pointSize = 14;
    black.color = 0x000000;
    prompts.fonts.push_back(black);
    Trigger("format.font");
    EXPECT_EQ(edit().TextFont().color, 0x000000u);
    EXPECT_EQ(edit().TextFont().pointSize, 14);
    // The chooser is preset with the last confirmed choice; cancel changes nothing.
    Trigger("format.font");
    ASSERT_EQ(prompts.fontPresets.size(), 2u);
    EXPECT_FALSE(prompts.fontPresets[0].has_value());
    EXPECT_EQ(prompts.fontPresets[1], black);
    EXPECT_EQ(edit().TextFont().pointSize, 14);
}

TEST_F(MainWindowTest, DroppedFileIsOpened) {
    Put("drop.txt", "dropped");
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(Path("drop.txt"))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &drop);
    delete data;
    EXPECT_EQ(edit().GetText(), "dropped");
    EXPECT_EQ(window().windowTitle(), "Scribbet - " + Path("drop.txt"));
    EXPECT_FALSE(window().Action("file.recent1")->isVisible());
}

TEST_F(MainWindowTest, OneFindDialogHoweverOftenOpened) {
    Trigger("search.find");
    ASSERT_EQ(FindDialogs().size(), 1u);
    FindDialog* dialog = FindDialogs().front();
    EXPECT_EQ(dialog->windowTitle(), "搜寻");
    auto* box = dialog->findChild<QLineEdit*>("findText");
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, "ab");
    Trigger("search.find");
    ASSERT_EQ(FindDialogs().size(), 1u);
    EXPECT_EQ(box->text(), "ab");
}

TEST_F(MainWindowTest, RepeatFindUsesTheStoredSettings) {
    edit().ResetText("aaaa");
    Trigger("search.next");  // nothing stored yet: nothing happens
    EXPECT_TRUE(prompts.messages.empty());
    editor->Find().text = "aa";
    Trigger("search.next");
    EXPECT_EQ(edit().GetSelection(), (Selection{0, 2}));
    Trigger("search.next");
    EXPECT_EQ(edit().GetSelection(), (Selection{2, 2}));
    Trigger("search.next");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "未找到指定文本“aa”");
    Trigger("search.previous");
    EXPECT_EQ(edit().GetSelection(), (Selection{0, 2}));
}

TEST_F(MainWindowTest, ContactPictureOpensTheContactPage) {
    QTest::mouseClick(&window().Picture(), Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<std::string>{kContactPage});
}

TEST_F(MainWindowTest, AboutWindowOpensOnce) {
    Trigger("help.about");
    Trigger("help.about");
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<AboutWindow*>(widget)) {
            ++count;
            EXPECT_EQ(widget->windowTitle(), "关于");
            auto* label = widget->findChild<QLabel*>("aboutText");
            ASSERT_NE(label, nullptr);
            const QStringList lines = label->text().split('\n');
            ASSERT_EQ(lines.size(), 31);
            EXPECT_EQ(lines[2], "具体功能如下：");
            EXPECT_EQ(lines[4], "    文件合并/拆分");
            EXPECT_EQ(lines[29], "如需定做软件，或提交软件BUG，请联系作者！");
            EXPECT_TRUE(lines[30].startsWith("Orvald "));
        }
    }
    EXPECT_EQ(count, 1);
}

}  // namespace
}  // namespace scribbet
