#include "reshape/line_breaks.h"

#include "reshape/growth_limit.h"

namespace scribbet {
namespace {

constexpr std::string_view kBreak = kLineBreak;
constexpr std::string_view kDoubleBreak = "\r\n\r\n";

AnsiText LineBreaks(Pos count) {
    AnsiText breaks;
    if (count <= 0) return breaks;
    breaks.reserve(static_cast<std::size_t>(count) * kBreak.size());
    for (Pos i = 0; i < count; ++i) breaks.append(kBreak);
    return breaks;
}

bool BreakAt(std::string_view text, Pos i) {
    return i >= 0 && i + 2 <= TextLength(text) && text[static_cast<std::size_t>(i)] == '\r' &&
           text[static_cast<std::size_t>(i + 1)] == '\n';
}

// Occurrences at character starts, left to right without overlapping.
Pos CountOccurrences(std::string_view text, std::string_view sought) {
    const Pos size = TextLength(sought);
    Pos count = 0;
    for (Pos p = FindText(text, sought, std::nullopt, false); p != -1;
         p = FindText(text, sought, p + size, false)) {
        ++count;
    }
    return count;
}

}  // namespace

std::optional<AnsiText> CollapseLineBreaks(std::string_view text) {
    // Replacing double line breaks by single ones until none is left halves
    // every run at each pass, and a pass never changes where characters
    // start, since line breaks are one-byte characters. So each run ends as
    // one line break, and one pass over the runs gives the same text.
    Pos p = FindText(text, kDoubleBreak, std::nullopt, false);
    if (p == -1) return std::nullopt;
    const Pos length = TextLength(text);
    AnsiText out;
    out.reserve(text.size());
    Pos done = 0;  // 0-based: the bytes before it are written
    while (p != -1) {
        Pos end = p - 1 + TextLength(kDoubleBreak);
        while (BreakAt(text, end)) end += 2;
        out.append(text.substr(static_cast<std::size_t>(done),
                               static_cast<std::size_t>(p - 1 - done)));
        out.append(kBreak);
        done = end;
        // The byte after a run starts a character.
        p = done < length ? FindText(text, kDoubleBreak, done + 1, false) : -1;
    }
    out.append(text.substr(static_cast<std::size_t>(done)));
    return out;
}

std::optional<AnsiText> ChangeLineBreakCount(std::string_view text, std::int32_t replacedCount,
                                             std::int32_t insertedCount) {
    // Trailing line breaks go by bytes, as TextRight sees them.
    while (BreakAt(text, TextLength(text) - 2)) text.remove_suffix(2);
    const Pos sizeOfRun = Pos{replacedCount} * TextLength(kBreak);
    // A run longer than the text cannot occur: leave it unbuilt.
    if (replacedCount <= 0 || sizeOfRun > TextLength(text)) return AnsiText(text);
    const AnsiText sought = LineBreaks(replacedCount);
    // The text never ends with a line break now, so cutting it at every run
    // and joining the pieces with the new run between them is replacing.
    if (insertedCount > replacedCount) {
        const Pos count = CountOccurrences(text, sought);
        if (count == 0) return AnsiText(text);
        const Pos growthPerRun = (Pos{insertedCount} - replacedCount) * TextLength(kBreak);
        if (growthPerRun > kMaxGrowth / count) return std::nullopt;
    }
    return ReplaceText(text, sought, LineBreaks(insertedCount), true);
}

AnsiText MergeParagraphs(std::string_view text) {
    // Cutting at every line break and joining the pieces with nothing
    // between them is deleting every line break.
    return ReplaceText(text, kBreak, {}, true);
}

}  // namespace scribbet
