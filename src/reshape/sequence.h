#pragma once
// Numbered lines and paragraph affixes. An affix is the left text, the
// running number (while it is switched on) and the right text; the number of
// line or paragraph i (from 1) is the start number + i - 1, computed beyond
// the 32-bit range so that it never wraps.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text_ops.h"

namespace scribbet {

// What the three operations of the numbered-lines window do. The values are
// those of the shared tool mode that the menu sets before opening it.
enum class SequenceMode {
    NumberedLines = 1,   // generate the lines
    ParagraphStart = 2,  // insert the affix before every paragraph
    ParagraphEnd = 3,    // insert the affix after every paragraph
};

// The operation of a tool mode, or none for a mode the window does not know.
[[nodiscard]] std::optional<SequenceMode> SequenceModeOf(int toolMode);

// The affix fields as typed: texts are used as they are, spaces included.
struct Affix {
    AnsiText left;
    bool numbered = true;  // the running number stands between left and right
    AnsiText startNumber;  // read with TextToInt: no digits give 0
    AnsiText right;
};

// The longest text these tools build. The edit area holds the text as UTF-8,
// up to one and a half times the code-page bytes, and counts positions in 32
// bits; a longer result would not fit or would exhaust memory and end the
// program with the document lost. Ten times the documents the editor is made for.
inline constexpr Pos kMaxResultBytes = Pos{1} << 30;

// TextToInt(lineCount) lines, line i being affix(i) + CR LF; the empty text
// for a count of 0 or less. Nothing when the text would exceed `limit` bytes.
[[nodiscard]] std::optional<AnsiText> NumberedLines(const Affix& affix, std::string_view lineCount,
                                                    Pos limit = kMaxResultBytes);

// Every paragraph (the elements of SplitText(text, CR LF)) with affix(i)
// before it, each followed by CR LF, the last one included; the empty text
// stays empty. Nothing when the text would exceed `limit` bytes.
[[nodiscard]] std::optional<AnsiText> InsertAtParagraphStart(std::string_view text,
                                                             const Affix& affix,
                                                             Pos limit = kMaxResultBytes);
// The same with affix(i) after paragraph i, before its CR LF.
[[nodiscard]] std::optional<AnsiText> InsertAtParagraphEnd(std::string_view text,
                                                           const Affix& affix,
                                                           Pos limit = kMaxResultBytes);

}  // namespace scribbet
