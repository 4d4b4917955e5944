#pragma once
// The template text window: a template, a table of variables and the fields
// that edit it. "生成" replaces the document with the copies of the template.
#include <optional>

#include <QDialog>

#include "core/document.h"
#include "generate/template_text.h"
#include "platform/prompts.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace scribbet {

class TemplateTextDialog final : public QDialog {
    Q_OBJECT

public:
    // document and prompts must outlive the window.
    TemplateTextDialog(Document& document, Prompts& prompts, QWidget* parent);

private:
    [[nodiscard]] TemplateFields ReadFields() const;
    // The start field before the end field: its change sets the end field,
    // which is then overwritten with the value that stands.
    void WriteFields(const TemplateFields& fields);
    // The list shows the table; deleting `removed` first keeps the other
    // rows' selection. Programmatic changes do not count as the user
    // choosing a row.
    void ShowTable(std::optional<std::size_t> removed = std::nullopt);
    [[nodiscard]] std::optional<std::size_t> SelectedRow() const;

    void Add();
    void Modify();
    void Delete();
    void Clear();
    void LoadRow(int row);
    void SyncEnd();
    void Generate();

    Document& m_document;
    Prompts& m_prompts;
    VariableTable m_table;
    QPlainTextEdit* m_template = nullptr;
    QTreeWidget* m_variables = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_end = nullptr;
    QCheckBox* m_padding = nullptr;
    QLineEdit* m_pad = nullptr;
};

}  // namespace scribbet
