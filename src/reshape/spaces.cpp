#include "reshape/spaces.h"

#include "reshape/growth_limit.h"
#include "reshape/line_breaks.h"
#include "reshape/split_text.h"

namespace scribbet {
namespace {

using Trim = AnsiText (*)(std::string_view);

// Each paragraph as `trim` leaves it, after `pad` and before a line break.
AnsiText EachParagraph(std::string_view text, Pos paragraphs, std::string_view pad, Trim trim) {
    const std::string_view lineBreak = kLineBreak;
    AnsiText out;
    out.reserve(text.size() + static_cast<std::size_t>(paragraphs) * pad.size() + lineBreak.size());
    ForEachPiece(text, lineBreak, [&](std::string_view paragraph) {
        out.append(pad);
        out.append(trim(paragraph));
        out.append(lineBreak);
    });
    return out;
}

Pos CountParagraphs(std::string_view text) {
    Pos count = 0;
    ForEachPiece(text, kLineBreak, [&count](std::string_view) { ++count; });
    return count;
}

}  // namespace

std::optional<AnsiText> IndentParagraphs(std::string_view text, std::int32_t indentation) {
    if (indentation <= 0) return EachParagraph(text, 0, {}, TrimStart);
    const Pos paragraphs = CountParagraphs(text);
    if (paragraphs == 0) return AnsiText();
    if (indentation > kMaxGrowth / paragraphs) return std::nullopt;
    return EachParagraph(text, paragraphs, SpaceText(indentation), TrimStart);
}

AnsiText DeleteSpaces(std::string_view text, SpacePart part) {
    Trim trim = TrimBoth;
    switch (part) {
        case SpacePart::Everywhere: return RemoveSpaces(text);
        case SpacePart::ParagraphStart: trim = TrimStart; break;
        case SpacePart::ParagraphEnd: trim = TrimEnd; break;
        case SpacePart::BothEnds: trim = TrimBoth; break;
    }
    return EachParagraph(text, 0, {}, trim);
}

}  // namespace scribbet
