#pragma once
// The find window: a non-modal tool window in front of the main window that
// stores what to find in the run's FindSettings and searches the document
// forwards or backwards. It stays open after each search.
#include <QDialog>

#include "core/document.h"
#include "platform/prompts.h"
#include "search/find.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace scribbet {

class FindDialog final : public QDialog {
    Q_OBJECT

public:
    // The fields start from settings, which must outlive the window.
    FindDialog(FindSettings& settings, Document& document, Prompts& prompts, QWidget* owner);

private:
    // The buttons work only with something to find.
    void UpdateButtons();
    // Stores the fields in the settings, then searches.
    void StartFind(FindDirection direction);

    FindSettings& m_settings;
    Document& m_document;
    Prompts& m_prompts;
    QLineEdit* m_findText = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QPushButton* m_findPrevious = nullptr;
    QPushButton* m_findNext = nullptr;
};

}  // namespace scribbet
