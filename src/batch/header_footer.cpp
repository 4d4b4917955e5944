#include "batch/header_footer.h"

namespace scribbet {

HeaderFooterCheck CheckHeaderFooter(const std::vector<std::string>& paths, std::string_view key,
                                    const HeaderFooterChoice& choice) {
    if (paths.empty()) return HeaderFooterCheck::NoFiles;
    if (!choice.header && !choice.footer) return HeaderFooterCheck::NoPosition;
    if (key.empty()) return HeaderFooterCheck::NoKey;
    return HeaderFooterCheck::Ready;
}

ByteBuffer ApplyHeaderFooter(std::string_view data, std::string_view key,
                             const HeaderFooterChoice& choice) {
    ByteBuffer result(data);
    if (choice.mode == HeaderFooterMode::Add) {
        if (choice.header) result = JoinBytes(key, result);
        if (choice.footer) result = JoinBytes(result, key);
        return result;
    }
    const Pos k = BytesLength(key);
    // Shorter data never matches: BytesLeft gives fewer bytes than the key.
    if (choice.header && BytesEqual(BytesLeft(result, k), key)) {
        result = BytesRight(result, BytesLength(result) - k);
    }
    if (choice.footer && BytesEqual(BytesRight(result, k), key)) {
        result = BytesLeft(result, BytesLength(result) - k);
    }
    return result;
}

BatchOutcome ChangeHeaderFooter(Files& files, const std::vector<std::string>& paths,
                                std::string_view key, const HeaderFooterChoice& choice) {
    BatchOutcome outcome;
    for (const std::string& path : paths) {
        // A file that cannot be read is not written: writing it would empty
        // it, or create one that was never there.
        const std::optional<ByteBuffer> data = files.ReadFile(path);
        if (!data) {
            outcome.failed.push_back({path, FileFault::Unreadable});
            continue;
        }
        if (choice.backup && !files.WriteFile(JoinText(path, kBackupSuffix), *data)) {
            outcome.failed.push_back({path, FileFault::BackupFailed});
            continue;
        }
        if (files.WriteFile(path, ApplyHeaderFooter(*data, key, choice))) {
            outcome.written.push_back(path);
        } else {
            outcome.failed.push_back({path, FileFault::Unwritable});
        }
    }
    return outcome;
}

}  // namespace scribbet
