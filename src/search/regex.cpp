#include "search/regex.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <locale>

#include <boost/regex.hpp>

namespace scribbet {

namespace {

// The compiled pattern, or nothing when it does not compile. The classic
// locale keeps the classes and the folding of bytes above 0x7F off, whatever
// locale the program runs in.
// The pattern with every comment (?#...) taken out. Boost 1.74 never ends
// compiling a possessive repeat followed by a comment and then anything
// else ("a++(?#x)b"): the program would hang on a pattern being typed. A
// comment before a repeat goes without a trace, so the repeat still takes
// the atom before it as Boost does; any other becomes an empty group, which
// keeps the tokens either side apart ("\1(?#)0" is not "\10"). Escapes,
// quoted runs and bracket classes are copied as they are: a "(?#" inside
// them is no comment.
std::string WithoutComments(std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size());
    const std::size_t n = pattern.size();
    std::size_t i = 0;
    const auto copyTo = [&](std::size_t end) {
        out.append(pattern.substr(i, end - i));
        i = end;
    };
    while (i < n) {
        const char c = pattern[i];
        if (c == '\\') {
            if (i + 1 < n && pattern[i + 1] == 'Q') {
                const std::size_t end = pattern.find("\\E", i + 2);
                copyTo(end == std::string_view::npos ? n : end + 2);
            } else {
                copyTo(std::min(i + 2, n));
            }
        } else if (c == '[') {
            std::size_t j = i + 1;
            if (j < n && pattern[j] == '^') ++j;
            if (j < n && pattern[j] == ']') ++j;  // a ']' first is a member
            while (j < n && pattern[j] != ']') {
                if (pattern[j] == '\\') {
                    j += 2;
                } else if (pattern[j] == '[' && j + 1 < n && std::string_view(":.=").find(pattern[j + 1]) != std::string_view::npos) {
                    const char kind[] = {pattern[j + 1], ']', '\0'};
                    const std::size_t end = pattern.find(kind, j + 2);
                    j = end == std::string_view::npos ? n : end + 2;
                } else {
                    ++j;
                }
            }
            copyTo(std::min(j + 1, n));
        } else if (pattern.compare(i, 3, "(?#") == 0) {
            const std::size_t close = pattern.find(')', i + 3);
            if (close == std::string_view::npos) {
                copyTo(n);  // unterminated: Boost refuses it as it stands
            } else {
                i = close + 1;
                const bool repeatFollows = i < n && std::string_view("*+?{").find(pattern[i]) != std::string_view::npos;
                if (!repeatFollows) out.append("(?:)");
            }
        } else {
            copyTo(i + 1);
        }
    }
    return out;
}

std::optional<boost::regex> Compile(std::string_view pattern, bool matchCase) {
    if (pattern.empty()) return std::nullopt;
    boost::regex::flag_type flags = boost::regex::perl;
    if (!matchCase) flags |= boost::regex::icase;
    try {
        boost::regex compiled;
        compiled.imbue(std::locale::classic());
        const std::string fast = RewriteLeadingRepeat(WithoutComments(pattern));
        compiled.assign(fast.data(), fast.data() + fast.size(), flags);
        return compiled;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The length of the one-character atom at `at` (an escaped class or
// punctuation, a bracket class, '.', or a plain ASCII character), or 0.
std::size_t AtomLength(std::string_view pattern, std::size_t at) {
    if (at >= pattern.size()) return 0;
    const unsigned char c = static_cast<unsigned char>(pattern[at]);
    if (c == '\\') {
        if (at + 1 >= pattern.size()) return 0;
        const unsigned char e = static_cast<unsigned char>(pattern[at + 1]);
        const bool classEscape = std::string_view("dDwWsS").find(static_cast<char>(e)) !=
                                 std::string_view::npos;
        return (classEscape || (e < 0x80 && std::ispunct(e))) ? 2 : 0;
    }
    if (c == '[') {
        std::size_t i = at + 1;
        if (i < pattern.size() && pattern[i] == '^') ++i;
        if (i < pattern.size() && pattern[i] == ']') ++i;  // a first ']' is literal
        for (; i < pattern.size(); ++i) {
            if (pattern[i] == '\\') {
                ++i;
            } else if (pattern[i] == '[') {
                return 0;  // [:alpha:] and the like: left as they are
            } else if (pattern[i] == ']') {
                return i + 1 - at;
            }
        }
        return 0;
    }
    if (c == '.') return 1;
    if (c < 0x80 && std::string_view("^$|?*+(){}").find(static_cast<char>(c)) == std::string_view::npos) {
        return 1;
    }
    return 0;
}

}  // namespace

std::string RewriteLeadingRepeat(std::string_view pattern) {
    std::size_t at = 0;
    // Group openings in front of the atom keep their meaning.
    for (;;) {
        if (pattern.compare(at, 3, "(?:") == 0) {
            at += 3;
        } else if (at < pattern.size() && pattern[at] == '(' &&
                   (at + 1 >= pattern.size() || pattern[at + 1] != '?')) {
            at += 1;
        } else {
            break;
        }
    }
    const std::size_t atom = AtomLength(pattern, at);
    if (atom == 0 || at + atom >= pattern.size() || pattern[at + atom] != '+') {
        return std::string(pattern);
    }
    const std::string_view x = pattern.substr(at, atom);
    std::string rewritten(pattern.substr(0, at));
    rewritten.append(x).append(x).append("*");
    rewritten.append(pattern.substr(at + atom + 1));  // '?' or '+' after it still applies
    return rewritten;
}

void RegexSearchEach(std::string_view pattern, bool matchCase, std::string_view text,
                     const std::function<void(const RegexMatch&)>& visit) {
    if (text.empty()) return;
    const std::optional<boost::regex> compiled = Compile(pattern, matchCase);
    if (!compiled) return;

    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const Pos size = static_cast<Pos>(text.size());
    boost::match_results<const char*> found;
    RegexMatch match;
    match.groups.resize(compiled->mark_count() + 1);
    for (Pos start = 0; start <= size;) {
        try {
            // A fresh search from start, not match_prev_avail: the point
            // where the last match ended counts as the start of the text.
            if (!boost::regex_search(begin + start, end, found, *compiled, boost::match_default)) {
                return;
            }
        } catch (const std::exception&) {
            // The engine gave up on too complex a pattern (or ran out of
            // memory): what was found so far stands.
            return;
        }
        for (std::size_t i = 0; i < match.groups.size(); ++i) {
            RegexGroup& group = match.groups[i];
            group.matched = found[static_cast<int>(i)].matched;
            group.offset = group.matched ? found[static_cast<int>(i)].first - begin : 0;
            group.length = group.matched ? found[static_cast<int>(i)].length() : 0;
        }
        visit(match);
        const RegexGroup& whole = match.groups[0];
        if (whole.length > 0) {
            start = whole.offset + whole.length;
        } else if (whole.offset == 0) {
            return;  // an empty match at the very start ends the search
        } else {
            start = whole.offset + 1;  // never the same empty match twice
        }
    }
}

std::vector<RegexMatch> RegexSearchAll(std::string_view pattern, bool matchCase,
                                       std::string_view text) {
    std::vector<RegexMatch> matches;
    RegexSearchEach(pattern, matchCase, text,
                    [&matches](const RegexMatch& match) { matches.push_back(match); });
    return matches;
}

std::optional<AnsiText> RegexReplace(std::string_view text, std::string_view pattern,
                                     std::string_view replacement, bool matchCase) {
    std::optional<AnsiText> out;
    std::size_t done = 0;
    RegexSearchEach(pattern, matchCase, text, [&](const RegexMatch& match) {
        if (!out) {
            out.emplace();
            out->reserve(text.size());
        }
        const RegexGroup& whole = match.groups[0];
        if (whole.length == 0) return;
        const auto offset = static_cast<std::size_t>(whole.offset);
        out->append(text.substr(done, offset - done));
        out->append(replacement);
        done = offset + static_cast<std::size_t>(whole.length);
    });
    if (out) out->append(text.substr(done));
    return out;
}

AnsiText RegexExtract(std::string_view text, std::string_view pattern, bool matchCase) {
    AnsiText out;
    RegexSearchEach(pattern, matchCase, text, [&](const RegexMatch& match) {
        const RegexGroup& piece = match.groups.size() > 1 ? match.groups[1] : match.groups[0];
        if (piece.matched) {
            out.append(text.substr(static_cast<std::size_t>(piece.offset),
                                   static_cast<std::size_t>(piece.length)));
        }
        out.append("\r\n");
    });
    return out;
}

AnsiText DeleteRange(std::string_view text, Pos start, Pos length) {
    // A negative length would make the kept head and tail overlap and
    // repeat part of the text; it removes nothing instead.
    const Pos removed = std::max<Pos>(length, 0);
    // Clamped before any sum so that numbers near the ends of the range
    // cannot overflow: a start past the end removes nothing, and a range
    // that starts in the text removes at most the rest of it.
    const Pos size = TextLength(text);
    const Pos from = std::min(start, size + 1);
    const Pos count = from >= 1 ? std::min(removed, size + 1) : removed;
    const Pos tail = std::max<Pos>(from + count, 1);  // the first byte kept after the range
    return JoinText(TextLeft(text, std::max<Pos>(from, 0) - 1), TextRight(text, size - tail + 1));
}

AnsiText ExtractRange(std::string_view text, Pos start, Pos length) {
    return TextMid(text, start, length);
}

}  // namespace scribbet
