#include "core/text_ops.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/clock.h"

namespace scribbet {
namespace {

constexpr Pos kNotFound = -1;

inline unsigned char Byte(std::string_view text, Pos i) {
    return static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
}

inline char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool EqualFolded(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

std::string_view Sub(std::string_view text, Pos from, Pos to) {
    return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}

// Finds occurrences of a sought text that begin at a character start. The
// byte search runs at memchr speed; `m_sync` remembers a position known to
// start a character, so the character stepping between candidates is done
// once over the whole walk and the search stays linear.
class CharMatcher {
public:
    CharMatcher(std::string_view text, std::string_view sought, bool foldCase, Pos walkStart)
        : m_text(text), m_sought(sought), m_fold(foldCase), m_sync(walkStart) {}

    // The first match at a character start p >= from with p + |sought| <=
    // end, or kNotFound. Requires from >= the walk position.
    Pos Next(Pos from, Pos end) {
        const Pos size = static_cast<Pos>(m_sought.size());
        while (from + size <= end) {
            const Pos candidate = FindBytes(from, end);
            if (candidate == kNotFound) return kNotFound;
            if (Reaches(candidate)) return IsLoneLead(candidate) ? kNotFound : candidate;
            from = m_sync;  // the next character start after the candidate
        }
        return kNotFound;
    }

    // Whether the character stepping lands on byte p (>= the walk position).
    // A byte below 0x80 always ends a character, alone or as a trail byte,
    // so only the run of high bytes just before p needs counting; the walk
    // position then moves to p or just past it.
    bool Reaches(Pos p) {
        if (p < m_sync) return false;  // the walk has passed it: it stepped over p
        Pos run = p;
        // Chinese text is long runs of high bytes: count them eight at a time.
        constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
        while (run - 8 >= m_sync) {
            std::uint64_t word;
            std::memcpy(&word, m_text.data() + run - 8, sizeof word);
            if ((word & kHighBits) != kHighBits) break;
            run -= 8;
        }
        while (run > m_sync && Byte(m_text, run - 1) >= 0x80) --run;
        const bool lands = (p - run) % 2 == 0;
        m_sync = lands ? p : p + 1;
        return lands;
    }

    // A lone lead byte at the end ends the walk: nothing matches there.
    bool IsLoneLead(Pos p) const {
        return p == static_cast<Pos>(m_text.size()) - 1 && Byte(m_text, p) >= 0x80;
    }

    // Moves the walk on: the walk continues at p as at a character start.
    void RestartAt(Pos p) { m_sync = p; }

private:
    Pos FindBytes(Pos from, Pos end) const {
        const std::string_view range = Sub(m_text, from, end);
        if (!m_fold) {
            const std::size_t hit = range.find(m_sought);
            return hit == std::string_view::npos ? kNotFound : from + static_cast<Pos>(hit);
        }
        const char first = FoldAscii(m_sought[0]);
        const std::size_t last = range.size() - m_sought.size();
        for (std::size_t i = 0; i <= last; ++i) {
            if (FoldAscii(range[i]) == first &&
                EqualFolded(range.data() + i, m_sought.data(), m_sought.size())) {
                return from + static_cast<Pos>(i);
            }
        }
        return kNotFound;
    }

    std::string_view m_text;
    std::string_view m_sought;
    bool m_fold;
    Pos m_sync;
};

inline bool IsFullWidthSpace(std::string_view text, Pos i) {
    return Byte(text, i) == 0xA1 && i + 1 < static_cast<Pos>(text.size()) &&
           Byte(text, i + 1) == 0xA1;
}

// The half-width form of the character at i (as ToHalfWidth gives it) when
// that is one ASCII byte, else -1; `length` receives the character's length.
int HalfWidthAscii(std::string_view text, Pos i, Pos& length) {
    const unsigned char lead = Byte(text, i);
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    length = 2;
    if (i + 1 >= static_cast<Pos>(text.size())) return -1;
    const unsigned char trail = Byte(text, i + 1);
    if (lead == 0xA1) {
        if (trail == 0xA1) return 0x20;
        if (trail == 0xAB) return 0x7E;
        if (trail == 0xEE || trail == 0xEF) return 0x2A;
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        return trail - 0x80;
    }
    return -1;
}

// The code page's upper-case mapping of a double-byte character: the
// full-width Latin, the Greek and the Cyrillic small letters.
unsigned char UpperTrail(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xE1 && trail <= 0xFA) return trail - 0x20;
    if (lead == 0xA6 && trail >= 0xC1 && trail <= 0xD8) return trail - 0x20;
    if (lead == 0xA7 && trail >= 0xD1 && trail <= 0xF1) return trail - 0x30;
    return trail;
}

void AppendInt(AnsiText& out, int value) { out += std::to_string(value); }

// Changes the case of the one-byte letters first .. first + 25 in
// bytes from .. to - 1, stepping by characters. Whether byte `from` is a
// trail byte follows from the run of high bytes just before it.
void ShiftLettersStepping(char* bytes, Pos from, Pos to, char first, bool toLower) {
    Pos run = from;
    while (run > 0 && static_cast<unsigned char>(bytes[run - 1]) >= 0x80) --run;
    bool trail = (from - run) % 2 == 1;
    for (Pos i = from; i < to; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (!trail && c >= static_cast<unsigned char>(first) &&
            c < static_cast<unsigned char>(first + 26)) {
            bytes[i] = static_cast<char>(toLower ? c + 0x20 : c - 0x20);
        }
        trail = !trail && c >= 0x80;
    }
}

// The case change of ToUpper and ToLower, eight bytes at a time. A byte
// below 0x80 always ends a character, so a letter right after one starts a
// character: a word whose letters all follow such bytes changes at once,
// and only a word with a letter right after a high byte, which may be a
// trail byte, is stepped through by characters.
AnsiText ShiftLetters(std::string_view text, char first, bool toLower) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = kOnes * 0x80;
    const std::uint64_t fromFirst = kOnes * static_cast<std::uint64_t>(0x80 - first);
    const std::uint64_t pastLast = kOnes * static_cast<std::uint64_t>(0x80 - (first + 26));
    AnsiText out(text);
    char* bytes = out.data();
    const Pos length = TextLength(out);
    std::uint64_t highBefore = 0;  // bit 7: the byte before the word is high
    Pos i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        const std::uint64_t high = word & kHighBits;
        const std::uint64_t low = word & ~kHighBits;
        // Bit 7 of each byte in first .. first + 25; no carry crosses a byte.
        const std::uint64_t letters = (low + fromFirst) & ~(low + pastLast) & ~high & kHighBits;
        if (letters & ((high << 8) | highBefore)) {
            ShiftLettersStepping(bytes, i, i + 8, first, toLower);
        } else if (letters != 0) {
            word = toLower ? word + (letters >> 2) : word - (letters >> 2);  // 0x80 >> 2 is 0x20
            std::memcpy(bytes + i, &word, 8);
        }
        highBefore = high >> 56;
    }
    ShiftLettersStepping(bytes, i, length, first, toLower);
    return out;
}

}  // namespace

Pos TextLength(std::string_view text) { return static_cast<Pos>(text.size()); }

AnsiText TextLeft(std::string_view text, Pos count) {
    if (count <= 0) return {};
    return AnsiText(text.substr(0, static_cast<std::size_t>(count)));
}

AnsiText TextRight(std::string_view text, Pos count) {
    if (count <= 0) return {};
    const Pos length = TextLength(text);
    return AnsiText(text.substr(static_cast<std::size_t>(length - std::min(count, length))));
}

AnsiText TextMid(std::string_view text, Pos start, Pos count) {
    const Pos length = TextLength(text);
    if (start < 1 || start > length || count <= 0) return {};
    return AnsiText(text.substr(static_cast<std::size_t>(start - 1),
                                static_cast<std::size_t>(std::min(count, length - start + 1))));
}

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }

bool TextEqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const Pos size = TextLength(a);
    // Folding keeps bytes below 0x80 below it and the rest above, so equal
    // folded bytes mean the characters of both texts start at the same places.
    for (Pos i = 0; i < size;) {
        const unsigned char x = Byte(a, i);
        const unsigned char y = Byte(b, i);
        if (x < 0x80) {
            if (FoldAscii(static_cast<char>(x)) != FoldAscii(static_cast<char>(y))) return false;
            ++i;
            continue;
        }
        if (x != y) return false;
        if (i + 1 < size && UpperTrail(x, Byte(a, i + 1)) != UpperTrail(y, Byte(b, i + 1))) {
            return false;
        }
        i += 2;
    }
    return true;
}

Pos FindText(std::string_view text, std::string_view sought, std::optional<Pos> start,
             bool ignoreCase) {
    const Pos length = TextLength(text);
    const Pos begin = start ? std::max<Pos>(*start - 1, 0) : 0;
    if (begin >= length) return kNotFound;
    if (sought.empty()) return 1;
    CharMatcher matcher(text, sought, ignoreCase, begin);
    const Pos found = matcher.Next(begin, length);
    return found == kNotFound ? kNotFound : found + 1;
}

Pos FindTextReverse(std::string_view text, std::string_view sought, std::optional<Pos> start,
                    bool ignoreCase) {
    const Pos length = TextLength(text);
    Pos limit = length;
    if (start) {
        const Pos begin = std::max<Pos>(*start - 1, 0);
        limit = begin == 0 ? 0 : std::min(length, begin);
    }
    if (sought.empty()) return limit > 0 ? 1 : kNotFound;
    CharMatcher matcher(text, sought, ignoreCase, 0);
    Pos last = kNotFound;
    for (Pos p = matcher.Next(0, limit); p != kNotFound; p = matcher.Next(p + 1, limit)) {
        last = p;
    }
    return last == kNotFound ? kNotFound : last + 1;
}

AnsiText ReplaceText(std::string_view text, std::string_view sought,
                     std::string_view replacement, bool caseSensitive) {
    if (text.empty() || sought.empty()) return AnsiText(text);
    const Pos length = TextLength(text);
    const Pos size = TextLength(sought);
    CharMatcher matcher(text, sought, !caseSensitive, 0);
    AnsiText out;
    out.reserve(text.size());
    Pos done = 0;
    for (Pos p = matcher.Next(0, length); p != kNotFound; p = matcher.Next(done, length)) {
        out.append(Sub(text, done, p));
        out.append(replacement);
        done = p + size;
        matcher.RestartAt(done);
    }
    // The rest goes through whole, a lone lead byte at the end included: a
    // replace that finds nothing must give the text back byte for byte, or
    // the last byte of a document would vanish without anything replaced.
    out.append(Sub(text, done, length));
    return out;
}

TextList SplitText(std::string_view text, std::string_view separator) {
    if (text.empty()) return {};
    if (separator.empty()) return {AnsiText(text)};
    const Pos length = TextLength(text);
    const Pos size = TextLength(separator);
    CharMatcher matcher(text, separator, false, 0);
    TextList pieces;
    Pos begin = 0;
    for (Pos p = matcher.Next(0, length); p != kNotFound; p = matcher.Next(begin, length)) {
        pieces.emplace_back(Sub(text, begin, p));
        begin = p + size;
        matcher.RestartAt(begin);
    }
    if (begin < length) pieces.emplace_back(Sub(text, begin, length));
    return pieces;
}

AnsiText TrimStart(std::string_view text) {
    const Pos length = TextLength(text);
    Pos i = 0;
    while (i < length) {
        if (Byte(text, i) == 0x20) {
            ++i;
        } else if (IsFullWidthSpace(text, i)) {
            i += 2;
        } else {
            break;
        }
    }
    return AnsiText(text.substr(static_cast<std::size_t>(i)));
}

AnsiText TrimEnd(std::string_view text) {
    const Pos length = TextLength(text);
    // A last byte that is neither a space nor a possible lead byte ends a
    // character that is no space, whatever came before it.
    if (length == 0 || (Byte(text, length - 1) < 0x80 && Byte(text, length - 1) != 0x20)) {
        return AnsiText(text);
    }
    Pos keep = 0;
    for (Pos i = 0; i < length;) {
        if (Byte(text, i) >= 0x80) {
            if (i + 1 == length) return AnsiText(text.substr(0, static_cast<std::size_t>(i)));
            if (!IsFullWidthSpace(text, i)) keep = i + 2;
            i += 2;
        } else {
            if (Byte(text, i) != 0x20) keep = i + 1;
            ++i;
        }
    }
    return AnsiText(text.substr(0, static_cast<std::size_t>(keep)));
}

AnsiText TrimBoth(std::string_view text) { return TrimEnd(TrimStart(text)); }

AnsiText RemoveSpaces(std::string_view text) {
    const Pos length = TextLength(text);
    AnsiText out;
    out.reserve(text.size());
    Pos run = 0;  // start of the run of kept bytes not yet copied
    Pos i = 0;
    while (i < length) {
        const unsigned char c = Byte(text, i);
        if (c < 0x80) {
            if (c == 0x20) {
                out.append(Sub(text, run, i));
                run = i + 1;
            }
            ++i;
        } else if (i + 1 == length) {
            break;  // a lone lead byte at the end is removed
        } else {
            if (c == 0xA1 && Byte(text, i + 1) == 0xA1) {
                out.append(Sub(text, run, i));
                run = i + 2;
            }
            i += 2;
        }
    }
    out.append(Sub(text, run, std::min(i, length)));
    return out;
}

AnsiText ToUpper(std::string_view text) { return ShiftLetters(text, 'a', false); }

AnsiText ToLower(std::string_view text) { return ShiftLetters(text, 'A', true); }

AnsiText ToFullWidth(std::string_view text) {
    const Pos length = TextLength(text);
    AnsiText out;
    out.reserve(text.size() * 2);
    for (Pos i = 0; i < length;) {
        const unsigned char c = Byte(text, i);
        if (c >= 0x80) {
            if (i + 1 < length) out.append(Sub(text, i, i + 2));
            i += 2;
            continue;
        }
        if (c == 0x20) {
            out += "\xA1\xA1";  // full-width space
        } else if (c == 0x7E) {
            out += "\xA1\xAB";  // full-width tilde
        } else if (c >= 0x21 && c <= 0x7D) {
            out += '\xA3';
            out += static_cast<char>(c + 0x80);
        } else {
            out += static_cast<char>(c);  // control bytes stay
        }
        ++i;
    }
    return out;
}

AnsiText ToHalfWidth(std::string_view text) {
    const Pos length = TextLength(text);
    AnsiText out;
    out.reserve(text.size());
    for (Pos i = 0; i < length;) {
        Pos step = 1;
        const int ascii = HalfWidthAscii(text, i, step);
        if (ascii >= 0) {
            out += static_cast<char>(ascii);
        } else if (i + step <= length) {
            out.append(Sub(text, i, i + step));
        }
        i += step;
    }
    return out;
}

AnsiText SpaceText(Pos count) {
    if (count <= 0) return {};
    return AnsiText(static_cast<std::size_t>(count), ' ');
}

AnsiText CharFromCode(int code) {
    const char c = static_cast<char>(code & 0xFF);
    if (c == '\0') return {};
    return AnsiText(1, c);
}

std::int32_t TextToInt(std::string_view text) {
    // Reads the characters as ToHalfWidth would give them, but only as far
    // as the number goes: a field may hold a whole document.
    const Pos length = TextLength(text);
    Pos i = 0;
    Pos step = 1;
    int c = -1;
    auto next = [&] {
        if (i >= length || (Byte(text, i) >= 0x80 && i + 1 >= length)) return -1;
        return HalfWidthAscii(text, i, step);
    };
    c = next();
    while (c == 0x20 || (c >= 0x09 && c <= 0x0D)) {
        i += step;
        c = next();
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        i += step;
        c = next();
    }
    std::uint32_t value = 0;
    while (c >= '0' && c <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(c - '0');
        i += step;
        c = next();
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

AnsiText IntToText(std::int64_t value) { return std::to_string(value); }

AnsiText RealToText(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    return AnsiText(buffer, result.ptr);
}

double IntegerDivide(double dividend, double divisor) {
    // Truncated as a real: a quotient beyond the range of any integer type
    // (or infinite, or not a number) has no integer to pass through.
    return std::trunc(dividend / divisor);
}

double Modulo(double dividend, double divisor) {
    return dividend - divisor * IntegerDivide(dividend, divisor);
}

DateTime CurrentDateTime(const Clock& clock) { return clock.Now(); }

AnsiText DateTimeToText(const DateTime& d) {
    AnsiText out;
    AppendInt(out, d.year);
    out += "\xC4\xEA";  // 年
    AppendInt(out, d.month);
    out += "\xD4\xC2";  // 月
    AppendInt(out, d.day);
    out += "\xC8\xD5";  // 日
    if (d.second == 0 && d.minute == 0 && d.hour == 0) return out;
    AppendInt(out, d.hour);
    out += "\xCA\xB1";  // 时
    if (d.second == 0 && d.minute == 0) return out;
    AppendInt(out, d.minute);
    out += "\xB7\xD6";  // 分
    if (d.second == 0) return out;
    AppendInt(out, d.second);
    out += "\xC3\xEB";  // 秒
    return out;
}

int YearOf(const DateTime& d) { return d.year; }
int MonthOf(const DateTime& d) { return d.month; }
int DayOf(const DateTime& d) { return d.day; }
int HourOf(const DateTime& d) { return d.hour; }
int MinuteOf(const DateTime& d) { return d.minute; }
int SecondOf(const DateTime& d) { return d.second; }

ByteBuffer TextToBytes(std::string_view text) { return ByteBuffer(text); }

AnsiText BytesToText(std::string_view bytes) {
    return AnsiText(bytes.substr(0, bytes.find('\0')));
}

Pos BytesLength(std::string_view bytes) { return static_cast<Pos>(bytes.size()); }

ByteBuffer BytesLeft(std::string_view bytes, Pos count) {
    return TextLeft(bytes, std::clamp<Pos>(count, 0, BytesLength(bytes)));
}

ByteBuffer BytesRight(std::string_view bytes, Pos count) {
    return TextRight(bytes, std::clamp<Pos>(count, 0, BytesLength(bytes)));
}

std::vector<ByteBuffer> SplitBytes(std::string_view bytes, std::string_view separator) {
    if (bytes.empty()) return {};
    if (separator.empty()) return {ByteBuffer(bytes)};
    std::vector<ByteBuffer> pieces;
    std::size_t begin = 0;
    for (std::size_t hit = bytes.find(separator); hit != std::string_view::npos;
         hit = bytes.find(separator, begin)) {
        pieces.emplace_back(bytes.substr(begin, hit - begin));
        begin = hit + separator.size();
    }
    if (begin < bytes.size()) pieces.emplace_back(bytes.substr(begin));
    return pieces;
}

bool BytesEqual(std::string_view a, std::string_view b) { return a == b; }

}  // namespace scribbet
