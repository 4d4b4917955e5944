#include "search/regex_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <utility>

#include "core/code_page.h"
#include "search/regex.h"

namespace scribbet {

namespace {

const char kExtract[] = "提取";

// The captions of one face of the window.
struct Face {
    const char* title;
    const char* firstOperation;
    const char* firstLabel;
    const char* secondLabel;
};

const Face kRegexFace{"正则替换/提取", "替换", "正则表达式：", "替换为(P)："};
const Face kByteRangeFace{"保留指定位置", "删除", "起始位置：", "长度："};

AnsiText FieldText(const QLineEdit& field) {
    return EncodeAnsi(field.text().toUtf8().toStdString());
}

}  // namespace

RegexDialog::RegexDialog(Document& document, std::function<int()> toolMode, QWidget* parent)
    : QDialog(parent), m_document(document), m_toolMode(std::move(toolMode)) {
    // Any mode but the byte range keeps the design's captions, the regex ones.
    const bool byteRange = m_toolMode() == kByteRangeToolMode;
    const Face& face = byteRange ? kByteRangeFace : kRegexFace;
    setWindowTitle(QString::fromUtf8(face.title));
    setModal(false);

    m_firstOperation = new QRadioButton(QString::fromUtf8(face.firstOperation), this);
    m_firstOperation->setObjectName(QStringLiteral("firstOperation"));
    m_secondOperation = new QRadioButton(QString::fromUtf8(kExtract), this);
    m_secondOperation->setObjectName(QStringLiteral("secondOperation"));
    auto* operations = new QButtonGroup(this);
    operations->addButton(m_firstOperation);
    operations->addButton(m_secondOperation);
    m_firstOperation->setChecked(true);

    m_firstLabel = new QLabel(QString::fromUtf8(face.firstLabel), this);
    m_firstLabel->setObjectName(QStringLiteral("firstLabel"));
    m_firstField = new QLineEdit(this);
    m_firstField->setObjectName(QStringLiteral("firstField"));
    m_firstField->setMinimumWidth(280);
    m_firstLabel->setBuddy(m_firstField);
    m_secondLabel = new QLabel(QString::fromUtf8(face.secondLabel), this);
    m_secondLabel->setObjectName(QStringLiteral("secondLabel"));
    m_secondField = new QLineEdit(this);
    m_secondField->setObjectName(QStringLiteral("secondField"));
    m_secondLabel->setBuddy(m_secondField);

    m_matchCase = new QCheckBox(QStringLiteral("是否区分大小写"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_note = new QLabel(QStringLiteral("注：提取后的文本以段的形式体现"), this);
    m_note->setObjectName(QStringLiteral("note"));
    m_action = new QPushButton(QString::fromUtf8(face.firstOperation), this);
    m_action->setObjectName(QStringLiteral("action"));
    m_action->setDefault(true);

    if (byteRange) {
        // Positions are typed as numbers: digits and the minus sign only.
        const QRegularExpression number(QStringLiteral("[0-9-]*"));
        m_firstField->setValidator(new QRegularExpressionValidator(number, m_firstField));
        m_secondField->setValidator(new QRegularExpressionValidator(number, m_secondField));
        m_matchCase->hide();
        m_note->hide();
    }

    auto* radios = new QHBoxLayout;
    radios->addWidget(m_firstOperation);
    radios->addWidget(m_secondOperation);
    radios->addStretch();

    auto* fields = new QGridLayout;
    fields->addWidget(m_firstLabel, 0, 0);
    fields->addWidget(m_firstField, 0, 1);
    fields->addWidget(m_secondLabel, 1, 0);
    fields->addWidget(m_secondField, 1, 1);

    auto* options = new QHBoxLayout;
    options->addWidget(m_matchCase);
    options->addStretch();
    options->addWidget(m_action);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addLayout(fields);
    layout->addLayout(options);
    layout->addWidget(m_note);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_firstOperation, &QRadioButton::clicked, this, [this] { ChooseOperation(true); });
    connect(m_secondOperation, &QRadioButton::clicked, this, [this] { ChooseOperation(false); });
    connect(m_action, &QPushButton::clicked, this, [this] { StartOperation(); });
}

void RegexDialog::ChooseOperation(bool first) {
    m_action->setText(first ? m_firstOperation->text() : QString::fromUtf8(kExtract));
    if (m_toolMode() == kRegexToolMode) {
        m_secondLabel->setEnabled(first);
        m_secondField->setEnabled(first);
    }
}

void RegexDialog::StartOperation() {
    switch (m_toolMode()) {
        case kRegexToolMode:
            RunRegex();
            break;
        case kByteRangeToolMode:
            RunRange();
            break;
        default:
            break;  // the mode of another window: this one has nothing to do
    }
}

void RegexDialog::RunRegex() {
    const AnsiText text = m_document.GetText();
    const AnsiText pattern = FieldText(*m_firstField);
    const bool matchCase = m_matchCase->isChecked();
    if (m_firstOperation->isChecked()) {
        // Without a match the document is left as it is, undo history included.
        if (auto replaced = RegexReplace(text, pattern, FieldText(*m_secondField), matchCase)) {
            m_document.SetText(*replaced);
        }
        return;
    }
    // One write, so that one undo brings the text back; the caret ends after
    // the pieces, as after an addition at the end.
    const AnsiText pieces = RegexExtract(text, pattern, matchCase);
    m_document.SetText(pieces);
    m_document.SetSelection(TextLength(pieces), 0);
}

void RegexDialog::RunRange() {
    const AnsiText text = m_document.GetText();
    const Pos start = TextToInt(FieldText(*m_firstField));
    const Pos length = TextToInt(FieldText(*m_secondField));
    m_document.SetText(m_firstOperation->isChecked() ? DeleteRange(text, start, length)
                                                     : ExtractRange(text, start, length));
}

}  // namespace scribbet
