#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "batch/batch_files_window.h"
#include "gui/editor_fixture.h"

namespace scribbet {
namespace {

const char kTitle[] = "文件批量操作";
const char kAddFilesTitle[] = "请选择要添加的文件：";
const char kAddFilesFilter[] =
    "文本文件(*.txt)|*.txt|配置文件(*.ini)|*.ini|BAT文件(*.bat)|*.bat|VBS文件(*.vbs)|*.vbs|"
    "网页(*.htm)|*.htm|网页(*.html)|*.html|所有文件(*.*)|*.*";
const char kChooseFolderTitle[] = "请选择保存目录：";
const char kNoMergeSplitFiles[] = "未选择要拆分/合并的文件！";
const char kNoFolder[] = "未选择拆分/合并后保存的目录！";
const char kMerged[] = "文件合并成功！";
const char kMergeFailed[] = "文件合并失败！";
const char kMergedWithSkips[] = "文件已合并，但以下文件未能合并：";
const char kSplitDone[] = "文件拆分完成！";
const char kSplitFailed[] = "文件拆分失败！";
const char kNoHeaderFooterFiles[] = "未添加需要 增删文件头尾的文件！";
const char kNoPosition[] = "需要增删 文件头，还是尾？";
const char kNoKey[] = "未填写需要增删的文本！";
const char kHeaderFooterFailed[] = "以下文件未能修改：";
const char kUnreadable[] = "无法读取";

const QString kSep(QChar::fromLatin1(kPathSeparator));

class BatchToolsTest : public EditorFixture {
protected:
    BatchFilesWindow& batch() { return OpenWindow<BatchFilesWindow>(); }
    template <typename W>
    W& Find(const char* name) { return ChildNamed<W>(batch(), name); }
    void Click(const char* name) { Find<QPushButton>(name).click(); }
    QStringList Items(const char* list) {
        QStringList items;
        auto& widget = Find<QListWidget>(list);
        for (int i = 0; i < widget.count(); ++i) items << widget.item(i)->text();
        return items;
    }
    // Adds the paths to a list through its add button and the chooser.
    void AddFiles(const char* list, const std::vector<QString>& paths) {
        std::vector<std::string> selection;
        for (const QString& path : paths) selection.push_back(path.toStdString());
        prompts.fileSelections.push_back(selection);
        Click((std::string(list) + "Add").c_str());
    }
    void ChooseFolder(const QString& folder) {
        prompts.folders.push_back(folder.toStdString());
        Click("chooseFolder");
    }
    std::string LastMessage() const {
        return prompts.messages.empty() ? std::string("<none>") : prompts.messages.back().text;
    }
    MessageKind LastKind() const { return prompts.messages.back().kind; }
};

TEST_F(BatchToolsTest, CreatedHiddenOnceWithTheMainWindow) {
    EXPECT_EQ(CountOpen<BatchFilesWindow>(), 1);
    EXPECT_FALSE(batch().isVisible());
    EXPECT_EQ(batch().windowTitle(), QString::fromUtf8(kTitle));
    EXPECT_EQ(batch().parentWidget(), nullptr);
    Restart();  // the old main window takes its batch window along
    EXPECT_EQ(CountOpen<BatchFilesWindow>(), 1);
}

struct PageCase {
    const char* command;
    int page;
    const char* caption;
};

class BatchPagesTest : public BatchToolsTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(BatchPagesTest, MenuShowsTheWindowOnItsPage) {
    // Start from another page, so the command has to select its own.
    Find<QTabWidget>("pages").setCurrentIndex((GetParam().page + 1) % 3);
    Trigger(GetParam().command);
    EXPECT_TRUE(batch().isVisible());
    auto& pages = Find<QTabWidget>("pages");
    EXPECT_EQ(pages.currentIndex(), GetParam().page);
    EXPECT_EQ(pages.tabText(GetParam().page), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(CountOpen<BatchFilesWindow>(), 1);
}

const PageCase kPages[] = {
    {"batch.mergeSplit", 0, "文件合并/拆分"},
    {"batch.headerFooter", 1, "增/删_文件头/尾"},
    {"batch.encoding", 2, "编码转换"},
};
INSTANTIATE_TEST_SUITE_P(Menu, BatchPagesTest, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::to_string(info.param.page + 1); });

TEST_F(BatchToolsTest, ClosingOnlyHidesAndKeepsTheLists) {
    Trigger("batch.mergeSplit");
    AddFiles("mergeSplitList", {"/m.txt"});
    AddFiles("conversionList", {"/c1.txt", "/c2.txt"});
    ChooseFolder("/out");
    BatchFilesWindow* before = &batch();
    EXPECT_TRUE(before->close());
    QCoreApplication::processEvents();
    EXPECT_FALSE(before->isVisible());
    Trigger("batch.encoding");
    EXPECT_EQ(&batch(), before);
    EXPECT_TRUE(batch().isVisible());
    EXPECT_EQ(Find<QTabWidget>("pages").currentIndex(), 2);
    EXPECT_EQ(Items("conversionList"), (QStringList{"/c1.txt", "/c2.txt"}));
    EXPECT_EQ(Items("mergeSplitList"), QStringList{"/m.txt"});
    EXPECT_EQ(Find<QLineEdit>("outputFolder").text(), "/out" + kSep);
}

TEST_F(BatchToolsTest, ListButtonsAddDeleteAndClear) {
    Trigger("batch.headerFooter");
    AddFiles("headerFooterList", {"/a.txt", "/b.txt"});
    ASSERT_EQ(prompts.filesChoosers.size(), 1u);
    EXPECT_EQ(prompts.filesChoosers[0].title, kAddFilesTitle);
    EXPECT_EQ(prompts.filesChoosers[0].filter, kAddFilesFilter);
    AddFiles("headerFooterList", {"/a.txt"});  // the same file again is listed again
    Click("headerFooterListAdd");              // cancelled: nothing added
    EXPECT_EQ(Items("headerFooterList"), (QStringList{"/a.txt", "/b.txt", "/a.txt"}));

    auto& list = Find<QListWidget>("headerFooterList");
    list.clearSelection();
    Click("headerFooterListDelete");  // nothing selected: nothing happens
    EXPECT_EQ(list.count(), 3);
    list.item(1)->setSelected(true);
    Click("headerFooterListDelete");
    EXPECT_EQ(Items("headerFooterList"), (QStringList{"/a.txt", "/a.txt"}));
    EXPECT_TRUE(Items("mergeSplitList").isEmpty());  // each page has its own list
    Click("headerFooterListClear");
    EXPECT_TRUE(Items("headerFooterList").isEmpty());
}

TEST_F(BatchToolsTest, FolderChooserAppendsTheSeparatorAndCancelKeepsTheFolder) {
    Trigger("batch.mergeSplit");
    auto& folder = Find<QLineEdit>("outputFolder");
    EXPECT_TRUE(folder.isReadOnly());
    EXPECT_TRUE(folder.text().isEmpty());
    ChooseFolder(dir.path());
    EXPECT_EQ(prompts.folderChoosers, std::vector<std::string>{kChooseFolderTitle});
    EXPECT_EQ(folder.text(), dir.path() + kSep);
    Click("chooseFolder");  // cancelled
    EXPECT_EQ(folder.text(), dir.path() + kSep);
    ChooseFolder(kSep);  // the root has its separator already
    EXPECT_EQ(folder.text(), kSep);
}

TEST_F(BatchToolsTest, MergeAndSplitCheckTheListThenTheFolder) {
    Trigger("batch.mergeSplit");
    for (const char* button : {"merge", "split"}) {
        prompts.messages.clear();
        Click(button);
        EXPECT_EQ(LastMessage(), kNoMergeSplitFiles) << button;
    }
    Put("a.txt", "A");
    AddFiles("mergeSplitList", {Path("a.txt")});
    for (const char* button : {"merge", "split"}) {
        prompts.messages.clear();
        Click(button);
        EXPECT_EQ(LastMessage(), kNoFolder) << button;
        EXPECT_EQ(LastKind(), MessageKind::Notice);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.txt"});
}

TEST_F(BatchToolsTest, HeaderFooterChecksInOrder) {
    Trigger("batch.headerFooter");
    Click("run");
    EXPECT_EQ(LastMessage(), kNoHeaderFooterFiles);
    Put("a.txt", "abc");
    AddFiles("headerFooterList", {Path("a.txt")});
    Click("run");
    EXPECT_EQ(LastMessage(), kNoPosition);
    Find<QCheckBox>("footer").setChecked(true);
    Click("run");
    EXPECT_EQ(LastMessage(), kNoKey);
    EXPECT_EQ(LastKind(), MessageKind::Notice);
    EXPECT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(Get("a.txt"), "abc");
}

TEST_F(BatchToolsTest, MergeNamesTheFileFromTheClock) {
    Trigger("batch.mergeSplit");
    Put("a.txt", "A");
    Put("b.txt", "B");
    AddFiles("mergeSplitList", {Path("a.txt"), Path("b.txt")});
    ChooseFolder(dir.path());
    Click("merge");
    EXPECT_EQ(LastMessage(), kMerged);
    EXPECT_EQ(LastKind(), MessageKind::Notice);
    // 2017-10-16 13:04:35 from the fixed clock.
    EXPECT_EQ(Get("2017101613435_合并.txt"), "A\r\nB");

    Find<QRadioButton>("custom").setChecked(true);
    Find<QLineEdit>("customSeparator").setText(QString::fromUtf8("中"));
    Click("merge");
    EXPECT_EQ(Get("2017101613435_2_合并.txt"), "A\xD6\xD0" "B");
}

TEST_F(BatchToolsTest, MergeNamesTheFilesItSkippedAsAnError) {
    Trigger("batch.mergeSplit");
    Put("a.txt", "A");
    AddFiles("mergeSplitList", {Path("a.txt"), Path("gone.txt")});
    ChooseFolder(dir.path());
    Click("merge");
    EXPECT_EQ(LastKind(), MessageKind::Error);
    EXPECT_EQ(LastMessage(), std::string(kMergedWithSkips) + "\n" + kUnreadable + "：" +
                                 Path("gone.txt").toStdString());
    EXPECT_EQ(Get("2017101613435_合并.txt"), "A");

    ChooseFolder(Path("no-such-folder"));
    Click("merge");
    EXPECT_EQ(LastKind(), MessageKind::Error);
    EXPECT_EQ(LastMessage().rfind(kMergeFailed, 0), 0u) << LastMessage();
}

TEST_F(BatchToolsTest, SplitReportsCompletionOnlyWhenAllWent) {
    Trigger("batch.mergeSplit");
    ASSERT_TRUE(QDir(dir.path()).mkdir("in"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    Put("in/x.txt", "1\r\n2\r\n");
    AddFiles("mergeSplitList", {Path("in/x.txt")});
    ChooseFolder(Path("out"));
    Click("split");
    EXPECT_EQ(LastMessage(), kSplitDone);
    EXPECT_EQ(Get("out/x_1.txt"), "1");
    EXPECT_EQ(Get("out/x_2.txt"), "2");

    AddFiles("mergeSplitList", {Path("in/gone.txt")});
    Click("split");
    EXPECT_EQ(LastKind(), MessageKind::Error);
    EXPECT_EQ(LastMessage(), std::string(kSplitFailed) + "\n" + kUnreadable + "：" +
                                 Path("in/gone.txt").toStdString());
}

TEST_F(BatchToolsTest, HeaderFooterRunsSilentlyAndNamesWhatItLeftAlone) {
    Trigger("batch.headerFooter");
    Put("a.txt", "abc");
    AddFiles("headerFooterList", {Path("a.txt")});
    Find<QCheckBox>("header").setChecked(true);
    Find<QCheckBox>("backup").setChecked(true);
    Find<QLineEdit>("key").setText(QString::fromUtf8("文"));
    Click("run");
    EXPECT_TRUE(prompts.messages.empty()) << LastMessage();
    EXPECT_EQ(Get("a.txt"), "\xCE\xC4" "abc");
    EXPECT_EQ(Get("a.txt.bak"), "abc");

    Find<QRadioButton>("removeMode").setChecked(true);
    AddFiles("headerFooterList", {Path("gone.txt")});
    Click("run");
    EXPECT_EQ(Get("a.txt"), "abc");
    EXPECT_EQ(LastKind(), MessageKind::Error);
    EXPECT_EQ(LastMessage(), std::string(kHeaderFooterFailed) + "\n" + kUnreadable + "：" +
                                 Path("gone.txt").toStdString());
    EXPECT_FALSE(QFileInfo::exists(Path("gone.txt")));
}

}  // namespace
}  // namespace scribbet
