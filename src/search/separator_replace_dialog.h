#pragma once
// The twin windows that replace a text around a separator: a line break in
// one, a tab in the other. Each row of the form reads as a formula, before +
// separator + after, with a switch for whether the separator is part of it.
#include <QDialog>

#include "core/document.h"
#include "search/separator_replace.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace scribbet {

class SeparatorReplaceDialog : public QDialog {
    Q_OBJECT

protected:
    enum class Kind { LineBreak, Tab };
    SeparatorReplaceDialog(Document& document, Kind kind, QWidget* parent);

private:
    struct RowFields {
        QLineEdit* before = nullptr;
        QCheckBox* withSeparator = nullptr;
        QLineEdit* after = nullptr;
    };
    void StartReplace();

    Document& m_document;
    const char* m_separator;
    RowFields m_search;
    RowFields m_replacement;
    QCheckBox* m_matchCase = nullptr;
    QPushButton* m_replace = nullptr;
};

// "替换_换行符": replaces around CR LF.
class LineBreakReplaceDialog final : public SeparatorReplaceDialog {
    Q_OBJECT
public:
    explicit LineBreakReplaceDialog(Document& document, QWidget* parent = nullptr)
        : SeparatorReplaceDialog(document, Kind::LineBreak, parent) {}
};

// "替换_TAB": replaces around the tab character.
class TabReplaceDialog final : public SeparatorReplaceDialog {
    Q_OBJECT
public:
    explicit TabReplaceDialog(Document& document, QWidget* parent = nullptr)
        : SeparatorReplaceDialog(document, Kind::Tab, parent) {}
};

}  // namespace scribbet
