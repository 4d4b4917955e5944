#pragma once
// The window that changes runs of a number of consecutive line breaks into
// another number. It stays open after each change.
#include <QDialog>

#include "core/document.h"
#include "platform/prompts.h"

class QLineEdit;
class QPushButton;

namespace scribbet {

class LineBreakCountDialog final : public QDialog {
    Q_OBJECT

public:
    LineBreakCountDialog(Document& document, Prompts& prompts, QWidget* parent);

private:
    void ChangeCount();

    Document& m_document;
    Prompts& m_prompts;
    QLineEdit* m_replacedCount = nullptr;
    QLineEdit* m_insertedCount = nullptr;
    QPushButton* m_confirm = nullptr;
};

}  // namespace scribbet
