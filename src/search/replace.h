#pragma once
// Replacing every occurrence of a literal text in one step.
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

// Every occurrence of sought that begins at a character start, left to right
// and without overlapping, replaced by replacement as typed; what a
// replacement inserts is never searched again. Without caseSensitive the
// ASCII letters are folded, byte by byte over the span. An empty sought text
// leaves the text as it is.
[[nodiscard]] AnsiText BasicReplace(std::string_view text, std::string_view sought,
                                    std::string_view replacement, bool caseSensitive);

}  // namespace scribbet
