#include "batch/batch_files_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "batch/encoding_convert.h"
#include "batch/header_footer.h"
#include "batch/merge_split.h"
#include "core/code_page.h"
#include "core/tool_windows.h"

namespace scribbet {
namespace {

constexpr char kTitle[] = "文件批量操作";
constexpr char kMergeSplitPage[] = "文件合并/拆分";
constexpr char kHeaderFooterPage[] = "增/删_文件头/尾";
constexpr char kConversionPage[] = "编码转换";

constexpr char kFileList[] = "文件列表";
constexpr char kAddFiles[] = "添加";
constexpr char kDeleteFile[] = "删除";
constexpr char kClearFiles[] = "清空";
constexpr char kAddFilesTitle[] = "请选择要添加的文件：";
constexpr char kAddFilesFilter[] =
    "文本文件(*.txt)|*.txt|配置文件(*.ini)|*.ini|BAT文件(*.bat)|*.bat|VBS文件(*.vbs)|*.vbs|"
    "网页(*.htm)|*.htm|网页(*.html)|*.html|所有文件(*.*)|*.*";

constexpr char kSeparatorGroup[] = "合并/拆分符号";
constexpr char kLineBreak[] = "换行符";
constexpr char kCustom[] = "自定义：";
constexpr char kChooseFolder[] = "选择保存目录";
constexpr char kChooseFolderTitle[] = "请选择保存目录：";
constexpr char kMerge[] = "合并";
constexpr char kSplit[] = "拆分";
constexpr char kNoMergeSplitFiles[] = "未选择要拆分/合并的文件！";
constexpr char kNoFolder[] = "未选择拆分/合并后保存的目录！";
constexpr char kMerged[] = "文件合并成功！";
constexpr char kMergeFailed[] = "文件合并失败！";
constexpr char kMergedWithSkips[] = "文件已合并，但以下文件未能合并：";
constexpr char kSplitDone[] = "文件拆分完成！";
constexpr char kSplitFailed[] = "文件拆分失败！";

constexpr char kModeGroup[] = "增加/删除";
constexpr char kAddMode[] = "增加";
constexpr char kRemoveMode[] = "删除";
constexpr char kPositionGroup[] = "文件头/尾";
constexpr char kHeader[] = "文件头";
constexpr char kFooter[] = "文件尾";
constexpr char kKey[] = "关键字：";
constexpr char kBackup[] = "将原文件备份到*.bak";
constexpr char kRun[] = "执行";
constexpr char kNoHeaderFooterFiles[] = "未添加需要 增删文件头尾的文件！";
constexpr char kNoPosition[] = "需要增删 文件头，还是尾？";
constexpr char kNoKey[] = "未填写需要增删的文本！";
constexpr char kHeaderFooterFailed[] = "以下文件未能修改：";

constexpr char kTargetGroup[] = "目标编码";
constexpr char kToAnsi[] = "ANSI (GBK)";
constexpr char kToUtf8[] = "UTF-8";
constexpr char kToUtf8Bom[] = "UTF-8 (带BOM)";
constexpr char kConvert[] = "转换";
constexpr char kNoConversionFiles[] = "未添加需要转换编码的文件！";
constexpr char kConversionFailed[] = "以下文件未能转换：";

// "编码转换完成：转换 2 个文件，1 个文件已是目标编码。"
std::string ConversionSummary(const ConversionOutcome& outcome) {
    return "编码转换完成：转换 " + std::to_string(outcome.converted.size()) + " 个文件，" +
           std::to_string(outcome.unchanged.size()) + " 个文件已是目标编码。";
}

constexpr char kUnreadable[] = "无法读取";
constexpr char kUnwritable[] = "无法写入";
constexpr char kBackupFailed[] = "无法备份";
constexpr char kNotLossless[] = "含无法无损转换的字节";

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

const char* FaultText(FileFault fault) {
    switch (fault) {
        case FileFault::Unreadable:
            return kUnreadable;
        case FileFault::Unwritable:
            return kUnwritable;
        case FileFault::NotLossless:
            return kNotLossless;
        case FileFault::BackupFailed:
            break;
    }
    return kBackupFailed;
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Text(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

BatchFilesWindow::BatchFilesWindow(Files& files, Prompts& prompts, const Clock& clock,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_files(files), m_prompts(prompts), m_clock(clock) {
    setWindowTitle(Text(kTitle));
    // Its close box only hides it; the program ends with the main window.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_QuitOnClose, false);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->addTab(MakeMergeSplitPage(), Text(kMergeSplitPage));
    m_pages->addTab(MakeHeaderFooterPage(), Text(kHeaderFooterPage));
    m_pages->addTab(MakeConversionPage(), Text(kConversionPage));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
}

void BatchFilesWindow::ShowPage(BatchPage page) {
    m_pages->setCurrentIndex(static_cast<int>(page));
    ToolWindows::BringToFront(*this);
}

QWidget* BatchFilesWindow::MakeFileList(const QString& name, QListWidget*& list) {
    auto* group = new QGroupBox(Text(kFileList));
    list = new QListWidget(group);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumWidth(320);

    const std::string prefix = name.toStdString();
    auto* add = Button(kAddFiles, (prefix + "Add").c_str(), group);
    auto* remove = Button(kDeleteFile, (prefix + "Delete").c_str(), group);
    auto* clear = Button(kClearFiles, (prefix + "Clear").c_str(), group);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(clear);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);

    QListWidget* target = list;
    connect(add, &QPushButton::clicked, this, [this, target] { AddFilesToList(*target); });
    connect(remove, &QPushButton::clicked, this, [target] {
        const QList<QListWidgetItem*> selected = target->selectedItems();
        if (!selected.isEmpty()) delete selected.front();
    });
    connect(clear, &QPushButton::clicked, this, [target] { target->clear(); });
    return group;
}

QWidget* BatchFilesWindow::MakeMergeSplitPage() {
    auto* page = new QWidget;
    QWidget* files = MakeFileList(QStringLiteral("mergeSplitList"), m_mergeSplitList);

    auto* separatorGroup = new QGroupBox(Text(kSeparatorGroup), page);
    m_lineBreak = new QRadioButton(Text(kLineBreak), separatorGroup);
    m_lineBreak->setObjectName(QStringLiteral("lineBreak"));
    m_lineBreak->setChecked(true);
    m_custom = new QRadioButton(Text(kCustom), separatorGroup);
    m_custom->setObjectName(QStringLiteral("custom"));
    m_customSeparator = new QLineEdit(separatorGroup);
    m_customSeparator->setObjectName(QStringLiteral("customSeparator"));
    auto* separatorLayout = new QGridLayout(separatorGroup);
    separatorLayout->addWidget(m_lineBreak, 0, 0, 1, 2);
    separatorLayout->addWidget(m_custom, 1, 0);
    separatorLayout->addWidget(m_customSeparator, 1, 1);

    m_outputFolder = new QLineEdit(page);
    m_outputFolder->setObjectName(QStringLiteral("outputFolder"));
    m_outputFolder->setReadOnly(true);
    auto* chooseFolder = Button(kChooseFolder, "chooseFolder", page);
    auto* merge = Button(kMerge, "merge", page);
    auto* split = Button(kSplit, "split", page);

    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(merge);
    actions->addWidget(split);

    auto* options = new QVBoxLayout;
    options->addWidget(separatorGroup);
    options->addWidget(m_outputFolder);
    options->addWidget(chooseFolder);
    options->addStretch();
    options->addLayout(actions);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(files, 1);
    layout->addLayout(options);

    connect(chooseFolder, &QPushButton::clicked, this, [this] { ChooseOutputFolder(); });
    connect(merge, &QPushButton::clicked, this, [this] { StartMerge(); });
    connect(split, &QPushButton::clicked, this, [this] { StartSplit(); });
    return page;
}

QWidget* BatchFilesWindow::MakeHeaderFooterPage() {
    auto* page = new QWidget;
    QWidget* files = MakeFileList(QStringLiteral("headerFooterList"), m_headerFooterList);

    auto* modeGroup = new QGroupBox(Text(kModeGroup), page);
    m_addMode = new QRadioButton(Text(kAddMode), modeGroup);
    m_addMode->setObjectName(QStringLiteral("addMode"));
    m_addMode->setChecked(true);
    m_removeMode = new QRadioButton(Text(kRemoveMode), modeGroup);
    m_removeMode->setObjectName(QStringLiteral("removeMode"));
    auto* modeLayout = new QHBoxLayout(modeGroup);
    modeLayout->addWidget(m_addMode);
    modeLayout->addWidget(m_removeMode);

    auto* positionGroup = new QGroupBox(Text(kPositionGroup), page);
    m_header = new QCheckBox(Text(kHeader), positionGroup);
    m_header->setObjectName(QStringLiteral("header"));
    m_footer = new QCheckBox(Text(kFooter), positionGroup);
    m_footer->setObjectName(QStringLiteral("footer"));
    auto* positionLayout = new QHBoxLayout(positionGroup);
    positionLayout->addWidget(m_header);
    positionLayout->addWidget(m_footer);

    auto* keyLabel = new QLabel(Text(kKey), page);
    m_key = new QLineEdit(page);
    m_key->setObjectName(QStringLiteral("key"));
    keyLabel->setBuddy(m_key);
    auto* keyLayout = new QHBoxLayout;
    keyLayout->addWidget(keyLabel);
    keyLayout->addWidget(m_key);

    m_backup = new QCheckBox(Text(kBackup), page);
    m_backup->setObjectName(QStringLiteral("backup"));
    auto* run = Button(kRun, "run", page);
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(run);

    auto* options = new QVBoxLayout;
    options->addWidget(modeGroup);
    options->addWidget(positionGroup);
    options->addLayout(keyLayout);
    options->addWidget(m_backup);
    options->addStretch();
    options->addLayout(actions);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(files, 1);
    layout->addLayout(options);

    connect(run, &QPushButton::clicked, this, [this] { StartHeaderFooter(); });
    return page;
}

QWidget* BatchFilesWindow::MakeConversionPage() {
    auto* page = new QWidget;
    QWidget* files = MakeFileList(QStringLiteral("conversionList"), m_conversionList);

    auto* targetGroup = new QGroupBox(Text(kTargetGroup), page);
    m_toAnsi = new QRadioButton(Text(kToAnsi), targetGroup);
    m_toAnsi->setObjectName(QStringLiteral("toAnsi"));
    m_toAnsi->setChecked(true);
    m_toUtf8 = new QRadioButton(Text(kToUtf8), targetGroup);
    m_toUtf8->setObjectName(QStringLiteral("toUtf8"));
    m_toUtf8Bom = new QRadioButton(Text(kToUtf8Bom), targetGroup);
    m_toUtf8Bom->setObjectName(QStringLiteral("toUtf8Bom"));
    auto* targetLayout = new QVBoxLayout(targetGroup);
    targetLayout->addWidget(m_toAnsi);
    targetLayout->addWidget(m_toUtf8);
    targetLayout->addWidget(m_toUtf8Bom);

    m_conversionBackup = new QCheckBox(Text(kBackup), page);
    m_conversionBackup->setObjectName(QStringLiteral("conversionBackup"));
    auto* convert = Button(kConvert, "convert", page);
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(convert);

    auto* options = new QVBoxLayout;
    options->addWidget(targetGroup);
    options->addWidget(m_conversionBackup);
    options->addStretch();
    options->addLayout(actions);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(files, 1);
    layout->addLayout(options);

    connect(convert, &QPushButton::clicked, this, [this] { StartConversion(); });
    return page;
}

void BatchFilesWindow::AddFilesToList(QListWidget& list) {
    for (const std::string& path : m_prompts.ChooseFiles(kAddFilesTitle, kAddFilesFilter)) {
        list.addItem(QString::fromStdString(path));
    }
}

void BatchFilesWindow::ChooseOutputFolder() {
    // A cancelled browser keeps the folder chosen before.
    const std::optional<std::string> folder = m_prompts.ChooseFolder(kChooseFolderTitle);
    if (!folder) return;
    std::string prefix = *folder;
    if (prefix.empty() || prefix.back() != kPathSeparator) prefix += kPathSeparator;
    m_outputFolder->setText(QString::fromStdString(prefix));
}

std::vector<std::string> BatchFilesWindow::Paths(const QListWidget& list) {
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) paths.push_back(list.item(i)->text().toStdString());
    return paths;
}

bool BatchFilesWindow::MergeSplitReady(const std::vector<std::string>& sources) {
    switch (CheckMergeSplit(sources, m_outputFolder->text().toStdString())) {
        case MergeSplitCheck::NoFiles:
            m_prompts.ShowMessage(MessageKind::Notice, kNoMergeSplitFiles);
            return false;
        case MergeSplitCheck::NoFolder:
            m_prompts.ShowMessage(MessageKind::Notice, kNoFolder);
            return false;
        case MergeSplitCheck::Ready:
            break;
    }
    return true;
}

std::string BatchFilesWindow::Separator() const {
    if (m_lineBreak->isChecked()) return std::string(kBatchLineBreak);
    return TextToBytes(EncodeAnsi(m_customSeparator->text().toUtf8().toStdString()));
}

void BatchFilesWindow::ShowFailures(const std::string& headline, const std::vector<FileFailure>& failed) {
    std::string text = headline;
    for (const FileFailure& failure : failed) {
        text.append("\n").append(FaultText(failure.fault)).append("：").append(failure.path);
    }
    m_prompts.ShowMessage(MessageKind::Error, text);
}

void BatchFilesWindow::StartMerge() {
    const std::string separator = Separator();
    const std::vector<std::string> sources = Paths(*m_mergeSplitList);
    if (!MergeSplitReady(sources)) return;
    const BatchOutcome outcome = MergeFiles(m_files, sources, separator,
                                            m_outputFolder->text().toStdString(),
                                            CurrentDateTime(m_clock));
    if (outcome.written.empty()) {
        ShowFailures(kMergeFailed, outcome.failed);
    } else if (!outcome.failed.empty()) {
        ShowFailures(kMergedWithSkips, outcome.failed);
    } else {
        m_prompts.ShowMessage(MessageKind::Notice, kMerged);
    }
}

void BatchFilesWindow::StartSplit() {
    const std::string separator = Separator();
    const std::vector<std::string> sources = Paths(*m_mergeSplitList);
    if (!MergeSplitReady(sources)) return;
    const BatchOutcome outcome =
        SplitFiles(m_files, sources, separator, m_outputFolder->text().toStdString());
    if (!outcome.failed.empty()) {
        ShowFailures(kSplitFailed, outcome.failed);
    } else {
        m_prompts.ShowMessage(MessageKind::Notice, kSplitDone);
    }
}

void BatchFilesWindow::StartHeaderFooter() {
    const std::vector<std::string> paths = Paths(*m_headerFooterList);
    const ByteBuffer key = TextToBytes(EncodeAnsi(m_key->text().toUtf8().toStdString()));
    HeaderFooterChoice choice;
    choice.mode = m_addMode->isChecked() ? HeaderFooterMode::Add : HeaderFooterMode::Remove;
    choice.header = m_header->isChecked();
    choice.footer = m_footer->isChecked();
    choice.backup = m_backup->isChecked();
    switch (CheckHeaderFooter(paths, key, choice)) {
        case HeaderFooterCheck::NoFiles:
            m_prompts.ShowMessage(MessageKind::Notice, kNoHeaderFooterFiles);
            return;
        case HeaderFooterCheck::NoPosition:
            m_prompts.ShowMessage(MessageKind::Notice, kNoPosition);
            return;
        case HeaderFooterCheck::NoKey:
            m_prompts.ShowMessage(MessageKind::Notice, kNoKey);
            return;
        case HeaderFooterCheck::Ready:
            break;
    }
    const BatchOutcome outcome = ChangeHeaderFooter(m_files, paths, key, choice);
    // A run that went well says nothing.
    if (!outcome.failed.empty()) ShowFailures(kHeaderFooterFailed, outcome.failed);
}

void BatchFilesWindow::StartConversion() {
    const std::vector<std::string> paths = Paths(*m_conversionList);
    if (paths.empty()) {
        m_prompts.ShowMessage(MessageKind::Notice, kNoConversionFiles);
        return;
    }
    const EncodingTarget target = m_toAnsi->isChecked()   ? EncodingTarget::Ansi
                                  : m_toUtf8->isChecked() ? EncodingTarget::Utf8
                                                          : EncodingTarget::Utf8Bom;
    const ConversionOutcome outcome =
        ConvertFiles(m_files, paths, target, m_conversionBackup->isChecked());
    if (outcome.failed.empty()) {
        m_prompts.ShowMessage(MessageKind::Notice, ConversionSummary(outcome));
    } else {
        ShowFailures(ConversionSummary(outcome) + "\n" + kConversionFailed, outcome.failed);
    }
}

}  // namespace scribbet
