#include "reshape/delete_spaces_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reshape/spaces.h"

namespace scribbet {

DeleteSpacesDialog::DeleteSpacesDialog(Document& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setWindowTitle(QStringLiteral("删除空格"));
    setModal(false);

    struct Choice {
        const char* caption;
        const char* objectName;
        SpacePart part;
    };
    static const Choice kChoices[] = {
        {"段首", "paragraphStart", SpacePart::ParagraphStart},
        {"段尾", "paragraphEnd", SpacePart::ParagraphEnd},
        {"段首尾", "bothEnds", SpacePart::BothEnds},
        {"全部", "everywhere", SpacePart::Everywhere},
    };

    auto* group = new QGroupBox(this);
    auto* label = new QLabel(QStringLiteral("需要删除空格部分："), group);
    auto* choices = new QHBoxLayout;
    m_parts = new QButtonGroup(this);
    for (const Choice& choice : kChoices) {
        auto* button = new QRadioButton(QString::fromUtf8(choice.caption), group);
        button->setObjectName(QString::fromUtf8(choice.objectName));
        m_parts->addButton(button, static_cast<int>(choice.part));
        choices->addWidget(button);
    }
    m_parts->button(static_cast<int>(SpacePart::Everywhere))->setChecked(true);
    auto* column = new QVBoxLayout(group);
    column->addWidget(label);
    column->addLayout(choices);

    m_confirm = new QPushButton(QStringLiteral("确定"), this);
    m_confirm->setObjectName(QStringLiteral("confirm"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_confirm, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_confirm, &QPushButton::clicked, this, [this] { Delete(); });
}

void DeleteSpacesDialog::Delete() {
    const auto part = static_cast<SpacePart>(m_parts->checkedId());
    m_document.SetText(DeleteSpaces(m_document.GetText(), part));
}

}  // namespace scribbet
