#include "core/code_page.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scribbet {
namespace {

#include "core/gb18030_tables.inc"

// Four-byte codes are numbered b1 b2 b3 b4 -> ((b1-81)*10 + b2-30)*126 ... as
// GB18030 counts them; the supplementary planes start at this index.
constexpr std::uint32_t kSupplementaryFirstIndex = 189000;  // 90 30 81 30
constexpr std::uint32_t kFourByteIndexEnd = kSupplementaryFirstIndex + 0x100000;
constexpr char32_t kReplacement = 0xFFFD;
constexpr std::uint32_t kSlotCount = 0x8000;

// A pair decoded straight to its UTF-8 bytes: the decoder stores all four
// bytes at once and steps by length, so no UTF-8 is assembled per character.
// Length 0 marks a pair that is no character.
struct Utf8Pair {
    unsigned char bytes[3];
    unsigned char length;
};
static_assert(sizeof(Utf8Pair) == 4, "the decoder copies a pair as four bytes");

// A run of BMP code points with consecutive four-byte indexes, sorted by code
// point, for the encoder.
struct CodePointRun {
    char32_t first;
    std::uint32_t index;
};

struct Tables {
    // Indexed by (lead - 0x80) * 256 + trail, leads 0x80..0xFF.
    std::array<Utf8Pair, kSlotCount> pairs{};
    // BMP four-byte index -> code point.
    std::array<std::uint16_t, kFourByteBmpCount> fourByteBmp{};
    // BMP code point -> two-byte code (lead in the high byte); 0 for a code
    // point that has a four-byte code (or is ASCII or a surrogate).
    std::array<std::uint16_t, 0x10000> bmpToTwoByte{};
    std::vector<CodePointRun> runsByCodePoint;
};

[[nodiscard]] bool IsValidTrail(unsigned trail) {
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
}

[[nodiscard]] bool IsValidLead(unsigned lead) { return lead >= 0x81 && lead <= 0xFE; }

[[nodiscard]] int Utf8Length(char32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

char* PutUtf8(char32_t cp, char* out) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (cp >> 18));
        *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::unique_ptr<const Tables> BuildTables() {
    auto tables = std::make_unique<Tables>();
    std::size_t next = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const char32_t cp = kTwoByteCodePoints[next++];
            Utf8Pair& pair = tables->pairs[(lead - 0x80) << 8 | trail];
            char* end = PutUtf8(cp, reinterpret_cast<char*>(pair.bytes));
            pair.length = static_cast<unsigned char>(end - reinterpret_cast<char*>(pair.bytes));
            tables->bmpToTwoByte[cp] = static_cast<std::uint16_t>(lead << 8 | trail);
        }
    }
    constexpr std::size_t kRunCount = sizeof(kFourByteRuns) / sizeof(kFourByteRuns[0]);
    for (std::size_t r = 0; r < kRunCount; ++r) {
        const std::uint32_t first = kFourByteRuns[r].index;
        const std::uint32_t end =
            r + 1 < kRunCount ? kFourByteRuns[r + 1].index : kFourByteBmpCount;
        const char32_t cp = kFourByteRuns[r].codePoint;
        for (std::uint32_t i = first; i < end; ++i) {
            tables->fourByteBmp[i] = static_cast<std::uint16_t>(cp + (i - first));
        }
        tables->runsByCodePoint.push_back({cp, first});
    }
    std::sort(tables->runsByCodePoint.begin(), tables->runsByCodePoint.end(),
              [](const CodePointRun& a, const CodePointRun& b) { return a.first < b.first; });
    return tables;
}

const Tables& GetTables() {
    static const std::unique_ptr<const Tables> tables = BuildTables();
    return *tables;
}

// Whether the private code point stands for an undecodable pair: then it
// must encode as those raw bytes and its four-byte code must not decode to it.
[[nodiscard]] bool IsUsedSlot(char32_t cp) {
    if (cp < kUndecodableBase || cp >= kUndecodableBase + kSlotCount) return false;
    const std::uint32_t slot = cp - kUndecodableBase;
    const unsigned lead = 0x80 + (slot >> 8);
    const unsigned trail = slot & 0xFF;
    return !IsValidLead(lead) || !IsValidTrail(trail);
}

[[nodiscard]] char32_t SlotOf(unsigned lead, unsigned trail) {
    return kUndecodableBase + (lead - 0x80) * 256 + trail;
}

// The code point of a four-byte code, or 0 when the four bytes do not form
// one character (then the decoder takes them as two pairs).
[[nodiscard]] char32_t DecodeFourByte(const Tables& t, const unsigned char* p) {
    const unsigned b1 = p[0] - 0x81u;
    const unsigned b2 = p[1] - 0x30u;
    const unsigned b3 = p[2] - 0x81u;
    const unsigned b4 = p[3] - 0x30u;
    if (b1 >= 126 || b2 >= 10 || b3 >= 126 || b4 >= 10) return 0;
    const std::uint32_t index = ((b1 * 10 + b2) * 126 + b3) * 10 + b4;
    if (index < kFourByteBmpCount) return t.fourByteBmp[index];
    if (index < kSupplementaryFirstIndex || index >= kFourByteIndexEnd) return 0;
    const char32_t cp = 0x10000 + (index - kSupplementaryFirstIndex);
    return IsUsedSlot(cp) ? 0 : cp;
}

// One unit of the document's bytes at p: its code point and byte count.
// This is the one parse both the decoder and the offset mapping follow.
[[nodiscard]] int DecodeUnit(const Tables& t, const unsigned char* p, const unsigned char* end,
                             char32_t* cp) {
    const unsigned lead = p[0];
    if (lead < 0x80) {
        *cp = lead;
        return 1;
    }
    if (end - p < 2) {
        *cp = SlotOf(lead, 0);
        return 1;
    }
    const unsigned trail = p[1];
    const Utf8Pair& pair = t.pairs[(lead - 0x80) << 8 | trail];
    if (pair.length != 0) {
        const unsigned char* b = pair.bytes;
        *cp = pair.length == 2 ? char32_t((b[0] & 0x1F) << 6 | (b[1] & 0x3F))
                               : char32_t((b[0] & 0x0F) << 12 | (b[1] & 0x3F) << 6 | (b[2] & 0x3F));
        return 2;
    }
    if (end - p >= 4) {
        if (const char32_t four = DecodeFourByte(t, p)) {
            *cp = four;
            return 4;
        }
    }
    *cp = SlotOf(lead, trail);
    return 2;
}

// One unit of UTF-8 at p: its code point and byte count; a byte that starts
// no well-formed sequence is a unit of its own standing for U+FFFD.
[[nodiscard]] int DecodeUtf8Unit(const unsigned char* p, const unsigned char* end, char32_t* cp) {
    const unsigned b0 = p[0];
    if (b0 < 0x80) {
        *cp = b0;
        return 1;
    }
    const std::ptrdiff_t avail = end - p;
    auto cont = [&](std::ptrdiff_t i) { return i < avail && (p[i] & 0xC0) == 0x80; };
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (cont(1)) {
            *cp = (b0 & 0x1F) << 6 | (p[1] & 0x3F);
            return 2;
        }
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (cont(1) && cont(2)) {
            const char32_t c = (b0 & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F);
            if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF)) {
                *cp = c;
                return 3;
            }
        }
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (cont(1) && cont(2) && cont(3)) {
            const char32_t c =
                (b0 & 0x07) << 18 | (p[1] & 0x3F) << 12 | (p[2] & 0x3F) << 6 | (p[3] & 0x3F);
            if (c >= 0x10000 && c <= 0x10FFFF) {
                *cp = c;
                return 4;
            }
        }
    }
    *cp = kReplacement;
    return 1;
}

[[nodiscard]] std::uint32_t FourByteIndexOfBmp(const Tables& t, char32_t cp) {
    const auto& runs = t.runsByCodePoint;
    auto it = std::upper_bound(runs.begin(), runs.end(), cp,
                               [](char32_t c, const CodePointRun& r) { return c < r.first; });
    // Every BMP code point without a two-byte code lies in a run (checked
    // when the table was generated), so it is never the first.
    --it;
    return it->index + (cp - it->first);
}

char* PutFourByte(std::uint32_t index, char* out) {
    out[3] = static_cast<char>(0x30 + index % 10);
    index /= 10;
    out[2] = static_cast<char>(0x81 + index % 126);
    index /= 126;
    out[1] = static_cast<char>(0x30 + index % 10);
    out[0] = static_cast<char>(0x81 + index / 10);
    return out + 4;
}

// The document bytes of one code point; U+0000 gives none.
char* EncodeCodePoint(const Tables& t, char32_t cp, char* out) {
    if (cp < 0x80) {
        if (cp != 0) *out++ = static_cast<char>(cp);
        return out;
    }
    if (cp < 0x10000) {
        if (const std::uint16_t code = t.bmpToTwoByte[cp]) {
            out[0] = static_cast<char>(code >> 8);
            out[1] = static_cast<char>(code & 0xFF);
            return out + 2;
        }
        return PutFourByte(FourByteIndexOfBmp(t, cp), out);
    }
    if (IsUsedSlot(cp)) {
        const std::uint32_t slot = cp - kUndecodableBase;
        *out++ = static_cast<char>(0x80 + (slot >> 8));
        if ((slot & 0xFF) != 0) *out++ = static_cast<char>(slot & 0xFF);
        return out;
    }
    return PutFourByte(kSupplementaryFirstIndex + (cp - 0x10000), out);
}

[[nodiscard]] int EncodedLength(const Tables& t, char32_t cp) {
    if (cp < 0x80) return cp != 0 ? 1 : 0;
    if (cp < 0x10000) return t.bmpToTwoByte[cp] != 0 ? 2 : 4;
    if (IsUsedSlot(cp)) return ((cp - kUndecodableBase) & 0xFF) != 0 ? 2 : 1;
    return 4;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::uint64_t kLowBits = 0x0101010101010101ull;

// Eight bytes with the first one in the low bits, whatever the machine.
[[nodiscard]] std::uint64_t LoadEight(const unsigned char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
#if defined(__BYTE_ORDER__) && defined(__ORDER_BIG_ENDIAN__) && \
    __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    w = __builtin_bswap64(w);
#endif
    return w;
}

// The index of the lowest flagged byte of a nonzero mask of high bits.
[[nodiscard]] int FirstFlaggedByte(std::uint64_t mask) {
#if defined(__GNUC__) || defined(__clang__)
    return __builtin_ctzll(mask) >> 3;
#else
    // Isolate the lowest bit; a de Bruijn multiply names its position.
    static constexpr int kPosition[64] = {
        0,  1,  48, 2,  57, 49, 28, 3,  61, 58, 50, 42, 38, 29, 17, 4,  62, 55, 59, 36, 53, 51,
        43, 22, 45, 39, 33, 30, 24, 18, 12, 5,  63, 47, 56, 27, 60, 41, 37, 16, 54, 35, 52, 21,
        44, 32, 23, 11, 46, 26, 40, 15, 34, 20, 31, 10, 25, 14, 19, 9,  13, 8,  7,  6};
    const std::uint64_t lowest = mask & (~mask + 1);
    return kPosition[(lowest * 0x03F79D71B4CB0A89ull) >> 58] >> 3;
#endif
}

// Output is written through a raw pointer into a string sized ahead; when
// fewer than kSlack bytes are left the string grows, by at least half so that
// text far from the estimate still takes few copies. kSlack covers the
// largest single step (eight ASCII bytes, or a four-byte store).
constexpr std::ptrdiff_t kSlack = 16;

void Grow(std::string& out, char*& o, char*& oEnd, std::size_t minExtra) {
    const std::size_t used = static_cast<std::size_t>(o - out.data());
    out.resize(std::max(out.size() + out.size() / 2, used + minExtra));
    o = out.data() + used;
    oEnd = out.data() + out.size();
}

}  // namespace

std::string DecodeAnsi(std::string_view ansi) {
    const Tables& t = GetTables();
    const auto* p = reinterpret_cast<const unsigned char*>(ansi.data());
    const unsigned char* const end = p + ansi.size();
    std::string out;
    // Chinese text grows by half (two bytes become three); ASCII keeps its size.
    out.resize(ansi.size() + ansi.size() / 2 + kSlack);
    char* o = out.data();
    char* oEnd = o + out.size();
    while (p < end) {
        if (oEnd - o < kSlack) Grow(out, o, oEnd, static_cast<std::size_t>(end - p) * 2 + kSlack);
        const unsigned b = *p;
        if (b < 0x80) {
            // Copy eight bytes and keep those before the first lead byte.
            if (end - p >= 8) {
                const std::uint64_t leads = LoadEight(p) & kHighBits;
                const int count = leads == 0 ? 8 : FirstFlaggedByte(leads);
                std::memcpy(o, p, 8);
                o += count;
                p += count;
                continue;
            }
            *o++ = static_cast<char>(b);
            ++p;
            continue;
        }
        if (end - p >= 2) {
            const Utf8Pair& pair = t.pairs[(b - 0x80) << 8 | p[1]];
            // Testing for three bytes first lets the next output position
            // be predicted instead of waiting on the table load: nearly
            // every pair is a hanzi, which takes three bytes in UTF-8.
            if (pair.length == 3) {
                std::memcpy(o, &pair, 4);
                o += 3;
                p += 2;
                continue;
            }
            if (pair.length == 2) {
                std::memcpy(o, &pair, 4);
                o += 2;
                p += 2;
                continue;
            }
        }
        char32_t cp;
        p += DecodeUnit(t, p, end, &cp);
        o = PutUtf8(cp, o);
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

AnsiText EncodeAnsi(std::string_view utf8) {
    const Tables& t = GetTables();
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const unsigned char* const end = p + utf8.size();
    AnsiText out;
    // Chinese text shrinks (three bytes become two); only unusual text
    // (invalid bytes, four-byte codes of two-byte UTF-8) needs the growth.
    out.resize(utf8.size() + kSlack);
    char* o = out.data();
    char* oEnd = o + out.size();
    while (p < end) {
        if (oEnd - o < kSlack) Grow(out, o, oEnd, static_cast<std::size_t>(end - p) + kSlack);
        const unsigned b0 = *p;
        if (b0 < 0x80) {
            // Copy eight bytes and keep those before the first one that
            // is not ASCII or is a zero byte. Only the first flagged byte
            // counts: the zero test may also flag bytes after a zero.
            if (end - p >= 8) {
                const std::uint64_t w = LoadEight(p);
                const std::uint64_t stops = (w | ((w - kLowBits) & ~w)) & kHighBits;
                const int count = stops == 0 ? 8 : FirstFlaggedByte(stops);
                if (count != 0) {
                    std::memcpy(o, p, 8);
                    o += count;
                    p += count;
                    continue;
                }
            }
            if (b0 != 0) *o++ = static_cast<char>(b0);
            ++p;
            continue;
        }
        // Three-byte sequences carry nearly all Chinese text: decode them
        // inline and look the two-byte code up directly.
        if ((b0 & 0xF0) == 0xE0 && end - p >= 3) {
            const unsigned b1 = p[1];
            const unsigned b2 = p[2];
            if (((b1 & 0xC0) | ((b2 & 0xC0) >> 2)) == 0xA0) {
                const char32_t cp = (b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F);
                // Overlong forms fall through to the full decoder, which
                // rejects them; surrogates have no two-byte code.
                const std::uint16_t code = cp >= 0x800 ? t.bmpToTwoByte[cp] : 0;
                if (code != 0) {
                    o[0] = static_cast<char>(code >> 8);
                    o[1] = static_cast<char>(code & 0xFF);
                    o += 2;
                    p += 3;
                    continue;
                }
            }
        }
        char32_t cp;
        p += DecodeUtf8Unit(p, end, &cp);
        o = EncodeCodePoint(t, cp, o);
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

Pos AnsiToUtf8Offset(std::string_view ansi, Pos ansiOffset) {
    const Tables& t = GetTables();
    const auto size = static_cast<Pos>(ansi.size());
    const Pos target = std::clamp<Pos>(ansiOffset, 0, size);
    const auto* begin = reinterpret_cast<const unsigned char*>(ansi.data());
    const unsigned char* const end = begin + ansi.size();
    Pos at = 0;
    Pos utf8 = 0;
    while (at < target) {
        char32_t cp;
        const int length = DecodeUnit(t, begin + at, end, &cp);
        if (at + length > target) break;  // target is inside this unit
        at += length;
        utf8 += Utf8Length(cp);
    }
    return utf8;
}

Pos Utf8ToAnsiOffset(std::string_view utf8, Pos utf8Offset) {
    const Tables& t = GetTables();
    const auto size = static_cast<Pos>(utf8.size());
    const Pos target = std::clamp<Pos>(utf8Offset, 0, size);
    const auto* begin = reinterpret_cast<const unsigned char*>(utf8.data());
    const unsigned char* const end = begin + utf8.size();
    Pos at = 0;
    Pos ansi = 0;
    while (at < target) {
        char32_t cp;
        const int length = DecodeUtf8Unit(begin + at, end, &cp);
        if (at + length > target) break;
        at += length;
        ansi += EncodedLength(t, cp);
    }
    return ansi;
}

}  // namespace scribbet
