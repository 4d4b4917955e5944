#pragma once
// One window for two commands: regular-expression replace and extract, and
// deleting or extracting a byte range. The ToolMode when the window is
// created gives its title and captions; the ToolMode at each press decides
// what its button does, so a command chosen while the window is open
// changes only the operation.
#include <functional>

#include <QDialog>

#include "core/document.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scribbet {

// The ToolMode values this window gives meaning to; any other does nothing.
inline constexpr int kRegexToolMode = 1;
inline constexpr int kByteRangeToolMode = 2;

class RegexDialog final : public QDialog {
    Q_OBJECT

public:
    // toolMode reads the process-wide ToolMode.
    RegexDialog(Document& document, std::function<int()> toolMode, QWidget* parent = nullptr);

private:
    // A radio button was clicked: the action button takes its operation's
    // name, and in regex mode extraction has no use for the replacement.
    void ChooseOperation(bool first);
    void StartOperation();
    void RunRegex();
    void RunRange();

    Document& m_document;
    std::function<int()> m_toolMode;
    QRadioButton* m_firstOperation = nullptr;
    QRadioButton* m_secondOperation = nullptr;
    QLabel* m_firstLabel = nullptr;
    QLineEdit* m_firstField = nullptr;
    QLabel* m_secondLabel = nullptr;
    QLineEdit* m_secondField = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_action = nullptr;
};

}  // namespace scribbet
