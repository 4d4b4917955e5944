#include "platform/font_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace scribbet {
namespace {

constexpr char kTitle[] = "字体";
constexpr char kFamilyLabel[] = "字体：";
constexpr char kSizeLabel[] = "大小：";
constexpr char kBoldCaption[] = "粗体";
constexpr char kItalicCaption[] = "斜体";
constexpr char kEffectsCaption[] = "效果";
constexpr char kUnderlineCaption[] = "下划线";
constexpr char kStrikeoutCaption[] = "删除线";
constexpr char kColorCaption[] = "颜色…";
constexpr char kOkCaption[] = "确定";
constexpr char kCancelCaption[] = "取消";
constexpr int kLargestSize = 999;

class FontDialog final : public QDialog {
public:
    FontDialog(QWidget* parent, const std::optional<FontChoice>& preset) : QDialog(parent) {
        setWindowTitle(QString::fromUtf8(kTitle));
        m_family = new QFontComboBox(this);
        m_family->setObjectName(QStringLiteral("fontFamily"));
        m_size = new QComboBox(this);
        m_size->setObjectName(QStringLiteral("fontSize"));
        m_size->setEditable(true);
        m_size->setValidator(new QIntValidator(1, kLargestSize, m_size));
        for (const int size : QFontDatabase::standardSizes()) m_size->addItem(QString::number(size));
        m_bold = NewCheckBox(kBoldCaption, "bold");
        m_italic = NewCheckBox(kItalicCaption, "italic");
        m_underline = NewCheckBox(kUnderlineCaption, "underline");
        m_strikeout = NewCheckBox(kStrikeoutCaption, "strikeout");
        m_color = new QPushButton(QString::fromUtf8(kColorCaption), this);
        m_color->setObjectName(QStringLiteral("color"));
        auto* buttons = new QDialogButtonBox(this);
        m_ok = buttons->addButton(QString::fromUtf8(kOkCaption), QDialogButtonBox::AcceptRole);
        buttons->addButton(QString::fromUtf8(kCancelCaption), QDialogButtonBox::RejectRole);

        auto* fields = new QFormLayout;
        fields->addRow(QString::fromUtf8(kFamilyLabel), m_family);
        fields->addRow(QString::fromUtf8(kSizeLabel), m_size);
        auto* styles = new QHBoxLayout;
        styles->addWidget(m_bold);
        styles->addWidget(m_italic);
        styles->addStretch();
        fields->addRow(styles);
        auto* effects = new QGroupBox(QString::fromUtf8(kEffectsCaption), this);
        auto* effectsLayout = new QGridLayout(effects);
        effectsLayout->addWidget(m_underline, 0, 0);
        effectsLayout->addWidget(m_strikeout, 0, 1);
        effectsLayout->addWidget(m_color, 1, 0, 1, 2, Qt::AlignLeft);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(fields);
        layout->addWidget(effects);
        layout->addWidget(buttons);

        if (preset) {
            Show(*preset);
        } else {
            // First use: nothing is chosen until the user picks a face and size.
            m_family->setCurrentIndex(-1);
            m_family->clearEditText();
            m_size->setCurrentIndex(-1);
            m_size->clearEditText();
            ShowColor(QColor(Qt::black));
        }
        connect(m_family, &QComboBox::editTextChanged, this, &FontDialog::UpdateOk);
        connect(m_size, &QComboBox::editTextChanged, this, &FontDialog::UpdateOk);
        connect(m_color, &QPushButton::clicked, this, &FontDialog::ChooseColor);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        UpdateOk();
    }

    [[nodiscard]] FontChoice Choice() const {
        FontChoice choice;
        choice.family = m_family->currentText().trimmed().toStdString();
        choice.pointSize = m_size->currentText().toInt();
        choice.bold = m_bold->isChecked();
        choice.italic = m_italic->isChecked();
        choice.underline = m_underline->isChecked();
        choice.strikeout = m_strikeout->isChecked();
        choice.color = m_currentColor.rgb() & 0xFFFFFFu;
        return choice;
    }

private:
    QCheckBox* NewCheckBox(const char* caption, const char* name) {
        auto* box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    }

    void Show(const FontChoice& font) {
        const QString family = QString::fromStdString(font.family);
        const int index = m_family->findText(family, Qt::MatchFixedString);
        if (index >= 0) {
            m_family->setCurrentIndex(index);
        } else {
            // A face missing here still shows as it was chosen.
            m_family->setEditText(family);
        }
        m_size->setEditText(QString::number(font.pointSize));
        m_bold->setChecked(font.bold);
        m_italic->setChecked(font.italic);
        m_underline->setChecked(font.underline);
        m_strikeout->setChecked(font.strikeout);
        ShowColor(QColor(static_cast<QRgb>(font.color)));
    }

    // The button shows the colour as a swatch beside its caption.
    void ShowColor(const QColor& color) {
        m_currentColor = color;
        QPixmap swatch(m_color->fontMetrics().height(), m_color->fontMetrics().height());
        swatch.fill(color);
        m_color->setIcon(QIcon(swatch));
    }

    void ChooseColor() {
        const QColor chosen = QColorDialog::getColor(m_currentColor, this, QString(),
                                                     QColorDialog::DontUseNativeDialog);
        if (chosen.isValid()) ShowColor(chosen);
    }

    void UpdateOk() {
        bool sizeValid = false;
        const int size = m_size->currentText().toInt(&sizeValid);
        m_ok->setEnabled(!m_family->currentText().trimmed().isEmpty() && sizeValid && size > 0);
    }

    QFontComboBox* m_family;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikeout;
    QPushButton* m_color;
    QPushButton* m_ok;
    QColor m_currentColor;
};

}  // namespace

std::optional<FontChoice> RunFontDialog(QWidget* parent, const std::optional<FontChoice>& preset) {
    FontDialog dialog(parent, preset);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

}  // namespace scribbet
