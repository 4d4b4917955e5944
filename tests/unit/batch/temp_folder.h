#pragma once
// A fresh folder of real files for each test, removed afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "batch/batch_outcome.h"
#include "platform/files.h"

namespace scribbet {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scribbet-batch-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(root, ignored);
    }

    // The native path of a name inside the folder ("sub/a.txt" allowed).
    std::string Path(const std::string& name) const { return (root / name).string(); }
    // The folder as the window's output prefix: with a separator at the end.
    std::string Prefix(const std::string& sub = "") const {
        return (sub.empty() ? root : root / sub).string() + kPathSeparator;
    }
    std::string Put(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = root / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    // A folder where a file is expected: it exists, yet cannot be read.
    std::string PutFolder(const std::string& name) const {
        std::filesystem::create_directories(root / name);
        return Path(name);
    }
    static std::optional<std::string> Get(const std::string& path) {
        if (!std::filesystem::is_regular_file(path)) return std::nullopt;
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Every name under the folder, sorted, sub-folders as "sub/name".
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            names.push_back(entry.path().lexically_relative(root).generic_string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool RunningAsRoot() {
#ifdef _WIN32
        return false;
#else
        return geteuid() == 0;
#endif
    }

    std::filesystem::path root;
    LocalFiles files;
};

inline void PrintTo(const FileFailure& failure, std::ostream* out) {
    *out << "{" << failure.path << ", " << static_cast<int>(failure.fault) << "}";
}

}  // namespace scribbet
