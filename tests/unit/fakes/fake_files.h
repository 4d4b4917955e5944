#pragma once
// Files held in memory; paths can be made to fail reading or writing.
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace scribbet {

class FakeFiles final : public Files {
public:
    std::map<std::string, ByteBuffer> files;
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
    int writes = 0;
    // The private temporary folder; nothing when there is none.
    std::optional<std::string> tempFolder = std::string("/home/user/tmp");

    std::optional<ByteBuffer> ReadFile(const std::string& path) override {
        if (unreadable.count(path)) return std::nullopt;
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }

    bool WriteFile(const std::string& path, std::string_view bytes) override {
        ++writes;
        if (unwritable.count(path)) return false;
        files[path] = ByteBuffer(bytes);
        return true;
    }

    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::string> PrivateTempFolder() override { return tempFolder; }
};

}  // namespace scribbet
