#pragma once
// Deleting or keeping the paragraphs that a list of numbers names.
// Paragraphs are the elements of SplitText(text, CR LF), numbered from 1.
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

enum class ParagraphChoice {
    Delete,  // the named paragraphs go
    Keep,    // only the named paragraphs stay
};

// `numbers` is cut at ASCII commas and each element read with TextToInt, so
// an element without digits (or 0, or past the last paragraph) names none;
// repeats and order do not matter. The kept paragraphs stay in document
// order, each followed by CR LF unless it is the document's last paragraph.
[[nodiscard]] AnsiText SelectParagraphs(std::string_view text, std::string_view numbers,
                                        ParagraphChoice choice);

}  // namespace scribbet
