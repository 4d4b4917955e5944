#pragma once
// The paragraph part window: two text fields and a button. It takes no part
// of any paragraph yet: pressing "确定" leaves the document and the window as
// they are, and the user closes it.
#include <QDialog>

namespace scribbet {

class ParagraphPartDialog final : public QDialog {
    Q_OBJECT

public:
    explicit ParagraphPartDialog(QWidget* parent);
};

}  // namespace scribbet
