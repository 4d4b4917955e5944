#pragma once
// Whole-file reading and writing. Paths are the platform's native path text
// in UTF-8; they are never converted to the document's code page.
#include <optional>
#include <string>
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

class Files {
public:
    virtual ~Files() = default;
    // All bytes of the file, or nothing when it cannot be opened or an error
    // occurs while reading it.
    [[nodiscard]] virtual std::optional<ByteBuffer> ReadFile(const std::string& path) = 0;
    // Replaces the file's contents with `bytes` atomically: the bytes go to a
    // temporary file in the same folder, which then takes the file's place
    // with its permissions; a symbolic link is written through to the file
    // it names. On failure (false) the old file is left as it was.
    [[nodiscard]] virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
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
    [[nodiscard]] std::optional<std::string> PrivateTempFolder() override;
};

}  // namespace scribbet
