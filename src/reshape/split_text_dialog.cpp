#include "reshape/split_text_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "reshape/split_text.h"

namespace scribbet {

SplitTextDialog::SplitTextDialog(Document& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setWindowTitle(QStringLiteral("分割文本"));
    setModal(false);

    auto* group = new QGroupBox(this);
    auto* label = new QLabel(QStringLiteral("分隔符："), group);
    m_separator = new QLineEdit(group);
    m_separator->setObjectName(QStringLiteral("separator"));
    m_separator->setMinimumWidth(200);
    label->setBuddy(m_separator);
    auto* row = new QHBoxLayout(group);
    row->addWidget(label);
    row->addWidget(m_separator);

    m_startSplit = new QPushButton(QStringLiteral("开始分割"), this);
    m_startSplit->setObjectName(QStringLiteral("startSplit"));
    auto* note = new QLabel(QStringLiteral("注：分割后的文本以段的形式体现"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_startSplit, 0, Qt::AlignRight);
    layout->addWidget(note);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_startSplit, &QPushButton::clicked, this, [this] { StartSplit(); });
}

void SplitTextDialog::StartSplit() {
    // The separator counts exactly as typed, spaces included.
    m_document.SetText(
        SplitTextTool(m_document.GetText(), EncodeAnsi(m_separator->text().toUtf8().toStdString())));
}

}  // namespace scribbet
