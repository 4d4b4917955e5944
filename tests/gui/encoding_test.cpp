// Files in other encodings through the real main window and batch window.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>

#include "batch/batch_files_window.h"
#include "gui/editor_fixture.h"

namespace scribbet {
namespace {

const char kAnsi[] = "ANSI (GBK)";
const char kUtf8Bom[] = "UTF-8 (带BOM)";

// 中文 in UTF-8 and in GBK.
const QByteArray kChineseUtf8("\xE4\xB8\xAD\xE6\x96\x87");
const QByteArray kChineseGbk("\xD6\xD0\xCE\xC4");

class EncodingTest : public EditorFixture {
protected:
    void OpenFile(const QString& name) {
        prompts.choices.push_back(Path(name).toStdString());
        Trigger("file.open");
    }
    QString EncodingShown() { return window().EncodingStatus().text(); }
    QString LineEndsShown() { return window().LineEndsStatus().text(); }
    void Choose(const char* name) {
        QAction* action =
            window().EncodingStatus().menu()->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
};

TEST_F(EncodingTest, AUtf8FileShowsItsEncodingAndIsSavedBackInIt) {
    Put("u.txt", "abc " + kChineseUtf8 + "\r\nline\r\n");
    OpenFile("u.txt");
    EXPECT_EQ(EncodingShown(), "UTF-8");
    EXPECT_EQ(LineEndsShown(), "CR LF");
    EXPECT_EQ(edit().GetText(), "abc \xD6\xD0\xCE\xC4\r\nline\r\n");
    Trigger("convert.upper");
    Trigger("file.save");
    EXPECT_EQ(Get("u.txt"), "ABC " + kChineseUtf8 + "\r\nLINE\r\n");
    EXPECT_EQ(EncodingShown(), "UTF-8");
}

TEST_F(EncodingTest, NewDocumentsAndGbkFilesAreAnsi) {
    EXPECT_EQ(EncodingShown(), kAnsi);
    Put("u.txt", kChineseUtf8);
    OpenFile("u.txt");
    Put("g.txt", kChineseGbk + "\n");
    OpenFile("g.txt");
    EXPECT_EQ(EncodingShown(), kAnsi);
    EXPECT_EQ(LineEndsShown(), "LF");
    OpenFile("u.txt");
    Trigger("file.new");
    EXPECT_EQ(EncodingShown(), kAnsi);
}

TEST_F(EncodingTest, TheStatusMenuSavesAndReopensInAnotherEncoding) {
    Put("g.txt", kChineseGbk);
    OpenFile("g.txt");
    Choose("encoding.saveUtf8Bom");
    EXPECT_EQ(Get("g.txt"), "\xEF\xBB\xBF" + kChineseUtf8);
    EXPECT_EQ(EncodingShown(), kUtf8Bom);
    Choose("encoding.reopenAnsi");
    EXPECT_EQ(edit().GetText(), "\xEF\xBB\xBF" + kChineseUtf8.toStdString());
    EXPECT_EQ(EncodingShown(), kAnsi);
    Choose("encoding.reopenUtf8");
    EXPECT_EQ(edit().GetText(), kChineseGbk.toStdString());
    EXPECT_EQ(EncodingShown(), kUtf8Bom);
}

TEST_F(EncodingTest, LineEndsFollowTheEditsOnceTypingPauses) {
    edit().SetText("a\nb\r\nc");
    EXPECT_TRUE(QTest::qWaitFor([&] { return LineEndsShown() == "混合"; }, 2000));
    edit().SetText("one line");
    EXPECT_TRUE(QTest::qWaitFor([&] { return LineEndsShown() == "无换行"; }, 2000));
}

TEST_F(EncodingTest, TheStatusBarSitsBelowTheEditArea) {
    const QRect client = window().centralWidget()->geometry();
    EXPECT_EQ(edit().geometry(), QRect(5, 5, client.width() - 10, client.height() - 10));
    EXPECT_GE(window().statusBar()->geometry().top(), client.bottom());
    EXPECT_TRUE(window().EncodingStatus().isVisible());
}

class ConversionPageTest : public EncodingTest {
protected:
    BatchFilesWindow& batch() { return OpenWindow<BatchFilesWindow>(); }
    template <typename W>
    W& Find(const char* name) { return ChildNamed<W>(batch(), name); }
    void AddFiles(const std::vector<QString>& names) {
        std::vector<std::string> selection;
        for (const QString& name : names) selection.push_back(Path(name).toStdString());
        prompts.fileSelections.push_back(selection);
        Find<QPushButton>("conversionListAdd").click();
    }
};

TEST_F(ConversionPageTest, ConvertsTheListedFilesAndSumsUp) {
    Trigger("batch.encoding");
    EXPECT_TRUE(Find<QRadioButton>("toAnsi").isChecked());
    EXPECT_FALSE(Find<QCheckBox>("conversionBackup").isChecked());
    Put("a.txt", kChineseGbk);
    Put("b.txt", kChineseUtf8);
    AddFiles({"a.txt", "b.txt"});
    Find<QRadioButton>("toUtf8").click();
    Find<QCheckBox>("conversionBackup").click();
    Find<QPushButton>("convert").click();
    EXPECT_EQ(Get("a.txt"), kChineseUtf8);
    EXPECT_EQ(Get("a.txt.bak"), kChineseGbk);
    EXPECT_EQ(Get("b.txt"), kChineseUtf8);
    EXPECT_EQ(Get("b.txt.bak"), "<missing>");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(prompts.messages[0].text, "编码转换完成：转换 1 个文件，1 个文件已是目标编码。");
}

TEST_F(ConversionPageTest, NamesTheFilesItCouldNotConvert) {
    Trigger("batch.encoding");
    Put("bad.txt", QByteArray("\xD6\xD0\x80\x30"));
    Put("good.txt", kChineseGbk);
    AddFiles({"bad.txt", "good.txt"});
    Find<QRadioButton>("toUtf8Bom").click();
    Find<QPushButton>("convert").click();
    EXPECT_EQ(Get("bad.txt"), QByteArray("\xD6\xD0\x80\x30"));
    EXPECT_EQ(Get("good.txt"), "\xEF\xBB\xBF" + kChineseUtf8);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text,
              "编码转换完成：转换 1 个文件，0 个文件已是目标编码。\n以下文件未能转换：\n"
              "含无法无损转换的字节：" + Path("bad.txt").toStdString());
}

TEST_F(ConversionPageTest, AnEmptyListIsToldAndNothingRuns) {
    Trigger("batch.encoding");
    Find<QPushButton>("convert").click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(prompts.messages[0].text, "未添加需要转换编码的文件！");
}

}  // namespace
}  // namespace scribbet
