#include "batch/encoding_convert.h"

#include "batch/header_footer.h"
#include "core/code_page.h"
#include "core/file_encoding.h"

namespace scribbet {

ConvertedBytes ConvertEncoding(std::string_view bytes, EncodingTarget target) {
    const FileEncoding source = DetectEncoding(bytes);
    // A file that is not Unicode is already ANSI, whatever bytes it holds.
    if (target == EncodingTarget::Ansi && source == FileEncoding::Ansi) return {};
    const std::optional<std::string> utf8 = FileToUtf8(bytes, source);
    if (!utf8) return {ConversionResult::NotLossless, {}};
    ByteBuffer converted;
    if (target == EncodingTarget::Ansi) {
        converted = EncodeAnsi(*utf8);
        // U+0000 and the private code points of undecodable pairs would not
        // come back as themselves.
        if (FileToUtf8(converted, FileEncoding::Ansi) != utf8) {
            return {ConversionResult::NotLossless, {}};
        }
    } else {
        converted.reserve(utf8->size() + 3);
        if (target == EncodingTarget::Utf8Bom) converted.append("\xEF\xBB\xBF");
        converted.append(*utf8);
    }
    // ASCII is UTF-8 already; a file with its mark already there is too.
    if (converted == bytes) return {};
    return {ConversionResult::Converted, std::move(converted)};
}

ConversionOutcome ConvertFiles(Files& files, const std::vector<std::string>& paths,
                               EncodingTarget target, bool backup) {
    ConversionOutcome outcome;
    for (const std::string& path : paths) {
        const std::optional<ByteBuffer> data = files.ReadFile(path);
        if (!data) {
            outcome.failed.push_back({path, FileFault::Unreadable});
            continue;
        }
        ConvertedBytes converted = ConvertEncoding(*data, target);
        if (converted.result == ConversionResult::AlreadyThere) {
            outcome.unchanged.push_back(path);
            continue;
        }
        if (converted.result == ConversionResult::NotLossless) {
            outcome.failed.push_back({path, FileFault::NotLossless});
            continue;
        }
        if (backup && !files.WriteFile(JoinText(path, kBackupSuffix), *data)) {
            outcome.failed.push_back({path, FileFault::BackupFailed});
            continue;
        }
        if (files.WriteFile(path, converted.bytes)) {
            outcome.converted.push_back(path);
        } else {
            outcome.failed.push_back({path, FileFault::Unwritable});
        }
    }
    return outcome;
}

}  // namespace scribbet
