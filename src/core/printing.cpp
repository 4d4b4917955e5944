#include "core/printing.h"

namespace scribbet {

std::vector<PrintLine> CutPrintLines(std::string_view text) {
    std::vector<PrintLine> lines;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* start = begin;
    const char* p = begin;
    while (p < end) {
        const char c = *p;
        if (c != '\r' && c != '\n') {
            ++p;
            continue;
        }
        lines.push_back({start - begin, p - start});
        p += (c == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
        start = p;
    }
    lines.push_back({start - begin, end - start});
    return lines;
}

std::vector<PrintPage> PaginateText(std::string_view text, const PrintMetrics& metrics) {
    std::vector<PrintPage> pages(1);
    int y = 0;
    for (const PrintLine& line : CutPrintLines(text)) {
        const int height = line.length == 0 ? metrics.emptyLineHeight : metrics.lineHeight;
        if (y > 0 && y + height > metrics.pageHeight) {
            pages.emplace_back();
            y = 0;
        }
        pages.back().push_back({line, y});
        y += height + metrics.gap;
    }
    return pages;
}

}  // namespace scribbet
