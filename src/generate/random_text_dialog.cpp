#include "generate/random_text_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "generate/number_field.h"
#include "generate/random_text.h"

namespace scribbet {

RandomTextDialog::RandomTextDialog(Document& document, std::shared_ptr<RandomSource> random,
                                   QWidget* parent)
    : QDialog(parent), m_document(document), m_random(std::move(random)) {
    setWindowTitle(QStringLiteral("随机文本"));
    setModal(false);

    auto* label = new QLabel(QStringLiteral("文本长度："), this);
    m_length = NewNumberField("length", QStringLiteral("10"), this);
    label->setBuddy(m_length);

    auto* kinds = new QGroupBox(this);
    m_digits = new QRadioButton(QStringLiteral("整数"), kinds);
    m_digits->setObjectName(QStringLiteral("digits"));
    m_letters = new QRadioButton(QStringLiteral("字母"), kinds);
    m_letters->setObjectName(QStringLiteral("letters"));
    m_mixed = new QRadioButton(QStringLiteral("整数字母混合"), kinds);
    m_mixed->setObjectName(QStringLiteral("mixed"));
    auto* group = new QButtonGroup(kinds);
    group->addButton(m_digits);
    group->addButton(m_letters);
    group->addButton(m_mixed);
    m_digits->setChecked(true);
    auto* kindsLayout = new QHBoxLayout(kinds);
    kindsLayout->addWidget(m_digits);
    kindsLayout->addWidget(m_letters);
    kindsLayout->addWidget(m_mixed);

    auto* generate = new QPushButton(QStringLiteral("生成"), this);
    generate->setObjectName(QStringLiteral("generate"));
    generate->setAutoDefault(false);

    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(label);
    lengthRow->addWidget(m_length, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(generate);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lengthRow);
    layout->addWidget(kinds);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(generate, &QPushButton::clicked, this, [this] { Generate(); });
}

void RandomTextDialog::Generate() {
    const RandomKind kind = m_letters->isChecked() ? RandomKind::Letters
                            : m_mixed->isChecked() ? RandomKind::Mixed
                                                   : RandomKind::Digits;
    m_document.SetText(GenerateRandomText(
        *m_random, EncodeAnsi(m_length->text().toUtf8().toStdString()), kind));
}

}  // namespace scribbet
