#pragma once
// The text, number, date-time and byte-buffer primitives every tool is built
// from. A text is a byte string in the ANSI double-byte code page (GBK):
// every byte of 0x80 or above is a lead byte that forms one character with
// the byte after it, whatever that byte is. Positions start at 1 and a search
// that finds nothing gives -1. Every primitive is pure and reports no error.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scribbet {

using AnsiText = std::string;           // code-page bytes, never a zero byte
using TextList = std::vector<AnsiText>;
using ByteBuffer = std::string;         // raw file bytes, zero bytes allowed
using Pos = std::ptrdiff_t;             // byte positions and lengths

struct DateTime {
    int year = 1970;
    int month = 1;   // 1 to 12
    int day = 1;     // 1 to 31
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59
    int second = 0;  // 0 to 59
};

class Clock;

// Pieces, by bytes: they may cut a double-byte character in two.
[[nodiscard]] Pos TextLength(std::string_view text);
[[nodiscard]] AnsiText TextLeft(std::string_view text, Pos count);
[[nodiscard]] AnsiText TextRight(std::string_view text, Pos count);
[[nodiscard]] AnsiText TextMid(std::string_view text, Pos start, Pos count);

[[nodiscard]] bool TextEquals(std::string_view a, std::string_view b);
// ASCII letters folded; each double-byte character compared after the code
// page's upper-case mapping (full-width Latin, Greek and Cyrillic letters).
[[nodiscard]] bool TextEqualsIgnoreCase(std::string_view a, std::string_view b);

template <typename... Texts>
[[nodiscard]] AnsiText JoinText(const Texts&... texts) {
    AnsiText joined;
    joined.reserve((std::string_view(texts).size() + ... + 0));
    (joined.append(std::string_view(texts)), ...);
    return joined;
}

// The first occurrence of sought at a character start, searching from byte
// start (1 when absent; 0 and below count as 1); -1 when there is none.
// ignoreCase folds the bytes of ASCII letters, trail bytes included.
[[nodiscard]] Pos FindText(std::string_view text, std::string_view sought,
                           std::optional<Pos> start, bool ignoreCase);
// The last occurrence that ends at byte start - 1 at the latest (the whole
// text when start is absent), characters stepped from byte 1; -1 if none.
[[nodiscard]] Pos FindTextReverse(std::string_view text, std::string_view sought,
                                  std::optional<Pos> start, bool ignoreCase);

// Every occurrence, left to right and without overlapping, replaced; the
// inserted text is never searched again. Note the flag's sense: true means
// an exact match, false folds ASCII letters.
[[nodiscard]] AnsiText ReplaceText(std::string_view text, std::string_view sought,
                                   std::string_view replacement, bool caseSensitive);

// Cut at every separator that starts at a character start. Consecutive
// separators give empty elements, a leading one an empty first element, a
// trailing one no empty last element; the empty text gives no elements.
[[nodiscard]] TextList SplitText(std::string_view text, std::string_view separator);

// Spaces are exactly 0x20 and the full-width space A1 A1.
[[nodiscard]] AnsiText TrimStart(std::string_view text);
[[nodiscard]] AnsiText TrimEnd(std::string_view text);
[[nodiscard]] AnsiText TrimBoth(std::string_view text);
[[nodiscard]] AnsiText RemoveSpaces(std::string_view text);

[[nodiscard]] AnsiText ToUpper(std::string_view text);
[[nodiscard]] AnsiText ToLower(std::string_view text);
[[nodiscard]] AnsiText ToFullWidth(std::string_view text);
[[nodiscard]] AnsiText ToHalfWidth(std::string_view text);

[[nodiscard]] AnsiText SpaceText(Pos count);
[[nodiscard]] AnsiText CharFromCode(int code);

// Full-width digits, signs and spaces count as ASCII; the value wraps
// modulo 2^32; no digits give 0.
[[nodiscard]] std::int32_t TextToInt(std::string_view text);
[[nodiscard]] AnsiText IntToText(std::int64_t value);
// "%.13g", independent of the locale.
[[nodiscard]] AnsiText RealToText(double value);
[[nodiscard]] double IntegerDivide(double dividend, double divisor);
[[nodiscard]] double Modulo(double dividend, double divisor);

[[nodiscard]] DateTime CurrentDateTime(const Clock& clock);
// 2017年10月16日13时4分35秒, 2017年10月16日13时5分, 2017年10月16日 (in GBK).
[[nodiscard]] AnsiText DateTimeToText(const DateTime& dateTime);
[[nodiscard]] int YearOf(const DateTime& d);
[[nodiscard]] int MonthOf(const DateTime& d);
[[nodiscard]] int DayOf(const DateTime& d);
[[nodiscard]] int HourOf(const DateTime& d);
[[nodiscard]] int MinuteOf(const DateTime& d);
[[nodiscard]] int SecondOf(const DateTime& d);

// Byte buffers: zero bytes are ordinary bytes here.
[[nodiscard]] ByteBuffer TextToBytes(std::string_view text);
[[nodiscard]] AnsiText BytesToText(std::string_view bytes);  // up to the first zero byte
[[nodiscard]] Pos BytesLength(std::string_view bytes);
[[nodiscard]] ByteBuffer BytesLeft(std::string_view bytes, Pos count);
[[nodiscard]] ByteBuffer BytesRight(std::string_view bytes, Pos count);
[[nodiscard]] std::vector<ByteBuffer> SplitBytes(std::string_view bytes,
                                                 std::string_view separator);
template <typename... Buffers>
[[nodiscard]] ByteBuffer JoinBytes(const Buffers&... buffers) {
    return JoinText(buffers...);
}
[[nodiscard]] bool BytesEqual(std::string_view a, std::string_view b);

// A lead byte takes the byte after it into one character.
[[nodiscard]] inline bool IsLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace scribbet
