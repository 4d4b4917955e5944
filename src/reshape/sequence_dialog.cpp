#include "reshape/sequence_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code_page.h"

namespace scribbet {
namespace {

// The face of the window for the mode it is created in.
struct Face {
    const char* title;
    const char* button;
    bool showsLineCount;
};

Face FaceOf(std::optional<SequenceMode> mode) {
    switch (mode.value_or(SequenceMode::NumberedLines)) {
        case SequenceMode::ParagraphStart:
            return {"段前插入", "段前插入", false};
        case SequenceMode::ParagraphEnd:
            return {"段后插入", "段后插入", false};
        case SequenceMode::NumberedLines:
            break;
    }
    // Also the face of its design, kept for a mode it does not know.
    return {"生成带序号文本", "生成", true};
}

constexpr char kTooLongText[] = "结果文本过长，无法写入文档！";

AnsiText FieldText(const QLineEdit& field) {
    return EncodeAnsi(field.text().toUtf8().toStdString());
}

}  // namespace

SequenceDialog::SequenceDialog(Document& document, Prompts& prompts, const ToolWindows& tools,
                               QWidget* parent)
    : QDialog(parent), m_document(document), m_prompts(prompts), m_tools(tools) {
    const Face face = FaceOf(SequenceModeOf(m_tools.ToolMode()));
    setWindowTitle(QString::fromUtf8(face.title));
    setModal(false);

    m_leftText = new QLineEdit(this);
    m_leftText->setObjectName(QStringLiteral("leftText"));
    m_numbered = new QCheckBox(QStringLiteral("起始序号"), this);
    m_numbered->setObjectName(QStringLiteral("numbered"));
    m_numbered->setChecked(true);
    m_startNumber = new QLineEdit(this);
    m_startNumber->setObjectName(QStringLiteral("startNumber"));
    m_rightText = new QLineEdit(this);
    m_rightText->setObjectName(QStringLiteral("rightText"));

    auto* affixRow = new QHBoxLayout;
    const auto plus = [this] { return new QLabel(QStringLiteral("+"), this); };
    affixRow->addWidget(m_leftText);
    affixRow->addWidget(plus());
    affixRow->addWidget(m_numbered);
    affixRow->addWidget(m_startNumber);
    affixRow->addWidget(plus());
    affixRow->addWidget(m_rightText);
    auto* affixBox = new QGroupBox(this);
    affixBox->setLayout(affixRow);

    m_lineCountLabel = new QLabel(QStringLiteral("生成行数："), this);
    m_lineCount = new QLineEdit(QStringLiteral("10"), this);
    m_lineCount->setObjectName(QStringLiteral("lineCount"));
    m_lineCountLabel->setBuddy(m_lineCount);
    m_lineCountLabel->setVisible(face.showsLineCount);
    m_lineCount->setVisible(face.showsLineCount);

    m_action = new QPushButton(QString::fromUtf8(face.button), this);
    m_action->setObjectName(QStringLiteral("action"));
    // Enter in a field must not run the tool by surprise: numbered lines
    // replace the whole document.
    m_action->setAutoDefault(false);

    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(m_lineCountLabel);
    actionRow->addWidget(m_lineCount);
    actionRow->addStretch();
    actionRow->addWidget(m_action);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(affixBox);
    layout->addLayout(actionRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_action, &QPushButton::clicked, this, [this] { Run(); });
}

Affix SequenceDialog::ReadAffix() const {
    return {FieldText(*m_leftText), m_numbered->isChecked(), FieldText(*m_startNumber),
            FieldText(*m_rightText)};
}

void SequenceDialog::Run() {
    const std::optional<SequenceMode> mode = SequenceModeOf(m_tools.ToolMode());
    if (!mode) return;
    const Affix affix = ReadAffix();
    if (*mode == SequenceMode::NumberedLines) {
        const std::optional<AnsiText> lines = NumberedLines(affix, FieldText(*m_lineCount));
        if (!lines) {
            m_prompts.ShowMessage(MessageKind::Error, kTooLongText);
            return;
        }
        // The lines replace the document and the caret ends after them:
        // emptied, then all lines appended at once.
        m_document.SetText(AnsiText());
        if (!lines->empty()) m_document.AppendText(*lines);
        return;
    }
    const AnsiText text = m_document.GetText();
    const std::optional<AnsiText> result = *mode == SequenceMode::ParagraphStart
                                               ? InsertAtParagraphStart(text, affix)
                                               : InsertAtParagraphEnd(text, affix);
    if (!result) {
        m_prompts.ShowMessage(MessageKind::Error, kTooLongText);
        return;
    }
    m_document.SetText(*result);
}

}  // namespace scribbet
