#include "reshape/paragraph_part_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace scribbet {

ParagraphPartDialog::ParagraphPartDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("段部分"));
    setModal(false);

    auto* textOne = new QLineEdit(this);
    textOne->setObjectName(QStringLiteral("textOne"));
    textOne->setMinimumWidth(240);
    auto* textTwo = new QLineEdit(this);
    textTwo->setObjectName(QStringLiteral("textTwo"));
    textTwo->setMinimumWidth(240);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("文本一："), textOne);
    fields->addRow(QStringLiteral("文本二："), textTwo);

    // The button is not connected: the window performs no operation.
    auto* confirm = new QPushButton(QStringLiteral("确定"), this);
    confirm->setObjectName(QStringLiteral("confirm"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace scribbet
