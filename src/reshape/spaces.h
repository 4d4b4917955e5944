#pragma once
// Paragraph indentation and space deletion. Spaces are 0x20 and the
// full-width space A1 A1; tabs are not spaces. Paragraphs are the pieces of
// SplitText(text, CR LF).
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

// Every paragraph, empty ones included, loses its leading spaces, gains
// `indentation` ASCII spaces (none when 0 or less) and ends with a line
// break. Nothing when the spaces would add more than kMaxGrowth.
[[nodiscard]] std::optional<AnsiText> IndentParagraphs(std::string_view text,
                                                       std::int32_t indentation);

enum class SpacePart {
    ParagraphStart,  // leading spaces of every paragraph
    ParagraphEnd,    // trailing spaces of every paragraph
    BothEnds,        // both
    Everywhere,      // every space, line breaks kept
};

// The spaces of `part` deleted. Per paragraph, every paragraph ends with a
// line break afterwards; Everywhere adds none.
[[nodiscard]] AnsiText DeleteSpaces(std::string_view text, SpacePart part);

}  // namespace scribbet
