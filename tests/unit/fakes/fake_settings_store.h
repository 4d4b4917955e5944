#pragma once
// A settings store held in memory that records each write; names can be made
// to fail writing.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings_store.h"

namespace scribbet {

class FakeSettingsStore final : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    std::set<std::string> unwritable;
    // Every write asked for, in order, the failed ones included.
    std::vector<std::pair<std::string, std::string>> writes;

    [[nodiscard]] std::optional<std::string> Read(const std::string& name) const override {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }

    bool Write(const std::string& name, const std::string& value) override {
        writes.emplace_back(name, value);
        if (unwritable.count(name)) return false;
        values[name] = value;
        return true;
    }
};

}  // namespace scribbet
