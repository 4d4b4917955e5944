#pragma once
// The line-break tools: collapsing runs of line breaks, changing runs of a
// number of line breaks into another number, merging into one paragraph.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

inline constexpr char kLineBreak[] = "\r\n";

// Every run of two or more line breaks (CR LF pairs at character starts)
// becomes one line break. Nothing when the text holds no double line break:
// the document is then left as it is.
[[nodiscard]] std::optional<AnsiText> CollapseLineBreaks(std::string_view text);

// Drops every line break at the end (CR LF byte pairs), then changes every
// run of `replacedCount` consecutive line breaks, taken from the left
// without overlapping, into `insertedCount` line breaks: a run of K becomes
// (K div N) x M + (K mod N). A count of 0 or less stands for no line breaks.
// Nothing when the result would grow by more than kMaxGrowth.
[[nodiscard]] std::optional<AnsiText> ChangeLineBreakCount(std::string_view text,
                                                           std::int32_t replacedCount,
                                                           std::int32_t insertedCount);

// Every line break removed; a CR or LF that is not part of a pair stays.
[[nodiscard]] AnsiText MergeParagraphs(std::string_view text);

}  // namespace scribbet
