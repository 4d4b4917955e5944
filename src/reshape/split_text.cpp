#include "reshape/split_text.h"

#include "reshape/line_breaks.h"

namespace scribbet {

AnsiText SplitTextTool(std::string_view text, std::string_view separator) {
    const std::string_view lineBreak = kLineBreak;
    AnsiText out;
    // Each separator gives way to at most one line break, and the last piece gains one.
    out.reserve(text.size() + lineBreak.size() +
                (separator.size() < lineBreak.size() ? text.size() : 0));
    ForEachPiece(text, separator, [&](std::string_view piece) {
        out.append(piece);
        out.append(lineBreak);
    });
    return out;
}

}  // namespace scribbet
