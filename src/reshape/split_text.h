#pragma once
// Splitting the text at a separator, each piece on a paragraph of its own.
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

// The pieces of SplitText(text, separator), each followed by a line break:
// adjacent separators give empty paragraphs, a trailing one no empty last
// paragraph, an empty separator the whole text; the empty text stays empty.
[[nodiscard]] AnsiText SplitTextTool(std::string_view text, std::string_view separator);

// Calls visit(piece) for every element of SplitText(text, separator), in
// order, as views into text: the same pieces without building the list.
template <typename Visit>
void ForEachPiece(std::string_view text, std::string_view separator, Visit&& visit) {
    if (text.empty()) return;
    if (separator.empty()) {
        visit(text);
        return;
    }
    const Pos length = TextLength(text);
    const Pos size = TextLength(separator);
    Pos begin = 0;  // 0-based start of the current piece, a character start
    for (Pos p = FindText(text, separator, 1, false); p != -1;
         p = FindText(text, separator, begin + 1, false)) {
        visit(text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(p - 1 - begin)));
        begin = p - 1 + size;
    }
    if (begin < length) visit(text.substr(static_cast<std::size_t>(begin)));
}

}  // namespace scribbet
