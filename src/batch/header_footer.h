#pragma once
// Adding a common text to the start and/or end of files, or removing it
// where it stands there, on raw bytes, each file written back in place.
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_outcome.h"
#include "core/text_ops.h"
#include "platform/files.h"

namespace scribbet {

// A backup is the file's path with this appended.
inline constexpr char kBackupSuffix[] = ".bak";

enum class HeaderFooterMode { Add, Remove };

struct HeaderFooterChoice {
    HeaderFooterMode mode = HeaderFooterMode::Add;
    bool header = false;
    bool footer = false;
    bool backup = false;  // copy each file to <path>.bak first
};

enum class HeaderFooterCheck {
    Ready,
    NoFiles,     // the list is empty
    NoPosition,  // neither header nor footer chosen
    NoKey,       // nothing to add or remove
};

// The checks of the run, in this order.
[[nodiscard]] HeaderFooterCheck CheckHeaderFooter(const std::vector<std::string>& paths,
                                                  std::string_view key,
                                                  const HeaderFooterChoice& choice);

// The bytes with the key added at the chosen ends, or removed from the
// chosen ends where the bytes there equal it (the header first, then the
// footer of what is left).
[[nodiscard]] ByteBuffer ApplyHeaderFooter(std::string_view data, std::string_view key,
                                           const HeaderFooterChoice& choice);

// Rewrites every listed file, in order, atomically, whether or not it
// changed. A file that cannot be read, or whose backup cannot be made, is
// left untouched and reported.
BatchOutcome ChangeHeaderFooter(Files& files, const std::vector<std::string>& paths,
                                std::string_view key, const HeaderFooterChoice& choice);

}  // namespace scribbet
