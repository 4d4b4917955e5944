#pragma once
// The account and password window: how accounts and passwords are made and
// how many lines; "生成" replaces the document with the list.
#include <memory>

#include <QDialog>

#include "core/document.h"
#include "generate/accounts.h"
#include "generate/random.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace scribbet {

class AccountPasswordDialog final : public QDialog {
    Q_OBJECT

public:
    // The document must outlive the window; the random source is the run's one.
    AccountPasswordDialog(Document& document, std::shared_ptr<RandomSource> random,
                          QWidget* parent);

private:
    // Each choice enables its own fields and disables the others of its group.
    void UpdateFields();
    [[nodiscard]] AccountOptions ReadOptions() const;
    void Generate();

    Document& m_document;
    std::shared_ptr<RandomSource> m_random;

    QRadioButton* m_accountFixed = nullptr;
    QLineEdit* m_accountLength = nullptr;
    QRadioButton* m_accountRange = nullptr;
    QLineEdit* m_accountShortest = nullptr;
    QLineEdit* m_accountLongest = nullptr;
    QCheckBox* m_accountLetterFirst = nullptr;

    QRadioButton* m_passwordFixed = nullptr;
    QLineEdit* m_passwordLength = nullptr;
    QRadioButton* m_passwordContent = nullptr;
    QLineEdit* m_passwordText = nullptr;
    QRadioButton* m_passwordRange = nullptr;
    QLineEdit* m_passwordShortest = nullptr;
    QLineEdit* m_passwordLongest = nullptr;
    QCheckBox* m_passwordLetterFirst = nullptr;

    QLineEdit* m_count = nullptr;
};

}  // namespace scribbet
