#pragma once
// Whole-file reading and writing. Paths are the platform's native path text
// in UTF-8; they are never converted to the document's code page.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_ops.h"

namespace scribbet {

// One file of a batch write: where, and the bytes it is to hold.
struct FileWrite {
    std::string path;
    std::string_view bytes;
};

// A file being written piece by piece. The bytes go to a temporary file
// beside it, which takes its place only on Commit; a writer dropped without
// Commit leaves the file as it was.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // False once any append has failed.
    [[nodiscard]] virtual bool Append(std::string_view bytes) = 0;
    // The file now holds what was appended, as WriteFile would leave it;
    // false (the old file intact) when anything failed.
    [[nodiscard]] virtual bool Commit() = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // All bytes of the file, or nothing when it cannot be opened, is no
    // regular file (a folder, a pipe, a device) or an error occurs while
    // reading it.
    [[nodiscard]] virtual std::optional<ByteBuffer> ReadFile(const std::string& path) = 0;
    // Replaces the file's contents with `bytes` atomically: the bytes go to a
    // temporary file in the same folder, which then takes the file's place
    // with its permissions; a symbolic link is written through to the file
    // it names. On failure (false) the old file is left as it was.
    [[nodiscard]] virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
    // Whether anything stands at the path: a file, a folder, even a link
    // that names nothing.
    [[nodiscard]] virtual bool Exists(const std::string& path) = 0;
    // Writes each file as WriteFile does, atomically and each on its own,
    // but lets them reach the disk together, which spares a wait per file
    // when there are thousands. Whether each was written, in order.
    [[nodiscard]] virtual std::vector<bool> WriteFiles(const std::vector<FileWrite>& writes) {
        std::vector<bool> written;
        written.reserve(writes.size());
        for (const FileWrite& write : writes) written.push_back(WriteFile(write.path, write.bytes));
        return written;
    }
    // A writer for the file, or null when it cannot be written at all.
    // This one gathers the bytes and hands them to WriteFile.
    [[nodiscard]] virtual std::unique_ptr<FileWriter> CreateWriter(const std::string& path);
    // The current user's folder for temporary files, without a trailing
    // separator. Where the system's temporary folder is shared between users
    // (/tmp), it is a folder of the user's own inside it, created with mode
    // 0700 and used only while it belongs to the user and nobody else may
    // enter it; nothing when no such folder can be had (also the default for
    // files that have no temporary folder).
    [[nodiscard]] virtual std::optional<std::string> PrivateTempFolder() { return std::nullopt; }
};

// The files of this machine.
class LocalFiles final : public Files {
public:
    [[nodiscard]] std::optional<ByteBuffer> ReadFile(const std::string& path) override;
    [[nodiscard]] bool WriteFile(const std::string& path, std::string_view bytes) override;
    [[nodiscard]] bool Exists(const std::string& path) override;
#ifndef _WIN32
    [[nodiscard]] std::vector<bool> WriteFiles(const std::vector<FileWrite>& writes) override;
    [[nodiscard]] std::unique_ptr<FileWriter> CreateWriter(const std::string& path) override;
#endif
    [[nodiscard]] std::optional<std::string> PrivateTempFolder() override;
};

}  // namespace scribbet
