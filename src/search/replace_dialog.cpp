#include "search/replace_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/code_page.h"
#include "search/replace.h"

namespace scribbet {

namespace {

AnsiText FieldText(const QLineEdit& field) {
    return EncodeAnsi(field.text().toUtf8().toStdString());
}

}  // namespace

ReplaceDialog::ReplaceDialog(Document& document, QWidget* owner)
    : QDialog(owner), m_document(document) {
    // The window is named after its one button.
    const QString replace = QStringLiteral("替换");
    setWindowTitle(replace);
    setModal(false);

    auto* searchLabel = new QLabel(QStringLiteral("查找内容(N)："), this);
    m_searchText = new QLineEdit(this);
    m_searchText->setObjectName(QStringLiteral("searchText"));
    m_searchText->setMinimumWidth(280);
    searchLabel->setBuddy(m_searchText);

    auto* replacementLabel = new QLabel(QStringLiteral("替换为(P)："), this);
    m_replacementText = new QLineEdit(this);
    m_replacementText->setObjectName(QStringLiteral("replacementText"));
    replacementLabel->setBuddy(m_replacementText);

    m_matchCase = new QCheckBox(QStringLiteral("是否区分大小写"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_replace = new QPushButton(replace, this);
    m_replace->setObjectName(QStringLiteral("replace"));
    // Enter in a field replaces, as the one button is the window's purpose.
    m_replace->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(searchLabel, 0, 0);
    fields->addWidget(m_searchText, 0, 1);
    fields->addWidget(replacementLabel, 1, 0);
    fields->addWidget(m_replacementText, 1, 1);

    auto* options = new QHBoxLayout;
    options->addWidget(m_matchCase);
    options->addStretch();
    options->addWidget(m_replace);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(options);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_replace, &QPushButton::clicked, this, [this] { StartReplace(); });
}

void ReplaceDialog::StartReplace() {
    m_document.SetText(BasicReplace(m_document.GetText(), FieldText(*m_searchText),
                                    FieldText(*m_replacementText), m_matchCase->isChecked()));
}

}  // namespace scribbet
