#include "generate/account_password_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "generate/number_field.h"

namespace scribbet {
namespace {

const char kFixedLength[] = "固定长度：";
const char kRange[] = "长度范围  最短：";
const char kLongest[] = "最长：";
const char kLetterFirst[] = "首位不为数字";

QRadioButton* NewChoice(const char* caption, const char* objectName, QWidget* parent) {
    auto* choice = new QRadioButton(QString::fromUtf8(caption), parent);
    choice->setObjectName(QString::fromLatin1(objectName));
    return choice;
}

QCheckBox* NewSwitch(const char* objectName, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(kLetterFirst), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

int Number(const QLineEdit* field) {
    return TextToInt(EncodeAnsi(field->text().toUtf8().toStdString()));
}

}  // namespace

AccountPasswordDialog::AccountPasswordDialog(Document& document,
                                             std::shared_ptr<RandomSource> random,
                                             QWidget* parent)
    : QDialog(parent), m_document(document), m_random(std::move(random)) {
    setWindowTitle(QStringLiteral("生成账号密码"));
    setModal(false);

    auto* accountGroup = new QGroupBox(QStringLiteral("账号"), this);
    m_accountFixed = NewChoice(kFixedLength, "accountFixed", accountGroup);
    m_accountLength = NewNumberField("accountLength", {}, accountGroup);
    m_accountRange = NewChoice(kRange, "accountRange", accountGroup);
    m_accountShortest = NewNumberField("accountShortest", {}, accountGroup);
    m_accountLongest = NewNumberField("accountLongest", {}, accountGroup);
    m_accountLetterFirst = NewSwitch("accountLetterFirst", accountGroup);
    auto* accountChoices = new QButtonGroup(accountGroup);
    accountChoices->addButton(m_accountFixed);
    accountChoices->addButton(m_accountRange);
    m_accountRange->setChecked(true);

    auto* accountLayout = new QGridLayout(accountGroup);
    accountLayout->addWidget(m_accountFixed, 0, 0);
    accountLayout->addWidget(m_accountLength, 0, 1);
    accountLayout->addWidget(m_accountRange, 1, 0);
    accountLayout->addWidget(m_accountShortest, 1, 1);
    accountLayout->addWidget(new QLabel(QString::fromUtf8(kLongest), accountGroup), 1, 2);
    accountLayout->addWidget(m_accountLongest, 1, 3);
    accountLayout->addWidget(m_accountLetterFirst, 2, 0, 1, 4);

    auto* passwordGroup = new QGroupBox(QStringLiteral("密码"), this);
    m_passwordFixed = NewChoice(kFixedLength, "passwordFixed", passwordGroup);
    m_passwordLength = NewNumberField("passwordLength", {}, passwordGroup);
    m_passwordContent = NewChoice("固定内容：", "passwordContent", passwordGroup);
    m_passwordText = new QLineEdit(passwordGroup);
    m_passwordText->setObjectName(QStringLiteral("passwordText"));
    m_passwordRange = NewChoice(kRange, "passwordRange", passwordGroup);
    m_passwordShortest = NewNumberField("passwordShortest", {}, passwordGroup);
    m_passwordLongest = NewNumberField("passwordLongest", {}, passwordGroup);
    m_passwordLetterFirst = NewSwitch("passwordLetterFirst", passwordGroup);
    auto* passwordChoices = new QButtonGroup(passwordGroup);
    passwordChoices->addButton(m_passwordFixed);
    passwordChoices->addButton(m_passwordContent);
    passwordChoices->addButton(m_passwordRange);
    m_passwordRange->setChecked(true);

    auto* passwordLayout = new QGridLayout(passwordGroup);
    passwordLayout->addWidget(m_passwordFixed, 0, 0);
    passwordLayout->addWidget(m_passwordLength, 0, 1);
    passwordLayout->addWidget(m_passwordContent, 1, 0);
    passwordLayout->addWidget(m_passwordText, 1, 1, 1, 3);
    passwordLayout->addWidget(m_passwordRange, 2, 0);
    passwordLayout->addWidget(m_passwordShortest, 2, 1);
    passwordLayout->addWidget(new QLabel(QString::fromUtf8(kLongest), passwordGroup), 2, 2);
    passwordLayout->addWidget(m_passwordLongest, 2, 3);
    passwordLayout->addWidget(m_passwordLetterFirst, 3, 0, 1, 4);

    auto* countGroup = new QGroupBox(QStringLiteral("生成数量"), this);
    m_count = NewNumberField("count", QStringLiteral("10"), countGroup);
    auto* generate = new QPushButton(QStringLiteral("生成"), countGroup);
    generate->setObjectName(QStringLiteral("generate"));
    generate->setAutoDefault(false);
    auto* countLayout = new QHBoxLayout(countGroup);
    countLayout->addWidget(m_count, 1);
    countLayout->addWidget(generate);

    for (QLineEdit* field : {m_accountLength, m_accountShortest, m_accountLongest, m_passwordLength,
                             m_passwordShortest, m_passwordLongest}) {
        field->setMaximumWidth(70);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(accountGroup);
    layout->addWidget(passwordGroup);
    layout->addWidget(countGroup);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    UpdateFields();
    for (QRadioButton* choice : {m_accountFixed, m_accountRange, m_passwordFixed,
                                 m_passwordContent, m_passwordRange}) {
        connect(choice, &QRadioButton::toggled, this, [this] { UpdateFields(); });
    }
    connect(generate, &QPushButton::clicked, this, [this] { Generate(); });
}

void AccountPasswordDialog::UpdateFields() {
    m_accountLength->setEnabled(m_accountFixed->isChecked());
    m_accountShortest->setEnabled(m_accountRange->isChecked());
    m_accountLongest->setEnabled(m_accountRange->isChecked());
    m_passwordLength->setEnabled(m_passwordFixed->isChecked());
    m_passwordText->setEnabled(m_passwordContent->isChecked());
    m_passwordShortest->setEnabled(m_passwordRange->isChecked());
    m_passwordLongest->setEnabled(m_passwordRange->isChecked());
}

AccountOptions AccountPasswordDialog::ReadOptions() const {
    AccountOptions options;
    options.account.choice = m_accountFixed->isChecked() ? LengthChoice::Fixed : LengthChoice::Range;
    options.account.fixedLength = Number(m_accountLength);
    options.account.shortest = Number(m_accountShortest);
    options.account.longest = Number(m_accountLongest);
    options.account.firstNotDigit = m_accountLetterFirst->isChecked();

    options.password.choice = m_passwordFixed->isChecked()     ? LengthChoice::Fixed
                              : m_passwordContent->isChecked() ? LengthChoice::FixedContent
                                                               : LengthChoice::Range;
    options.password.fixedLength = Number(m_passwordLength);
    options.password.shortest = Number(m_passwordShortest);
    options.password.longest = Number(m_passwordLongest);
    options.password.firstNotDigit = m_passwordLetterFirst->isChecked();
    options.password.content = EncodeAnsi(m_passwordText->text().toUtf8().toStdString());

    options.count = Number(m_count);
    return options;
}

void AccountPasswordDialog::Generate() {
    // One write: the list replaces the text as one undo step.
    m_document.SetText(GenerateAccounts(*m_random, ReadOptions()));
}

}  // namespace scribbet
