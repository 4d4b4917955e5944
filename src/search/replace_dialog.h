#pragma once
// The basic replace window: every occurrence of one literal text exchanged
// for another in one press. It stays open after each replace.
#include <QDialog>

#include "core/document.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace scribbet {

class ReplaceDialog final : public QDialog {
    Q_OBJECT

public:
    ReplaceDialog(Document& document, QWidget* owner);

private:
    void StartReplace();

    Document& m_document;
    QLineEdit* m_searchText = nullptr;
    QLineEdit* m_replacementText = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QPushButton* m_replace = nullptr;
};

}  // namespace scribbet
