#pragma once
// The one window of the batch file tools: three pages, each with its own
// file list. It is created hidden once, shown by the menu on a page, and
// only hidden by its close box, so its lists and fields last the whole run.
#include <string>
#include <vector>

#include <QWidget>

#include "batch/batch_outcome.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/prompts.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace scribbet {

enum class BatchPage {
    MergeSplit,    // merge and split
    HeaderFooter,  // add or remove a header or footer
    Conversion,    // convert between GBK and UTF-8
};

class BatchFilesWindow final : public QWidget {
    Q_OBJECT

public:
    // The services must outlive the window.
    BatchFilesWindow(Files& files, Prompts& prompts, const Clock& clock,
                     QWidget* parent = nullptr);

    // Shows the window, in front, on the page; changes no list or field.
    void ShowPage(BatchPage page);

private:
    // A list framed by its group, with its add, delete and clear buttons.
    QWidget* MakeFileList(const QString& name, QListWidget*& list);
    QWidget* MakeMergeSplitPage();
    QWidget* MakeHeaderFooterPage();
    QWidget* MakeConversionPage();

    void AddFilesToList(QListWidget& list);
    void ChooseOutputFolder();
    void StartMerge();
    void StartSplit();
    void StartHeaderFooter();
    void StartConversion();

    [[nodiscard]] static std::vector<std::string> Paths(const QListWidget& list);
    // False, after saying why, when the merge/split fields are incomplete.
    [[nodiscard]] bool MergeSplitReady(const std::vector<std::string>& sources);
    [[nodiscard]] std::string Separator() const;
    void ShowFailures(const std::string& headline, const std::vector<FileFailure>& failed);

    Files& m_files;
    Prompts& m_prompts;
    const Clock& m_clock;
    QTabWidget* m_pages = nullptr;
    QListWidget* m_mergeSplitList = nullptr;
    QListWidget* m_headerFooterList = nullptr;
    QListWidget* m_conversionList = nullptr;
    QRadioButton* m_lineBreak = nullptr;
    QRadioButton* m_custom = nullptr;
    QLineEdit* m_customSeparator = nullptr;
    QLineEdit* m_outputFolder = nullptr;
    QRadioButton* m_addMode = nullptr;
    QRadioButton* m_removeMode = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_footer = nullptr;
    QLineEdit* m_key = nullptr;
    QCheckBox* m_backup = nullptr;
    QRadioButton* m_toAnsi = nullptr;
    QRadioButton* m_toUtf8 = nullptr;
    QRadioButton* m_toUtf8Bom = nullptr;
    QCheckBox* m_conversionBackup = nullptr;
};

}  // namespace scribbet
