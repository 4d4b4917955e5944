#include "reshape/spaces.h"

#include "reshape/growth_limit.h"
#include "reshape/line_breaks.h"

namespace scribbet {
namespace {

using Trim = AnsiText (*)(std::string_view);

// Each paragraph as `trim` leaves it, after `pad` and before a line break.
AnsiText EachParagraph(const TextList& paragraphs, std::size_t textLength, std::string_view pad,
                       Trim trim) {
    const std::string_view lineBreak = kLineBreak;
    AnsiText out;
    out.reserve(textLength + paragraphs.size() * (pad.size() + lineBreak.size()));
    for (const AnsiText& paragraph : paragraphs) {
        out.append(pad);
        out.append(trim(paragraph));
        out.append(lineBreak);
    }
    return out;
}

}  // namespace

std::optional<AnsiText> IndentParagraphs(std::string_view text, std::int32_t indentation) {
    const TextList paragraphs = SplitText(text, kLineBreak);
    if (paragraphs.empty()) return AnsiText();
    if (indentation > kMaxGrowth / static_cast<Pos>(paragraphs.size())) return std::nullopt;
    return EachParagraph(paragraphs, text.size(), SpaceText(indentation), TrimStart);
}

AnsiText DeleteSpaces(std::string_view text, SpacePart part) {
    Trim trim = TrimBoth;
    switch (part) {
        case SpacePart::Everywhere: return RemoveSpaces(text);
        case SpacePart::ParagraphStart: trim = TrimStart; break;
        case SpacePart::ParagraphEnd: trim = TrimEnd; break;
        case SpacePart::BothEnds: trim = TrimBoth; break;
    }
    return EachParagraph(SplitText(text, kLineBreak), text.size(), {}, trim);
}

}  // namespace scribbet
