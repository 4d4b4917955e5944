// The whole-text reshaping tools: no input crashes them, none builds more
// than its limit allows, and each keeps what its header promises.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "reshape/case_width.h"
#include "reshape/growth_limit.h"
#include "reshape/line_breaks.h"
#include "reshape/paragraphs.h"
#include "reshape/sequence.h"
#include "reshape/spaces.h"
#include "reshape/split_text.h"
#include "reshape/time_tools.h"

namespace scribbet::fuzz {
namespace {

// Small enough that a run never meets the memory limit, large enough that
// the refusals are reached.
constexpr Pos kLimit = Pos{1} << 20;

bool IsPrintableAscii(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

bool OnlyWholeBreaks(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

void CheckCaseWidth(const AnsiText& text) {
    for (const CaseWidth conversion : {CaseWidth::Upper, CaseWidth::Lower, CaseWidth::FullWidth, CaseWidth::HalfWidth}) {
        FUZZ_CHECK(ConvertCaseWidth(text, conversion).find('\0') == std::string::npos);
    }
    if (IsPrintableAscii(text)) {
        FUZZ_CHECK(ConvertCaseWidth(ConvertCaseWidth(text, CaseWidth::FullWidth), CaseWidth::HalfWidth) == text);
    }
}

void CheckLineBreaks(FuzzedDataProvider& input, const AnsiText& text) {
    if (const std::optional<AnsiText> collapsed = CollapseLineBreaks(text)) {
        FUZZ_CHECK(collapsed->size() < text.size());
        FUZZ_CHECK(FindText(*collapsed, "\r\n\r\n", 1, false) == -1);
    } else {
        FUZZ_CHECK(FindText(text, "\r\n\r\n", 1, false) == -1);
    }
    const std::int32_t replaced = TakeCount(input);
    const std::int32_t inserted = TakeCount(input);
    if (const std::optional<AnsiText> changed = ChangeLineBreakCount(text, replaced, inserted)) {
        FUZZ_CHECK(TextLength(*changed) <= TextLength(text) + kMaxGrowth);
        // The text without its breaks is the same whatever became of them.
        // Only where every byte is a character (the breaks dropped at the end
        // are byte pairs, and one may begin with a trail byte) and every CR
        // and LF is part of a break (removing a break may join a lone CR to a
        // lone LF into a new one).
        if (std::none_of(text.begin(), text.end(), IsLeadByte) && OnlyWholeBreaks(text)) {
            FUZZ_CHECK(MergeParagraphs(*changed) == MergeParagraphs(text));
        }
    }
    FUZZ_CHECK(MergeParagraphs(text).size() <= text.size());
}

void CheckSplitAndSpaces(FuzzedDataProvider& input, const AnsiText& text) {
    const AnsiText separator = TakeText(input, 4);
    AnsiText pieces;
    ForEachPiece(text, separator, [&](std::string_view piece) {
        pieces.append(piece);
        pieces.append("\r\n");
    });
    FUZZ_CHECK(SplitTextTool(text, separator) == pieces);

    const std::int32_t indentation = TakeCount(input);
    if (const std::optional<AnsiText> indented = IndentParagraphs(text, indentation)) {
        FUZZ_CHECK(TextLength(*indented) <= TextLength(text) + 2 + kMaxGrowth);
    }
    for (const SpacePart part : {SpacePart::ParagraphStart, SpacePart::ParagraphEnd, SpacePart::BothEnds,
                                 SpacePart::Everywhere}) {
        (void)DeleteSpaces(text, part);
    }
    FUZZ_CHECK(FindText(DeleteSpaces(text, SpacePart::Everywhere), " ", 1, false) == -1);
}

void CheckSequences(FuzzedDataProvider& input, const AnsiText& text) {
    Affix affix;
    affix.left = TakeText(input, 6);
    affix.numbered = input.ConsumeBool();
    affix.startNumber = input.ConsumeBool() ? TakeText(input, 12) : std::to_string(TakeCount(input));
    affix.right = TakeText(input, 6);
    const AnsiText lineCount = input.ConsumeBool() ? TakeText(input, 12) : std::to_string(TakeCount(input));
    if (const std::optional<AnsiText> lines = NumberedLines(affix, lineCount, kLimit)) {
        FUZZ_CHECK(TextLength(*lines) <= kLimit);
    }
    for (const bool start : {true, false}) {
        const std::optional<AnsiText> affixed =
            start ? InsertAtParagraphStart(text, affix, kLimit) : InsertAtParagraphEnd(text, affix, kLimit);
        if (affixed) FUZZ_CHECK(TextLength(*affixed) <= kLimit && affixed->size() >= text.size());
    }
    const AnsiText numbers = TakeText(input, 24);
    const AnsiText kept = SelectParagraphs(text, numbers, ParagraphChoice::Keep);
    const AnsiText deleted = SelectParagraphs(text, numbers, ParagraphChoice::Delete);
    // Every paragraph goes to exactly one side, give or take its line break.
    FUZZ_CHECK(kept.size() + deleted.size() <= text.size() + 2);
    FUZZ_CHECK(kept.size() + deleted.size() + 2 >= text.size());
}

void CheckDurations(const AnsiText& text) {
    const AnsiText seconds = DurationsToSeconds(text);
    (void)SecondsToDurations(text);
    // What is written in seconds holds no duration of several units any more.
    FUZZ_CHECK(DurationsToSeconds(seconds) == seconds);
}

}  // namespace
}  // namespace scribbet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scribbet;
    FuzzedDataProvider input(data, size);
    const std::string fields = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 96));
    const AnsiText text = fuzz::WithoutZeros(input.ConsumeRemainingBytesAsString());
    FuzzedDataProvider fieldInput(reinterpret_cast<const std::uint8_t*>(fields.data()), fields.size());

    fuzz::CheckCaseWidth(text);
    fuzz::CheckLineBreaks(fieldInput, text);
    fuzz::CheckSplitAndSpaces(fieldInput, text);
    fuzz::CheckSequences(fieldInput, text);
    fuzz::CheckDurations(text);
    return 0;
}
