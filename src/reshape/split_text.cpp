#include "reshape/split_text.h"

#include "reshape/line_breaks.h"

namespace scribbet {

AnsiText SplitTextTool(std::string_view text, std::string_view separator) {
    const TextList pieces = SplitText(text, separator);
    const std::string_view lineBreak = kLineBreak;
    AnsiText out;
    out.reserve(text.size() + pieces.size() * lineBreak.size());
    for (const AnsiText& piece : pieces) {
        out.append(piece);
        out.append(lineBreak);
    }
    return out;
}

}  // namespace scribbet
