#include "platform/qt_prompts.h"

#include <QFileDialog>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "platform/font_dialog.h"

namespace scribbet {
namespace {

// The chooser's filter list: description and pattern pairs separated by "|".
constexpr char kFileFilters[] =
    "文本文件(*.txt)|*.txt|配置文件(*.ini)|*.ini|BAT文件(*.bat)|*.bat|VBS文件(*.vbs)|*.vbs|"
    "网页(*.htm)|*.htm|网页(*.html)|*.html|所有文件(*.*)|*.*";
constexpr char kDefaultSuffix[] = "txt";
constexpr char kCreatePrompt[] = "%1\n该文件不存在。\n要创建该文件吗？";

// Qt's name filters: each description already names its pattern, which is
// how Qt reads a filter ("文本文件(*.txt)").
QStringList NameFilters(const char* pairs = kFileFilters) {
    const QStringList parts = QString::fromUtf8(pairs).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
    return filters;
}

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
        case MessageKind::Warning:
            return QMessageBox::Critical;
        case MessageKind::Question:
            return QMessageBox::Question;
        case MessageKind::Notice:
            break;
    }
    return QMessageBox::NoIcon;
}

const char* TitleOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
            return "错误";
        case MessageKind::Question:
            return "询问";
        case MessageKind::Warning:
            return "警告！";
        case MessageKind::Notice:
            break;
    }
    return "信息：";
}

}  // namespace

Answer QtPrompts::ShowMessage(MessageKind kind, const std::string& text) {
    // No owner: the box is application modal and blocks every window.
    QMessageBox box(IconOf(kind), QString::fromUtf8(TitleOf(kind)), QString::fromStdString(text));
    box.setWindowModality(Qt::ApplicationModal);
    if (kind == MessageKind::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return kind == MessageKind::Question ? Answer::Cancel : Answer::Ok;
    }
}

std::optional<std::string> QtPrompts::ChooseFile(ChooserKind kind, const std::string& title) {
    QFileDialog dialog(nullptr, QString::fromStdString(title));
    dialog.setWindowModality(Qt::ApplicationModal);
    const QStringList filters = NameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    dialog.setDefaultSuffix(QString::fromLatin1(kDefaultSuffix));
    if (kind == ChooserKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);  // the chooser confirms an overwrite itself
    }
    if (!m_lastPath.isEmpty()) dialog.selectFile(m_lastPath);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString chosen = dialog.selectedFiles().front();
        if (kind == ChooserKind::Save && !QFileInfo::exists(chosen)) {
            const auto create = QMessageBox::question(
                &dialog, dialog.windowTitle(), QString::fromUtf8(kCreatePrompt).arg(chosen));
            if (create != QMessageBox::Yes) continue;
        }
        m_lastPath = chosen;
        return chosen.toStdString();
    }
}

std::optional<FontChoice> QtPrompts::ChooseFont(const std::optional<FontChoice>& preset) {
    return RunFontDialog(nullptr, preset);
}

}  // namespace scribbet

namespace scribbet {

std::vector<std::string> QtPrompts::ChooseFiles(const std::string& title,
                                                const std::string& filter) {
    QFileDialog dialog(nullptr, QString::fromStdString(title));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const QStringList filters = NameFilters(filter.c_str());
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    std::vector<std::string> paths;
    if (dialog.exec() != QDialog::Accepted) return paths;
    for (const QString& chosen : dialog.selectedFiles()) {
        paths.push_back(QDir::toNativeSeparators(chosen).toStdString());
    }
    return paths;
}

std::optional<std::string> QtPrompts::ChooseFolder(const std::string& title) {
    // Qt's own dialog: it has the box for typing a path on every platform.
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}

}  // namespace scribbet
