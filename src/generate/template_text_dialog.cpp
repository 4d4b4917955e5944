#include "generate/template_text_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "generate/number_field.h"

namespace scribbet {
namespace {

const char kTooShort[] = "变量名称太短！必须大于3个字节！";
const char kRepeated[] = "变量名称重复！请使用不同的变量的名称！";
const char kInitialTemplate[] = "显示图片 (图片框{@%0}.图片，{@%0})\r\n";

constexpr int kColumnWidths[] = {50, 80, 80, 80};

AnsiText Read(const QLineEdit* field) { return EncodeAnsi(field->text().toUtf8().toStdString()); }
QString Shown(const AnsiText& bytes) { return QString::fromStdString(DecodeAnsi(bytes)); }

QPushButton* NewButton(const char* caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    // Enter in a field must not press a button by surprise.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TemplateTextDialog::TemplateTextDialog(Document& document, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompts(prompts) {
    setWindowTitle(QStringLiteral("变量文本："));
    setModal(false);
    const TemplateFields initial;

    m_template = new QPlainTextEdit(this);
    m_template->setObjectName(QStringLiteral("templateText"));
    // The field shows lines; the document's CR LF comes back when it is read.
    m_template->setPlainText(QString::fromUtf8(kInitialTemplate).replace("\r\n", "\n"));
    m_template->setMinimumHeight(90);

    m_variables = new QTreeWidget(this);
    m_variables->setObjectName(QStringLiteral("variables"));
    m_variables->setColumnCount(4);
    m_variables->setHeaderLabels({QStringLiteral("变量名"), QStringLiteral("变量起始值"),
                                  QStringLiteral("变量到达值"), QStringLiteral("变量补齐")});
    m_variables->setRootIsDecorated(false);
    m_variables->setItemsExpandable(false);
    m_variables->setUniformRowHeights(true);
    m_variables->setAllColumnsShowFocus(true);
    m_variables->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_variables->header()->setStretchLastSection(false);
    m_variables->header()->setSectionsMovable(false);
    int tableWidth = 0;
    for (int column = 0; column < 4; ++column) {
        m_variables->setColumnWidth(column, kColumnWidths[column]);
        tableWidth += kColumnWidths[column];
    }
    m_variables->headerItem()->setTextAlignment(2, Qt::AlignCenter);
    m_variables->headerItem()->setTextAlignment(3, Qt::AlignCenter);
    m_variables->setMinimumWidth(tableWidth + 2 * m_variables->frameWidth() + 20);
    m_variables->setMinimumHeight(140);

    m_name = new QLineEdit(Shown(initial.name), this);
    m_name->setObjectName(QStringLiteral("name"));
    m_start = NewNumberField("start", Shown(initial.start), this);
    m_end = NewNumberField("end", Shown(initial.end), this);
    m_padding = new QCheckBox(this);
    m_padding->setObjectName(QStringLiteral("padding"));
    m_pad = NewNumberField("pad", Shown(initial.pad), this);

    auto* generate = NewButton("生成", "generate", this);
    auto* add = NewButton("添加", "add", this);
    auto* modify = NewButton("修改", "modify", this);
    auto* remove = NewButton("删除", "delete", this);
    auto* clear = NewButton("清空", "clear", this);

    // The fields sit under the columns they fill.
    auto* fields = new QHBoxLayout;
    fields->setSpacing(4);
    fields->addWidget(m_name, 5);
    fields->addWidget(m_start, 8);
    fields->addWidget(m_end, 8);
    fields->addWidget(m_padding);
    fields->addWidget(m_pad, 6);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(generate);
    buttons->addSpacing(12);
    buttons->addWidget(add);
    buttons->addWidget(modify);
    buttons->addWidget(remove);
    buttons->addWidget(clear);
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_template, 0, 0, 1, 2);
    grid->addWidget(m_variables, 1, 0);
    grid->addLayout(buttons, 1, 1, 2, 1);
    grid->addLayout(fields, 2, 0);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 2);

    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(modify, &QPushButton::clicked, this, [this] { Modify(); });
    connect(remove, &QPushButton::clicked, this, [this] { Delete(); });
    connect(clear, &QPushButton::clicked, this, [this] { Clear(); });
    connect(generate, &QPushButton::clicked, this, [this] { Generate(); });
    connect(m_start, &QLineEdit::textChanged, this, [this] { SyncEnd(); });
    connect(m_variables, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) LoadRow(m_variables->indexOfTopLevelItem(current));
    });
}

TemplateFields TemplateTextDialog::ReadFields() const {
    TemplateFields fields;
    fields.name = Read(m_name);
    fields.start = Read(m_start);
    fields.end = Read(m_end);
    fields.endEnabled = m_end->isEnabled();
    fields.padding = m_padding->isChecked();
    fields.pad = Read(m_pad);
    return fields;
}

void TemplateTextDialog::WriteFields(const TemplateFields& fields) {
    m_end->setEnabled(fields.endEnabled);
    m_name->setText(Shown(fields.name));
    m_start->setText(Shown(fields.start));
    m_end->setText(Shown(fields.end));
    m_padding->setChecked(fields.padding);
    m_pad->setText(Shown(fields.pad));
}

void TemplateTextDialog::ShowTable(std::optional<std::size_t> removed) {
    const QSignalBlocker blocker(m_variables);
    if (removed) delete m_variables->takeTopLevelItem(static_cast<int>(*removed));
    while (m_variables->topLevelItemCount() > static_cast<int>(m_table.size())) {
        delete m_variables->takeTopLevelItem(m_variables->topLevelItemCount() - 1);
    }
    for (std::size_t row = 0; row < m_table.size(); ++row) {
        QTreeWidgetItem* item = m_variables->topLevelItem(static_cast<int>(row));
        if (!item) {
            item = new QTreeWidgetItem(m_variables);
            item->setTextAlignment(2, Qt::AlignCenter);
            item->setTextAlignment(3, Qt::AlignCenter);
        }
        const TemplateVariable& variable = m_table[row];
        item->setText(0, Shown(variable.name));
        item->setText(1, Shown(variable.start));
        item->setText(2, Shown(variable.end));
        item->setText(3, Shown(variable.pad));
    }
}

std::optional<std::size_t> TemplateTextDialog::SelectedRow() const {
    std::optional<std::size_t> first;
    for (const QModelIndex& index : m_variables->selectionModel()->selectedRows()) {
        const auto row = static_cast<std::size_t>(index.row());
        if (!first || row < *first) first = row;
    }
    return first;
}

void TemplateTextDialog::Add() {
    TemplateFields fields = ReadFields();
    switch (AddVariable(m_table, fields)) {
        case AddOutcome::NameTooShort:
            m_prompts.ShowMessage(MessageKind::Warning, kTooShort);
            return;
        case AddOutcome::NameRepeated:
            m_prompts.ShowMessage(MessageKind::Warning, kRepeated);
            return;
        case AddOutcome::Added:
            break;
    }
    ShowTable();
    WriteFields(fields);
}

void TemplateTextDialog::Modify() {
    ModifyVariable(m_table, ReadFields(), SelectedRow());
    ShowTable();
}

void TemplateTextDialog::Delete() {
    TemplateFields fields = ReadFields();
    const std::optional<std::size_t> selected = SelectedRow();
    DeleteVariable(m_table, fields, selected);
    ShowTable(selected);
    WriteFields(fields);
}

void TemplateTextDialog::Clear() {
    TemplateFields fields = ReadFields();
    ClearVariables(m_table, fields);
    ShowTable();
    WriteFields(fields);
}

void TemplateTextDialog::LoadRow(int row) {
    if (row < 0) return;
    TemplateFields fields = ReadFields();
    LoadCurrentRow(m_table, static_cast<std::size_t>(row), fields);
    WriteFields(fields);
}

void TemplateTextDialog::SyncEnd() {
    TemplateFields fields = ReadFields();
    SyncEndField(m_table, fields);
    m_end->setText(Shown(fields.end));
}

void TemplateTextDialog::Generate() {
    const AnsiText templateText =
        LinesToCrLf(EncodeAnsi(m_template->toPlainText().toUtf8().toStdString()));
    m_document.SetText(GenerateTemplateText(templateText, m_table));
    ShowTable();
}

}  // namespace scribbet
