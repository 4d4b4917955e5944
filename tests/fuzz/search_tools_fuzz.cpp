// The literal replace tools and the byte-range tools: no input crashes
// them, and each result is what its header describes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "search/regex.h"
#include "search/replace.h"
#include "search/separator_replace.h"

namespace scribbet::fuzz {
namespace {

Pos TakePosition(FuzzedDataProvider& input, Pos length) {
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: return input.ConsumeIntegralInRange<Pos>(-3, length + 3);
        case 1: return input.ConsumeIntegral<std::int32_t>();
        default: return input.ConsumeIntegral<Pos>();
    }
}

void CheckRanges(FuzzedDataProvider& input, const AnsiText& text) {
    const Pos length = TextLength(text);
    const Pos start = TakePosition(input, length);
    const Pos count = TakePosition(input, length);
    const AnsiText kept = DeleteRange(text, start, count);
    const AnsiText taken = ExtractRange(text, start, count);
    FUZZ_CHECK(TextLength(kept) <= length && TextLength(taken) <= length);
    // Within the text the two tools split it: what is deleted is what is
    // extracted, and the rest stays in order around it.
    if (start >= 1 && start <= length && count >= 0) {
        const std::size_t from = static_cast<std::size_t>(start - 1);
        FUZZ_CHECK(taken == text.substr(from, static_cast<std::size_t>(count)));
        FUZZ_CHECK(JoinText(text.substr(0, from), text.substr(from + taken.size())) == kept);
    }
    if (count <= 0) FUZZ_CHECK(taken.empty() && kept == text);
}

void CheckReplace(const AnsiText& text, const AnsiText& sought, const AnsiText& replacement,
                  bool caseSensitive) {
    const AnsiText replaced = BasicReplace(text, sought, replacement, caseSensitive);
    if (sought.empty() || FindText(text, sought, 1, !caseSensitive) == -1) FUZZ_CHECK(replaced == text);
    FUZZ_CHECK(BasicReplace(text, sought, sought, true) == text);
    // Every occurrence gives way to a text as long: the length stays.
    if (sought.size() == replacement.size()) FUZZ_CHECK(replaced.size() == text.size());
}

void CheckSeparatorReplace(FuzzedDataProvider& input, const AnsiText& text) {
    SeparatorReplaceFields fields;
    fields.search = {TakeText(input, 6), input.ConsumeBool(), TakeText(input, 6)};
    fields.replacement = {TakeText(input, 6), input.ConsumeBool(), TakeText(input, 6)};
    fields.caseSensitive = input.ConsumeBool();
    for (const char* separator : {kLineBreakSeparator, kTabSeparator}) {
        const AnsiText sought = SeparatorRowText(fields.search, separator);
        FUZZ_CHECK(SeparatorReplace(text, separator, fields) ==
                   BasicReplace(text, sought, SeparatorRowText(fields.replacement, separator),
                                fields.caseSensitive));
    }
}

}  // namespace
}  // namespace scribbet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scribbet;
    FuzzedDataProvider input(data, size);
    const AnsiText sought = fuzz::TakeText(input, 8);
    const AnsiText replacement = fuzz::TakeText(input, 8);
    const bool caseSensitive = input.ConsumeBool();
    const std::string fields = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 64));
    const AnsiText text = fuzz::WithoutZeros(input.ConsumeRemainingBytesAsString());

    fuzz::CheckReplace(text, sought, replacement, caseSensitive);
    FuzzedDataProvider fieldInput(reinterpret_cast<const std::uint8_t*>(fields.data()), fields.size());
    fuzz::CheckRanges(fieldInput, text);
    fuzz::CheckSeparatorReplace(fieldInput, text);
    return 0;
}
