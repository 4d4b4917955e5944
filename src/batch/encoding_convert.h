#pragma once
// Converting files between the code page (GBK) and UTF-8, each written back
// in place, atomically, only when its bytes change and nothing is lost.
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_outcome.h"
#include "core/text_ops.h"
#include "platform/files.h"

namespace scribbet {

enum class EncodingTarget { Ansi, Utf8, Utf8Bom };

enum class ConversionResult {
    Converted,    // the bytes are the file in the target encoding
    AlreadyThere, // the file is in the target encoding already
    NotLossless,  // invalid sequences, or characters the target cannot hold
};

struct ConvertedBytes {
    ConversionResult result = ConversionResult::AlreadyThere;
    ByteBuffer bytes;  // when Converted
};

// One file's bytes in the target encoding. The source encoding is detected
// (a byte-order mark, or valid UTF-8 with a multi-byte sequence; else the
// code page); no stop rule applies, every byte counts.
[[nodiscard]] ConvertedBytes ConvertEncoding(std::string_view bytes, EncodingTarget target);

struct ConversionOutcome {
    std::vector<std::string> converted;  // in the order they were written
    std::vector<std::string> unchanged;  // already in the target encoding
    std::vector<FileFailure> failed;     // in the order they were met
};

// Converts every listed file, in order. With `backup` each converted file is
// first copied to <path>.bak; a file whose backup fails is left alone.
ConversionOutcome ConvertFiles(Files& files, const std::vector<std::string>& paths,
                               EncodingTarget target, bool backup);

}  // namespace scribbet
