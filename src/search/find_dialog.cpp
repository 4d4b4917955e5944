#include "search/find_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code_page.h"

namespace scribbet {

FindDialog::FindDialog(FindSettings& settings, Document& document, Prompts& prompts,
                       QWidget* owner)
    : QDialog(owner), m_settings(settings), m_document(document), m_prompts(prompts) {
    setWindowTitle(QStringLiteral("搜寻"));
    setModal(false);

    auto* label = new QLabel(QStringLiteral("请输入欲搜寻的文本："), this);
    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("findText"));
    m_findText->setMinimumWidth(300);
    label->setBuddy(m_findText);

    m_matchCase = new QCheckBox(QStringLiteral("英文字母区分大小写"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));

    m_findPrevious = new QPushButton(QStringLiteral("&P.搜寻上一个"), this);
    m_findPrevious->setObjectName(QStringLiteral("findPrevious"));
    m_findNext = new QPushButton(QStringLiteral("&N.搜寻下一个"), this);
    m_findNext->setObjectName(QStringLiteral("findNext"));
    // Neither button is the default: Enter in the box would otherwise press
    // whichever comes first, searching backwards by surprise.
    m_findPrevious->setAutoDefault(false);
    m_findNext->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_findPrevious);
    buttons->addWidget(m_findNext);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_findText);
    layout->addWidget(m_matchCase);
    layout->addLayout(buttons);
    // A find window has nothing to gain from being resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_findText->setText(QString::fromStdString(DecodeAnsi(m_settings.text)));
    m_findText->selectAll();
    m_matchCase->setChecked(m_settings.matchCase);
    UpdateButtons();

    connect(m_findText, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(m_findPrevious, &QPushButton::clicked, this,
            [this] { StartFind(FindDirection::Backward); });
    connect(m_findNext, &QPushButton::clicked, this,
            [this] { StartFind(FindDirection::Forward); });
}

void FindDialog::UpdateButtons() {
    const bool hasText = !m_findText->text().isEmpty();
    m_findPrevious->setEnabled(hasText);
    m_findNext->setEnabled(hasText);
}

void FindDialog::StartFind(FindDirection direction) {
    m_settings.text = EncodeAnsi(m_findText->text().toUtf8().toStdString());
    m_settings.matchCase = m_matchCase->isChecked();
    FindAndSelect(m_document, m_prompts, m_settings, direction);
}

}  // namespace scribbet
