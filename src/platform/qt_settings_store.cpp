#include "platform/qt_settings_store.h"

#include <QMetaType>
#include <QVariant>

namespace scribbet {
namespace {

QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Notarel"),
                 QStringLiteral("常用文件")) {}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : m_settings(filePath, QSettings::IniFormat) {}

std::optional<std::string> QtSettingsStore::Read(const std::string& name) const {
    const QVariant value = m_settings.value(ToQString(name));
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toUtf8().toStdString();
}

bool QtSettingsStore::Write(const std::string& name, const std::string& value) {
    m_settings.setValue(ToQString(name), ToQString(value));
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

}  // namespace scribbet
