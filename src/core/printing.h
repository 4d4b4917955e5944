#pragma once
// The layout of a printed document: the text cut into lines, the lines put
// on pages from the top down. Heights are in the printer's device pixels.
#include <string_view>
#include <vector>

#include "core/text_ops.h"

namespace scribbet {

// A line as a range of the text's bytes, without its line break.
struct PrintLine {
    Pos start = 0;
    Pos length = 0;
    friend bool operator==(const PrintLine& a, const PrintLine& b) {
        return a.start == b.start && a.length == b.length;
    }
};

// Every CR, every LF and every CR LF pair ends a line; the part after the
// last break is a line too, even when it is empty, so there is always one.
[[nodiscard]] std::vector<PrintLine> CutPrintLines(std::string_view text);

struct PrintMetrics {
    int pageHeight = 0;       // printable height less the top and bottom margins
    int lineHeight = 0;       // a line of text
    int emptyLineHeight = 0;  // an empty line
    int gap = 0;              // after every line
};

// A line on its page, `top` counted from the top margin.
struct PlacedLine {
    PrintLine line;
    int top = 0;
    friend bool operator==(const PlacedLine& a, const PlacedLine& b) {
        return a.line == b.line && a.top == b.top;
    }
};
using PrintPage = std::vector<PlacedLine>;

// The pages, each with its lines, empty lines included (they take room but
// show nothing). A line that does not fit below another goes to a new page;
// the first line of a page is put there even when it is taller than the page.
// Lines are never wrapped. There is always at least one page.
[[nodiscard]] std::vector<PrintPage> PaginateText(std::string_view text, const PrintMetrics& metrics);

}  // namespace scribbet
