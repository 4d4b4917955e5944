#pragma once
// The numbered-lines window, which also inserts a text before or after every
// paragraph. Its face (title, line count, button caption) is that of the tool
// mode when it is created; its button runs the operation of the tool mode at
// the moment of the press, so a menu command chosen while it is open changes
// what the button does but not what the window shows. It stays open after
// each run.
#include <QDialog>

#include "core/document.h"
#include "core/tool_windows.h"
#include "platform/prompts.h"
#include "reshape/sequence.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace scribbet {

class SequenceDialog final : public QDialog {
    Q_OBJECT

public:
    // `tools` holds the tool mode and must outlive the window.
    SequenceDialog(Document& document, Prompts& prompts, const ToolWindows& tools,
                   QWidget* parent);

private:
    [[nodiscard]] Affix ReadAffix() const;
    // Runs the operation of the tool mode now; a mode it does not know does nothing.
    void Run();

    Document& m_document;
    Prompts& m_prompts;
    const ToolWindows& m_tools;
    QLineEdit* m_leftText = nullptr;
    QCheckBox* m_numbered = nullptr;
    QLineEdit* m_startNumber = nullptr;
    QLineEdit* m_rightText = nullptr;
    QLabel* m_lineCountLabel = nullptr;
    QLineEdit* m_lineCount = nullptr;
    QPushButton* m_action = nullptr;
};

}  // namespace scribbet
