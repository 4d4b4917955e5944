#pragma once
// The settings store over QSettings: the registry key
// HKEY_CURRENT_USER\Software\Notarel\常用文件 on Windows, Qt's native store
// under the same organization and application names elsewhere.
#include <QSettings>
#include <QString>

#include "platform/settings_store.h"

namespace scribbet {

class QtSettingsStore final : public SettingsStore {
public:
    // The program's own store.
    QtSettingsStore();
    // An INI file at filePath instead, so that tests stay inside a folder of
    // their own on every system.
    explicit QtSettingsStore(const QString& filePath);

    // A value that is missing or not a string (a number or binary value
    // written by another program) reads as nothing.
    [[nodiscard]] std::optional<std::string> Read(const std::string& name) const override;
    // Writes through to the store at once, so that a failure shows here.
    bool Write(const std::string& name, const std::string& value) override;

private:
    QSettings m_settings;
};

}  // namespace scribbet
