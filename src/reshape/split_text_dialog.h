#pragma once
// The window that splits the text at a separator, one piece a paragraph.
// It stays open after each split.
#include <QDialog>

#include "core/document.h"

class QLineEdit;
class QPushButton;

namespace scribbet {

class SplitTextDialog final : public QDialog {
    Q_OBJECT

public:
    SplitTextDialog(Document& document, QWidget* parent);

private:
    void StartSplit();

    Document& m_document;
    QLineEdit* m_separator = nullptr;
    QPushButton* m_startSplit = nullptr;
};

}  // namespace scribbet
