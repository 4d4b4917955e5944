#pragma once
// The window that gives every paragraph the same indentation of spaces. It
// stays open after each run, its title telling that the run is done.
#include <QDialog>

#include "core/document.h"
#include "platform/prompts.h"

class QLineEdit;
class QPushButton;

namespace scribbet {

class IndentDialog final : public QDialog {
    Q_OBJECT

public:
    IndentDialog(Document& document, Prompts& prompts, QWidget* parent);

private:
    void Adjust();

    Document& m_document;
    Prompts& m_prompts;
    QLineEdit* m_indentation = nullptr;
    QPushButton* m_adjust = nullptr;
};

}  // namespace scribbet
