#pragma once
// The window that deletes the paragraphs whose numbers the user lists, or
// keeps only those. It stays open after each run.
#include <QDialog>

#include "core/document.h"

class QLineEdit;
class QRadioButton;

namespace scribbet {

class ParagraphSelectDialog final : public QDialog {
    Q_OBJECT

public:
    ParagraphSelectDialog(Document& document, QWidget* parent);

private:
    void Run();

    Document& m_document;
    QLineEdit* m_numbers = nullptr;
    QRadioButton* m_delete = nullptr;
    QRadioButton* m_keep = nullptr;
};

}  // namespace scribbet
