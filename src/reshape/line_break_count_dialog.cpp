#include "reshape/line_break_count_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "reshape/line_breaks.h"

namespace scribbet {
namespace {

std::int32_t FieldNumber(const QLineEdit& field) {
    return TextToInt(EncodeAnsi(field.text().toUtf8().toStdString()));
}

}  // namespace

LineBreakCountDialog::LineBreakCountDialog(Document& document, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompts(prompts) {
    setWindowTitle(QStringLiteral("连续换行符数变更"));
    setModal(false);

    auto* replacedLabel = new QLabel(QStringLiteral("被替换的换行符数量："), this);
    m_replacedCount = new QLineEdit(QStringLiteral("3"), this);
    m_replacedCount->setObjectName(QStringLiteral("replacedCount"));
    replacedLabel->setBuddy(m_replacedCount);

    auto* insertedLabel = new QLabel(QStringLiteral("欲替换的换行符数量："), this);
    m_insertedCount = new QLineEdit(QStringLiteral("2"), this);
    m_insertedCount->setObjectName(QStringLiteral("insertedCount"));
    insertedLabel->setBuddy(m_insertedCount);

    m_confirm = new QPushButton(QStringLiteral("确定"), this);
    m_confirm->setObjectName(QStringLiteral("confirm"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(replacedLabel);
    layout->addWidget(m_replacedCount);
    layout->addWidget(insertedLabel);
    layout->addWidget(m_insertedCount);
    layout->addWidget(m_confirm, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_replacedCount->setMinimumWidth(220);

    connect(m_confirm, &QPushButton::clicked, this, [this] { ChangeCount(); });
}

void LineBreakCountDialog::ChangeCount() {
    const std::optional<AnsiText> changed = ChangeLineBreakCount(
        m_document.GetText(), FieldNumber(*m_replacedCount), FieldNumber(*m_insertedCount));
    if (!changed) {
        m_prompts.ShowMessage(MessageKind::Error, "替换后的文本过长，未作更改。");
        return;
    }
    m_document.SetText(*changed);
}

}  // namespace scribbet
