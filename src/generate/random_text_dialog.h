#pragma once
// The random text window: "生成" replaces the document with one random
// string of digits, letters or both.
#include <memory>

#include <QDialog>

#include "core/document.h"
#include "generate/random.h"

class QLineEdit;
class QRadioButton;

namespace scribbet {

class RandomTextDialog final : public QDialog {
    Q_OBJECT

public:
    // The document must outlive the window; the random source is the run's one.
    RandomTextDialog(Document& document, std::shared_ptr<RandomSource> random, QWidget* parent);

private:
    void Generate();

    Document& m_document;
    std::shared_ptr<RandomSource> m_random;
    QLineEdit* m_length = nullptr;
    QRadioButton* m_digits = nullptr;
    QRadioButton* m_letters = nullptr;
    QRadioButton* m_mixed = nullptr;
};

}  // namespace scribbet
