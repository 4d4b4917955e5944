#include "reshape/sequence.h"

#include <algorithm>

namespace scribbet {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The bytes of the decimal forms of all integers first .. last (first <=
// last), minus signs included, counted by runs of equal width so that a
// billion numbers cost a few steps. Computed ahead, it lets a tool refuse a
// result too long to hold before building any of it, and reserve it exactly.
Pos DecimalWidthSum(std::int64_t first, std::int64_t last) {
    // Digits of all integers lo .. hi, 0 <= lo <= hi.
    const auto digits = [](std::int64_t lo, std::int64_t hi) {
        Pos total = 0;
        std::int64_t runStart = 0;
        std::int64_t runEnd = 9;
        for (Pos width = 1;; ++width) {
            const std::int64_t a = std::max(lo, runStart);
            const std::int64_t b = std::min(hi, runEnd);
            if (a <= b) total += (b - a + 1) * width;
            if (hi <= runEnd) return total;
            runStart = runEnd + 1;
            runEnd = runEnd * 10 + 9;
        }
    };
    Pos total = 0;
    if (first < 0) {
        const std::int64_t negativeEnd = std::min<std::int64_t>(last, -1);
        total += (negativeEnd - first + 1) + digits(-negativeEnd, -first);
    }
    if (last >= 0) total += digits(std::max<std::int64_t>(first, 0), last);
    return total;
}

// Builds the affixes of lines or paragraphs 1 .. count.
class AffixMaker {
public:
    explicit AffixMaker(const Affix& affix)
        : m_affix(affix), m_first(affix.numbered ? TextToInt(affix.startNumber) : 0) {}

    // The bytes of affixes 1 .. count together.
    [[nodiscard]] Pos Bytes(Pos count) const {
        if (count <= 0) return 0;
        Pos total = count * static_cast<Pos>(m_affix.left.size() + m_affix.right.size());
        if (m_affix.numbered) total += DecimalWidthSum(m_first, m_first + count - 1);
        return total;
    }

    // Appends affix(i).
    void Append(AnsiText& out, Pos i) const {
        out.append(m_affix.left);
        // Counted in 64 bits, as the start number may be the largest 32-bit
        // one. Every number stays far below 13 digits, where RealToText
        // writes a whole number just as IntToText does, only slower.
        if (m_affix.numbered) out.append(IntToText(m_first + i - 1));
        out.append(m_affix.right);
    }

private:
    const Affix& m_affix;
    std::int64_t m_first;
};

enum class Place { Start, End };

std::optional<AnsiText> InsertAffix(std::string_view text, const Affix& affix, Place place,
                                    Pos limit) {
    const TextList paragraphs = SplitText(text, kLineBreak);
    const Pos count = static_cast<Pos>(paragraphs.size());
    const AffixMaker maker(affix);
    Pos bytes = maker.Bytes(count) + count * static_cast<Pos>(kLineBreak.size());
    for (const AnsiText& paragraph : paragraphs) bytes += static_cast<Pos>(paragraph.size());
    if (bytes > limit) return std::nullopt;

    AnsiText out;
    out.reserve(static_cast<std::size_t>(bytes));
    for (Pos i = 1; i <= count; ++i) {
        const AnsiText& paragraph = paragraphs[static_cast<std::size_t>(i - 1)];
        if (place == Place::Start) maker.Append(out, i);
        out.append(paragraph);
        if (place == Place::End) maker.Append(out, i);
        out.append(kLineBreak);
    }
    return out;
}

}  // namespace

std::optional<SequenceMode> SequenceModeOf(int toolMode) {
    switch (toolMode) {
        case static_cast<int>(SequenceMode::NumberedLines):
            return SequenceMode::NumberedLines;
        case static_cast<int>(SequenceMode::ParagraphStart):
            return SequenceMode::ParagraphStart;
        case static_cast<int>(SequenceMode::ParagraphEnd):
            return SequenceMode::ParagraphEnd;
        default:
            return std::nullopt;
    }
}

std::optional<AnsiText> NumberedLines(const Affix& affix, std::string_view lineCount, Pos limit) {
    const Pos count = TextToInt(lineCount);
    if (count <= 0) return AnsiText();
    const AffixMaker maker(affix);
    const Pos bytes = maker.Bytes(count) + count * static_cast<Pos>(kLineBreak.size());
    if (bytes > limit) return std::nullopt;

    AnsiText out;
    out.reserve(static_cast<std::size_t>(bytes));
    for (Pos i = 1; i <= count; ++i) {
        maker.Append(out, i);
        out.append(kLineBreak);
    }
    return out;
}

std::optional<AnsiText> InsertAtParagraphStart(std::string_view text, const Affix& affix,
                                               Pos limit) {
    return InsertAffix(text, affix, Place::Start, limit);
}

std::optional<AnsiText> InsertAtParagraphEnd(std::string_view text, const Affix& affix,
                                             Pos limit) {
    return InsertAffix(text, affix, Place::End, limit);
}

}  // namespace scribbet
