#include "reshape/paragraph_select_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "reshape/paragraphs.h"

namespace scribbet {

ParagraphSelectDialog::ParagraphSelectDialog(Document& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setWindowTitle(QStringLiteral("删除/保留指定段"));
    setModal(false);

    // The caption speaks of deleting whichever choice is made below it.
    auto* numbersBox = new QGroupBox(QStringLiteral("要删除的段（多个段 用“,”英文逗号隔开）"), this);
    m_numbers = new QLineEdit(numbersBox);
    m_numbers->setObjectName(QStringLiteral("paragraphNumbers"));
    m_numbers->setMinimumWidth(300);
    auto* numbersLayout = new QVBoxLayout(numbersBox);
    numbersLayout->addWidget(m_numbers);

    auto* choiceBox = new QGroupBox(QStringLiteral("删除/保留"), this);
    m_delete = new QRadioButton(QStringLiteral("删除"), choiceBox);
    m_delete->setObjectName(QStringLiteral("deleteParagraphs"));
    m_delete->setChecked(true);
    m_keep = new QRadioButton(QStringLiteral("保留"), choiceBox);
    m_keep->setObjectName(QStringLiteral("keepParagraphs"));
    auto* choiceLayout = new QHBoxLayout(choiceBox);
    choiceLayout->addWidget(m_delete);
    choiceLayout->addWidget(m_keep);
    choiceLayout->addStretch();

    auto* run = new QPushButton(QStringLiteral("执行"), this);
    run->setObjectName(QStringLiteral("run"));
    // Enter in the field must not delete paragraphs by surprise.
    run->setAutoDefault(false);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(choiceBox);
    bottomRow->addStretch();
    bottomRow->addWidget(run, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(numbersBox);
    layout->addLayout(bottomRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(run, &QPushButton::clicked, this, [this] { Run(); });
}

void ParagraphSelectDialog::Run() {
    const ParagraphChoice choice =
        m_keep->isChecked() ? ParagraphChoice::Keep : ParagraphChoice::Delete;
    const AnsiText numbers = EncodeAnsi(m_numbers->text().toUtf8().toStdString());
    m_document.SetText(SelectParagraphs(m_document.GetText(), numbers, choice));
}

}  // namespace scribbet
