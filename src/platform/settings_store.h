#pragma once
// The store of string values that survive between runs (the registry on
// Windows). Failures are silent: a value that cannot be read is absent.
#include <optional>
#include <string>

namespace scribbet {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value stored under `name`, or nothing.
    [[nodiscard]] virtual std::optional<std::string> Read(const std::string& name) const = 0;
    // Stores `value` under `name`; false when it could not be written.
    virtual bool Write(const std::string& name, const std::string& value) = 0;
};

}  // namespace scribbet
