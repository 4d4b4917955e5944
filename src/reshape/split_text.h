#pragma once
// Splitting the text at a separator, each piece on a paragraph of its own.
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

// The pieces of SplitText(text, separator), each followed by a line break:
// adjacent separators give empty paragraphs, a trailing one no empty last
// paragraph, an empty separator the whole text; the empty text stays empty.
[[nodiscard]] AnsiText SplitTextTool(std::string_view text, std::string_view separator);

}  // namespace scribbet
