#include "reshape/indent_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "reshape/spaces.h"

namespace scribbet {
namespace {

const QString kTitle = QStringLiteral("段前空格");

}  // namespace

IndentDialog::IndentDialog(Document& document, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompts(prompts) {
    setWindowTitle(kTitle);
    setModal(false);

    auto* group = new QGroupBox(this);
    auto* label = new QLabel(
        QStringLiteral("要在每段前填充几个空格？默认为4个，也就两个汉字的长度。"), group);
    m_indentation = new QLineEdit(QStringLiteral("4"), group);
    m_indentation->setObjectName(QStringLiteral("indentation"));
    label->setBuddy(m_indentation);
    auto* column = new QVBoxLayout(group);
    column->addWidget(label);
    column->addWidget(m_indentation);

    m_adjust = new QPushButton(QStringLiteral("调整"), this);
    m_adjust->setObjectName(QStringLiteral("adjust"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_adjust, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_adjust, &QPushButton::clicked, this, [this] { Adjust(); });
}

void IndentDialog::Adjust() {
    setWindowTitle(QStringLiteral("段前空格——正在调整..."));
    const std::optional<AnsiText> indented = IndentParagraphs(
        m_document.GetText(), TextToInt(EncodeAnsi(m_indentation->text().toUtf8().toStdString())));
    if (!indented) {
        setWindowTitle(kTitle);
        m_prompts.ShowMessage(MessageKind::Error, "调整后的文本过长，未作更改。");
        return;
    }
    m_document.SetText(*indented);
    setWindowTitle(QStringLiteral("段前空格——调整完毕！"));
}

}  // namespace scribbet
