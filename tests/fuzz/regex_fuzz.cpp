// Regular expressions of any form over any text: no crash, no hang (the
// engine's own limit on complexity ends a pathological search), and every
// match lies in the text, in order, without overlapping.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "search/regex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scribbet;
    FuzzedDataProvider input(data, size);
    const std::string pattern = fuzz::TakeText(input, 48);
    const bool matchCase = input.ConsumeBool();
    const AnsiText replacement = fuzz::TakeText(input, 8);
    const AnsiText text = fuzz::WithoutZeros(input.ConsumeBytesAsString(1024));

    const std::vector<RegexMatch> matches = RegexSearchAll(pattern, matchCase, text);
    const Pos length = TextLength(text);
    Pos end = 0;
    for (const RegexMatch& match : matches) {
        FUZZ_CHECK(!match.groups.empty() && match.groups.size() == matches.front().groups.size());
        const RegexGroup& whole = match.groups[0];
        FUZZ_CHECK(whole.matched && whole.offset >= end && whole.length >= 0);
        FUZZ_CHECK(whole.offset + whole.length <= length);
        for (const RegexGroup& group : match.groups) {
            if (group.matched) FUZZ_CHECK(group.offset >= 0 && group.length >= 0 && group.offset + group.length <= length);
        }
        end = whole.offset + whole.length;
    }

    const std::optional<AnsiText> replaced = RegexReplace(text, pattern, replacement, matchCase);
    FUZZ_CHECK(replaced.has_value() == !matches.empty());
    if (replaced) {
        // Each match gave way to the replacement, an empty one inserting nothing.
        Pos expected = length;
        for (const RegexMatch& match : matches) {
            expected -= match.groups[0].length;
            if (match.groups[0].length > 0) expected += TextLength(replacement);
        }
        FUZZ_CHECK(TextLength(*replaced) == expected);
    }
    const AnsiText extracted = RegexExtract(text, pattern, matchCase);
    FUZZ_CHECK(extracted.empty() == matches.empty());
    return 0;
}
