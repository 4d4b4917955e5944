#include "search/separator_replace_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

#include "core/code_page.h"

namespace scribbet {

namespace {

// What tells the two windows apart.
struct Face {
    const char* title;           // also the caption of the button
    const char* separatorLabel;  // the check box sits over its spaces
    const char* separator;
};

const Face kLineBreakFace{"替换_换行符", "+    换行符+", kLineBreakSeparator};
const Face kTabFace{"替换_TAB", "+    TAB+", kTabSeparator};

AnsiText FieldText(const QLineEdit& field) {
    return EncodeAnsi(field.text().toUtf8().toStdString());
}

// The label "+    换行符+" with a caption-less check box set over its four
// spaces, so that the row reads before + separator + after. The spaces are
// widened to hold the box in whatever font the label gets.
class SwitchLabel final : public QLabel {
public:
    SwitchLabel(const char* text, const QString& boxName, QWidget* parent)
        : QLabel(QString::fromUtf8(text), parent), m_box(new QCheckBox(this)) {
        m_box->setObjectName(boxName);
        m_box->setChecked(true);
        // Only the indicator: a box without caption needs no room beside it.
        m_box->setFixedSize(style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_box),
                            style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, m_box));
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont widened = font();
        const int spacesWidth = QFontMetrics(widened).horizontalAdvance(kSpaces);
        const int wanted = m_box->width() + 8;
        if (spacesWidth < wanted) {
            widened.setWordSpacing(std::ceil((wanted - spacesWidth) / 4.0));
            setFont(widened);
        }
        setMinimumHeight(m_box->height());
    }
    [[nodiscard]] QCheckBox* Box() const { return m_box; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        const QFontMetrics metrics(font());
        const int plus = metrics.horizontalAdvance(QStringLiteral("+"));
        const int gap = metrics.horizontalAdvance(QStringLiteral("+") + kSpaces) - plus;
        m_box->move(contentsRect().left() + plus + (gap - m_box->width()) / 2,
                    (height() - m_box->height()) / 2);
    }

private:
    static inline const QString kSpaces = QStringLiteral("    ");
    QCheckBox* m_box;
};

}  // namespace

SeparatorReplaceDialog::SeparatorReplaceDialog(Document& document, Kind kind, QWidget* parent)
    : QDialog(parent), m_document(document) {
    const Face& face = kind == Kind::LineBreak ? kLineBreakFace : kTabFace;
    m_separator = face.separator;
    setWindowTitle(QString::fromUtf8(face.title));
    setModal(false);

    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const QString& caption, const QString& prefix) {
        RowFields fields;
        grid->addWidget(new QLabel(caption, this), row, 0);
        fields.before = new QLineEdit(this);
        fields.before->setObjectName(prefix + QStringLiteral("Before"));
        grid->addWidget(fields.before, row, 1);
        auto* separator =
            new SwitchLabel(face.separatorLabel, prefix + QStringLiteral("Separator"), this);
        fields.withSeparator = separator->Box();
        grid->addWidget(separator, row, 2);
        fields.after = new QLineEdit(this);
        fields.after->setObjectName(prefix + QStringLiteral("After"));
        grid->addWidget(fields.after, row, 3);
        return fields;
    };
    m_search = addRow(0, QStringLiteral("寻找文本："), QStringLiteral("search"));
    m_replacement = addRow(1, QStringLiteral("替换为(P)："), QStringLiteral("replacement"));

    m_matchCase = new QCheckBox(QStringLiteral("是否区分大小写"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_replace = new QPushButton(QString::fromUtf8(face.title), this);
    m_replace->setObjectName(QStringLiteral("replace"));
    m_replace->setDefault(true);

    auto* options = new QHBoxLayout;
    options->addWidget(m_matchCase);
    options->addStretch();
    options->addWidget(m_replace);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(options);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_replace, &QPushButton::clicked, this, [this] { StartReplace(); });
}

void SeparatorReplaceDialog::StartReplace() {
    auto row = [](const RowFields& fields) {
        return SeparatorRow{FieldText(*fields.before), fields.withSeparator->isChecked(),
                            FieldText(*fields.after)};
    };
    const SeparatorReplaceFields fields{row(m_search), row(m_replacement),
                                        m_matchCase->isChecked()};
    m_document.SetText(SeparatorReplace(m_document.GetText(), m_separator, fields));
}

}  // namespace scribbet
