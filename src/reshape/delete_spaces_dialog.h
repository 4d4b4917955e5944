#pragma once
// The window that deletes spaces at the start, the end or both ends of every
// paragraph, or everywhere. It stays open after each deletion.
#include <QDialog>

#include "core/document.h"

class QButtonGroup;
class QPushButton;

namespace scribbet {

class DeleteSpacesDialog final : public QDialog {
    Q_OBJECT

public:
    DeleteSpacesDialog(Document& document, QWidget* parent);

private:
    void Delete();

    Document& m_document;
    QButtonGroup* m_parts = nullptr;  // button ids are SpacePart values
    QPushButton* m_confirm = nullptr;
};

}  // namespace scribbet
