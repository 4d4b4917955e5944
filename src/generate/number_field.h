#pragma once
// The generator windows' number fields: only "0" to "9" and "-" can be
// typed; the number is read with TextToInt, so a lone "-" reads as 0.
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace scribbet {

inline QLineEdit* NewNumberField(const char* objectName, const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), field));
    return field;
}

}  // namespace scribbet
