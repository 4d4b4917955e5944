#pragma once
// Regular expressions over document bytes, and the byte-range tools.
//
// Patterns are Boost.Regex perl syntax over single bytes: a double-byte
// character is two units to the engine, '.' matches any byte (CR and LF
// too), and '^' and '$' also match at line breaks. Bytes of 0x80 and above
// belong to no class such as '\w' and are never folded: the classes and the
// case folding are those of the C locale.
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text_ops.h"

namespace scribbet {

// One group of a match: where its text lies in the searched text.
struct RegexGroup {
    Pos offset = 0;        // 0-based, from the first byte of the whole text
    Pos length = 0;        // 0 for an empty group
    bool matched = false;  // false for a capture group that took no part
    friend bool operator==(const RegexGroup& a, const RegexGroup& b) {
        return a.offset == b.offset && a.length == b.length && a.matched == b.matched;
    }
};

// Group 0 is the whole match, groups 1 to n the capture groups in the order
// of their opening parentheses; every match of a pattern has the same count.
struct RegexMatch {
    std::vector<RegexGroup> groups;
    friend bool operator==(const RegexMatch& a, const RegexMatch& b) { return a.groups == b.groups; }
};

// Calls visit for every match of pattern in text, left to right. Each search
// starts where the previous match ended and treats that point as the start
// of the text ('^', '\A' and '\b' see nothing before it). An empty match at
// offset 0 ends the search; after an empty match elsewhere the next search
// starts one byte further. A pattern that does not compile (the empty one
// included) finds nothing; when the engine gives up on a pattern too complex
// for it, the matches found up to then are all there is. The match passed
// to visit is reused from call to call.
// The same pattern with a leading repeat of one character `X+` written as
// `XX*`. Both match the same texts, but Boost skips ahead to a possible
// first character only in the second form: on 100 MB, `\d+` otherwise costs
// a match attempt at every byte. Patterns of any other shape come back as
// they are.
[[nodiscard]] std::string RewriteLeadingRepeat(std::string_view pattern);

void RegexSearchEach(std::string_view pattern, bool matchCase, std::string_view text,
                     const std::function<void(const RegexMatch&)>& visit);

// The matches of RegexSearchEach, in order.
[[nodiscard]] std::vector<RegexMatch> RegexSearchAll(std::string_view pattern, bool matchCase,
                                                     std::string_view text);

// Every match replaced where it was found by replacement, taken as typed
// (group references such as '$1' stay as they are); an empty match inserts
// nothing. Nothing when the pattern has no match, so that the document can
// be left untouched.
[[nodiscard]] std::optional<AnsiText> RegexReplace(std::string_view text,
                                                   std::string_view pattern,
                                                   std::string_view replacement, bool matchCase);

// One paragraph per match, each ended by CR LF: the text of the first capture
// group when the pattern has one (empty when that group took no part), the
// whole match when it has none. Empty without a match.
[[nodiscard]] AnsiText RegexExtract(std::string_view text, std::string_view pattern,
                                    bool matchCase);

// The text without the length bytes that begin at byte start (counted from
// 1): the first start - 1 bytes and the last size - start - length + 1, each
// clamped to the text, so a start of 0 or below removes fewer bytes and a
// range past the end removes up to the end.
[[nodiscard]] AnsiText DeleteRange(std::string_view text, Pos start, Pos length);

// The bytes start to start + length - 1 (counted from 1), cut at the end;
// empty unless start lies in the text and length is above 0.
[[nodiscard]] AnsiText ExtractRange(std::string_view text, Pos start, Pos length);

}  // namespace scribbet
