#include "core/code_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#if __has_include(<iconv.h>)
#include <iconv.h>
#endif
// The reference is glibc's converter; other iconv implementations follow
// other revisions of GB18030 and would report differences that are not ours.
#if __has_include(<iconv.h>) && defined(__GLIBC__)
#define SCRIBBET_HAVE_SYSTEM_GB18030 1
#else
#define SCRIBBET_HAVE_SYSTEM_GB18030 0
#endif

namespace scribbet {
namespace {

// --- Helpers written independently of the converter under test. ---

std::string Utf8(std::u32string_view text) {
    std::string out;
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string Utf8(char32_t cp) { return Utf8(std::u32string(1, cp)); }

// Code points of well-formed UTF-8 (what DecodeAnsi must always produce);
// an ill-formed byte shows up as U+FFFFFFFF so a test sees it.
std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > utf8.size()) {
            out += char32_t(0xFFFFFFFF);
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? b : b & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += cp;
        i += length;
    }
    return out;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes) out += static_cast<char>(b);
    return out;
}

std::string Hex(std::string_view bytes) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (char c : bytes)
        out << ((static_cast<unsigned char>(c) < 16) ? "0" : "")
            << int(static_cast<unsigned char>(c));
    return out.str();
}

std::string Hex(std::u32string_view cps) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (char32_t cp : cps) out << "U+" << std::uint32_t(cp) << ' ';
    return out.str();
}

char32_t Slot(int lead, int trail) {
    return kUndecodableBase + static_cast<char32_t>((lead - 0x80) * 256 + trail);
}

bool IsValidTrail(int trail) {
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
}

// Whether a private code point stands for a pair that is no character.
bool IsUsedSlot(char32_t cp) {
    if (cp < kUndecodableBase || cp >= kUndecodableBase + 0x8000) return false;
    const int lead = 0x80 + static_cast<int>((cp - kUndecodableBase) >> 8);
    const int trail = static_cast<int>((cp - kUndecodableBase) & 0xFF);
    return lead == 0x80 || lead == 0xFF || !IsValidTrail(trail);
}

std::string FourByte(std::uint32_t index) {
    return Bytes({0x81 + static_cast<int>(index / 12600),
                  0x30 + static_cast<int>(index / 1260 % 10),
                  0x81 + static_cast<int>(index / 10 % 126), 0x30 + static_cast<int>(index % 10)});
}

std::string FourByteOfSupplementary(char32_t cp) { return FourByte(189000 + (cp - 0x10000)); }

// Where this converter deliberately differs from glibc's (2.36): it follows
// GB18030-2022. glibc maps these six two-byte codes to their ideographs
// outside the BMP, whose four-byte codes glibc also decodes to the same
// ideographs, so two byte sequences would give one code point; GB18030-2022
// keeps them in the Private Use Area.
struct Exception {
    std::string bytes;
    char32_t ours;
};
const std::vector<Exception>& TwoByteExceptions() {
    static const std::vector<Exception> kList = {
        {"\xFE\x51", 0xE816}, {"\xFE\x52", 0xE817}, {"\xFE\x53", 0xE818},
        {"\xFE\x6C", 0xE831}, {"\xFE\x76", 0xE83B}, {"\xFE\x91", 0xE855},
    };
    return kList;
}
// glibc moved 18 two-byte codes off the Private Use Area (as GB18030-2022
// does) but left the private code points they had with no code at all;
// GB18030-2022 gives them the four-byte codes the moved characters had.
const std::vector<Exception>& FourByteExceptions() {
    static const std::vector<Exception> kList = {
        {"\x82\x35\x90\x37", 0xE81E}, {"\x82\x35\x90\x38", 0xE826}, {"\x82\x35\x90\x39", 0xE82B},
        {"\x82\x35\x91\x30", 0xE82C}, {"\x82\x35\x91\x31", 0xE832}, {"\x82\x35\x91\x32", 0xE843},
        {"\x82\x35\x91\x33", 0xE854}, {"\x82\x35\x91\x34", 0xE864}, {"\x84\x31\x82\x36", 0xE78D},
        {"\x84\x31\x82\x37", 0xE78F}, {"\x84\x31\x82\x38", 0xE78E}, {"\x84\x31\x82\x39", 0xE790},
        {"\x84\x31\x83\x30", 0xE791}, {"\x84\x31\x83\x31", 0xE792}, {"\x84\x31\x83\x32", 0xE793},
        {"\x84\x31\x83\x33", 0xE794}, {"\x84\x31\x83\x34", 0xE795}, {"\x84\x31\x83\x35", 0xE796},
    };
    return kList;
}
// The code points whose encoding differs from glibc's as a consequence: the
// exceptions' own, and the six ideographs glibc gives two-byte codes.
bool IsEncodeException(char32_t cp) {
    for (const auto* list : {&TwoByteExceptions(), &FourByteExceptions()}) {
        for (const Exception& e : *list) {
            if (e.ours == cp) return true;
        }
    }
    for (char32_t ideograph : {0x20087, 0x20089, 0x200CC, 0x215D7, 0x2298F, 0x241FE}) {
        if (ideograph == cp) return true;
    }
    return false;
}

#if SCRIBBET_HAVE_SYSTEM_GB18030
// glibc's GB18030 converter, one character at a time.
class SystemGb18030 {
public:
    SystemGb18030()
        : decoder_(iconv_open("UTF-32LE", "GB18030")),
          encoder_(iconv_open("GB18030", "UTF-32LE")) {}
    ~SystemGb18030() {
        if (Ok()) {
            iconv_close(decoder_);
            iconv_close(encoder_);
        }
    }
    SystemGb18030(const SystemGb18030&) = delete;
    SystemGb18030& operator=(const SystemGb18030&) = delete;

    bool Ok() const { return decoder_ != kFailed && encoder_ != kFailed; }

    // The code points of bytes that must convert completely, or nothing.
    std::optional<std::u32string> Decode(std::string_view bytes) {
        std::string out = Convert(decoder_, bytes);
        if (out.empty()) return std::nullopt;
        std::u32string cps;
        for (std::size_t i = 0; i + 4 <= out.size(); i += 4) {
            const auto* b = reinterpret_cast<const unsigned char*>(out.data() + i);
            cps += char32_t(b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24);
        }
        return cps;
    }

    std::optional<std::string> Encode(char32_t cp) {
        const char in[4] = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF),
                            static_cast<char>((cp >> 16) & 0xFF), static_cast<char>(cp >> 24)};
        std::string out = Convert(encoder_, std::string_view(in, 4));
        if (out.empty()) return std::nullopt;
        return out;
    }

private:
    static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

    static std::string Convert(iconv_t cd, std::string_view in) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (result == static_cast<std::size_t>(-1) || inLeft != 0) return {};
        // Flush a shift state, so a character held back is not lost.
        if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return {};
        return std::string(buffer, static_cast<std::size_t>(outPtr - buffer));
    }

    iconv_t decoder_;
    iconv_t encoder_;
};
#endif

// Collects disagreements so a broken table reports a few examples and a
// count instead of thousands of failures.
class Mismatches {
public:
    void Add(const std::string& what) {
        if (count_++ < 12) examples_ += what + "\n";
    }
    bool Empty() const { return count_ == 0; }
    std::string Report() const {
        return std::to_string(count_) + " mismatches, first:\n" + examples_;
    }

private:
    int count_ = 0;
    std::string examples_;
};

// --- Against the system converter. ---

TEST(CodePageReference, EveryTwoBytePairDecodesLikeTheSystemConverter) {
#if SCRIBBET_HAVE_SYSTEM_GB18030
    SystemGb18030 system;
    if (!system.Ok()) GTEST_SKIP() << "the system has no GB18030 converter";
    std::map<std::string, char32_t> exceptions;
    for (const Exception& e : TwoByteExceptions()) exceptions[e.bytes] = e.ours;

    Mismatches mismatches;
    int compared = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string pair = Bytes({lead, trail});
            const std::string decoded = DecodeAnsi(pair);
            const std::u32string ours = CodePoints(decoded);
            if (EncodeAnsi(decoded) != pair) mismatches.Add(Hex(pair) + " does not encode back");
            const auto exception = exceptions.find(pair);
            if (exception != exceptions.end()) {
                if (ours != std::u32string(1, exception->second))
                    mismatches.Add(Hex(pair) + " -> " + Hex(ours));
                continue;
            }
            const std::optional<std::u32string> expected = system.Decode(pair);
            ++compared;
            if (!expected || ours != *expected) {
                mismatches.Add(Hex(pair) + ": ours " + Hex(ours) + " system " +
                               (expected ? Hex(*expected) : std::string("none")));
            }
        }
    }
    EXPECT_TRUE(mismatches.Empty()) << mismatches.Report();
    EXPECT_EQ(compared, 126 * 190 - static_cast<int>(exceptions.size()));
#else
    GTEST_SKIP() << "no glibc iconv to compare with";
#endif
}

TEST(CodePageReference, FourByteBmpCodesDecodeLikeTheSystemConverter) {
#if SCRIBBET_HAVE_SYSTEM_GB18030
    SystemGb18030 system;
    if (!system.Ok()) GTEST_SKIP() << "the system has no GB18030 converter";
    std::map<std::string, char32_t> exceptions;
    for (const Exception& e : FourByteExceptions()) exceptions[e.bytes] = e.ours;

    // Every code with first byte 81..84: the BMP part (81308130..8431A439)
    // and the unassigned rest, which must fall apart into two pairs.
    Mismatches mismatches;
    int assigned = 0;
    for (std::uint32_t index = 0; index < 4 * 12600; ++index) {
        const std::string code = FourByte(index);
        const std::string decoded = DecodeAnsi(code);
        const std::u32string ours = CodePoints(decoded);
        if (EncodeAnsi(decoded) != code) mismatches.Add(Hex(code) + " does not encode back");
        const auto exception = exceptions.find(code);
        if (exception != exceptions.end()) {
            ++assigned;
            if (ours != std::u32string(1, exception->second))
                mismatches.Add(Hex(code) + " -> " + Hex(ours));
            continue;
        }
        const std::optional<std::u32string> expected = system.Decode(code);
        if (expected) {
            ++assigned;
            if (ours != *expected)
                mismatches.Add(Hex(code) + ": ours " + Hex(ours) + " system " + Hex(*expected));
        } else {
            const std::u32string pairs = {Slot(static_cast<unsigned char>(code[0]), code[1]),
                                          Slot(static_cast<unsigned char>(code[2]), code[3])};
            if (ours != pairs) mismatches.Add(Hex(code) + " (unassigned) -> " + Hex(ours));
        }
    }
    EXPECT_TRUE(mismatches.Empty()) << mismatches.Report();
    // 65536 BMP code points less ASCII, surrogates and the two-byte codes.
    EXPECT_EQ(assigned, 39420);
#else
    GTEST_SKIP() << "no glibc iconv to compare with";
#endif
}

TEST(CodePageReference, EveryCodePointEncodesLikeTheSystemConverter) {
#if SCRIBBET_HAVE_SYSTEM_GB18030
    SystemGb18030 system;
    if (!system.Ok()) GTEST_SKIP() << "the system has no GB18030 converter";
    Mismatches mismatches;
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if (cp == 0xD800) cp = 0xE000;
        const std::string text = Utf8(cp);
        const std::string ours = EncodeAnsi(text);
        if (IsUsedSlot(cp)) continue;  // raw bytes; see the lossless tests
        if (DecodeAnsi(ours) != text)
            mismatches.Add(Hex(std::u32string(1, cp)) + " does not decode back");
        if (IsEncodeException(cp)) continue;
        const std::optional<std::string> expected = system.Encode(cp);
        if (!expected || ours != *expected) {
            mismatches.Add(Hex(std::u32string(1, cp)) + ": ours " + Hex(ours) + " system " +
                           (expected ? Hex(*expected) : std::string("none")));
        }
    }
    EXPECT_TRUE(mismatches.Empty()) << mismatches.Report();
#else
    GTEST_SKIP() << "no glibc iconv to compare with";
#endif
}

TEST(CodePageReference, DeliberateDifferencesFollowGb18030Of2022) {
    // Each exception is a bijection of its own: the code decodes to its
    // private code point and that code point encodes to the code.
    for (const auto* list : {&TwoByteExceptions(), &FourByteExceptions()}) {
        for (const Exception& e : *list) {
            EXPECT_EQ(CodePoints(DecodeAnsi(e.bytes)), std::u32string(1, e.ours)) << Hex(e.bytes);
            EXPECT_EQ(EncodeAnsi(Utf8(e.ours)), e.bytes) << Hex(e.bytes);
        }
    }
    // The ideographs glibc gives two-byte codes keep their computed codes.
    for (char32_t cp : {0x20087, 0x20089, 0x200CC, 0x215D7, 0x2298F, 0x241FE}) {
        EXPECT_EQ(EncodeAnsi(Utf8(cp)), FourByteOfSupplementary(cp))
            << std::hex << std::uint32_t(cp);
    }
}

// --- Known characters. ---

TEST(CodePage, KnownCharactersConvertBothWays) {
    struct Case {
        const char* name;
        char32_t cp;
        std::string gbk;
    };
    const Case cases[] = {
        {"zhong", 0x4E2D, "\xD6\xD0"},
        {"wen", 0x6587, "\xCE\xC4"},
        {"full-width A", 0xFF21, "\xA3\xC1"},
        {"ideographic space", 0x3000, "\xA1\xA1"},
        {"middle dot (two-byte UTF-8)", 0x00B7, "\xA1\xA4"},
        {"euro sign", 0x20AC, "\xA2\xE3"},
        {"m with acute (2005)", 0x1E3F, "\xA8\xBC"},
        {"vertical comma (2022)", 0xFE10, "\xA6\xD9"},
        {"first four-byte code", 0x0080, "\x81\x30\x81\x30"},
        {"replacement character", 0xFFFD, "\x84\x31\xA4\x37"},
        {"last BMP code point", 0xFFFF, "\x84\x31\xA4\x39"},
        {"grinning face emoji", 0x1F600, "\x94\x39\xFC\x36"},
        {"first supplementary", 0x10000, "\x90\x30\x81\x30"},
        {"last code point", 0x10FFFF, "\xE3\x32\x9A\x35"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(EncodeAnsi(Utf8(c.cp))), Hex(c.gbk)) << c.name;
        EXPECT_EQ(CodePoints(DecodeAnsi(c.gbk)), std::u32string(1, c.cp)) << c.name;
    }
    // In running text, with ASCII around.
    const std::string gbk = "GBK \xD6\xD0\xCE\xC4 ok\r\n";
    const std::string utf8 = "GBK " + Utf8(U"\u4E2D\u6587") + " ok\r\n";
    EXPECT_EQ(DecodeAnsi(gbk), utf8);
    EXPECT_EQ(EncodeAnsi(utf8), gbk);
}

TEST(CodePage, SupplementaryCodePointsUseTheComputedFourByteCodes) {
    for (char32_t cp = 0x10000; cp <= 0x10FFFF; cp += 0x1234) {
        if (IsUsedSlot(cp)) continue;
        const std::string code = FourByteOfSupplementary(cp);
        EXPECT_EQ(Hex(EncodeAnsi(Utf8(cp))), Hex(code));
        EXPECT_EQ(CodePoints(DecodeAnsi(code)), std::u32string(1, cp)) << Hex(code);
    }
    // Just past U+10FFFF no character is assigned: two undecodable pairs.
    EXPECT_EQ(CodePoints(DecodeAnsi("\xE3\x32\x9A\x36")),
              (std::u32string{Slot(0xE3, 0x32), Slot(0x9A, 0x36)}));
    // Between the BMP and the supplementary codes (8431A530..8F39FE39) too.
    EXPECT_EQ(CodePoints(DecodeAnsi("\x8F\x39\xFE\x39")),
              (std::u32string{Slot(0x8F, 0x39), Slot(0xFE, 0x39)}));
}

// --- Losslessness. ---

TEST(CodePageLossless, NastyByteStringsDecodeToTheirUnitsAndBack) {
    const char32_t kZhong = 0x4E2D;
    const char32_t usedSlot = Slot(0x80, 0x41);
    const char32_t unusedSlot = Slot(0x81, 0x40);  // 81 40 is a character
    struct Case {
        const char* name;
        std::string bytes;
        std::u32string expected;
    };
    const Case cases[] = {
        {"lone lead at the end", "a\x81", {U'a', Slot(0x81, 0)}},
        {"only a lone lead", "\xD6", {Slot(0xD6, 0)}},
        {"lead takes CR", "\xB0\r\n", {Slot(0xB0, '\r'), U'\n'}},
        {"lead takes LF", "\xB0\nx", {Slot(0xB0, '\n'), U'x'}},
        {"lead takes a control byte", "\xC8\x01", {Slot(0xC8, 0x01)}},
        {"lead takes a space", "\xC8 ", {Slot(0xC8, ' ')}},
        {"lead 0x80", "\x80\xA1", {Slot(0x80, 0xA1)}},
        {"lead 0xFF", "\xFF\xFE", {Slot(0xFF, 0xFE)}},
        {"0xFF twice", "\xFF\xFF", {Slot(0xFF, 0xFF)}},
        {"trail 0x7F", "\x81\x7F", {Slot(0x81, 0x7F)}},
        {"trail 0xFF", "\x81\xFF", {Slot(0x81, 0xFF)}},
        {"lead and digit, then ASCII", "\x81\x30x", {Slot(0x81, '0'), U'x'}},
        {"lead and digit, then a lone lead", "\x81\x30\x81", {Slot(0x81, '0'), Slot(0x81, 0)}},
        {"lead and digit, then a lead and a letter", "\x81\x30\x81\x41", {Slot(0x81, '0'), 0x4E04}},
        {"three of a four-byte code",
         "\x81\x30\x81\x30\x81\x30\x81",
         {0x0080, Slot(0x81, '0'), Slot(0x81, 0)}},
        {"unassigned four-byte code", "\x84\x31\xA5\x30", {Slot(0x84, '1'), Slot(0xA5, '0')}},
        {"four-byte code of the 0xFF lead", "\xFF\x30\x81\x30", {Slot(0xFF, '0'), Slot(0x81, '0')}},
        {"four-byte code of a used private slot",
         FourByteOfSupplementary(usedSlot),
         {Slot(0xD8, '8'), Slot(0x9D, '9')}},
        {"four-byte code of the first private slot",
         FourByteOfSupplementary(kUndecodableBase),
         {Slot(0xD8, '8'), Slot(0x97, '4')}},
        {"four-byte code of an unused private slot",
         FourByteOfSupplementary(unusedSlot),
         {unusedSlot}},
        {"lone CR", "\r", {U'\r'}},
        {"lone LF", "\n", {U'\n'}},
        {"control bytes", "\x01\x1F\x7F\t\x1B", {1, 0x1F, 0x7F, U'\t', 0x1B}},
        {"character then digits", std::string("\xD6\xD0") + "123", {kZhong, U'1', U'2', U'3'}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        const std::string decoded = DecodeAnsi(c.bytes);
        EXPECT_EQ(Hex(CodePoints(decoded)), Hex(c.expected)) << c.name;
        EXPECT_EQ(Hex(EncodeAnsi(decoded)), Hex(c.bytes)) << c.name;
    }
}

TEST(CodePageLossless, PrivateSlotsEncodeToTheirBytes) {
    struct Case {
        char32_t cp;
        std::string bytes;
    };
    const Case cases[] = {
        {Slot(0x81, 0), "\x81"},
        {Slot(0xFF, 0), "\xFF"},
        {Slot(0x80, 0x80), "\x80\x80"},
        {Slot(0xB0, '\r'), "\xB0\r"},
        {Slot(0x81, '9'), std::string("\x81") + "9"},
        {Slot(0xFE, 0xFF), "\xFE\xFF"},
        {Slot(0x81, 0x40), FourByteOfSupplementary(Slot(0x81, 0x40))},  // unused
        {Slot(0xFE, 0xFE), FourByteOfSupplementary(Slot(0xFE, 0xFE))},  // unused
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(EncodeAnsi(Utf8(c.cp))), Hex(c.bytes)) << std::hex << std::uint32_t(c.cp);
    }
}

TEST(CodePageLossless, AsciiRunsOfEveryLengthAroundCharacters) {
    // The converters copy ASCII eight bytes at a time; every run length and
    // position of the following character must come out the same.
    for (int before = 0; before <= 20; ++before) {
        for (int after = 0; after <= 20; after += 3) {
            const std::string left(static_cast<std::size_t>(before), 'a');
            const std::string right(static_cast<std::size_t>(after), '7');
            for (const auto& [gbk, utf8] :
                 {std::pair<std::string, std::string>{"\xD6\xD0", Utf8(0x4E2D)},
                  {"\x81\x30\x81\x30", Utf8(0x80)},
                  {"\x81", Utf8(Slot(0x81, 0))}}) {
                if (gbk.size() == 1 && after != 0) continue;  // a lone lead is last
                EXPECT_EQ(DecodeAnsi(left + gbk + right), left + utf8 + right)
                    << before << " " << after;
                EXPECT_EQ(EncodeAnsi(left + utf8 + right), left + gbk + right)
                    << before << " " << after;
            }
        }
    }
}

TEST(CodePageLossless, TextsThatOutgrowTheSizeEstimateConvertWhole) {
    // The output is sized for Chinese text; these take more room per byte.
    struct Case {
        const char* name;
        std::string unit;
        std::string utf8;
    };
    const Case cases[] = {
        {"undecodable pairs (two bytes to four)", "\xFF\xFF", Utf8(Slot(0xFF, 0xFF))},
        {"four-byte BMP codes of two-byte UTF-8", "\x81\x30\x81\x30", Utf8(0x80)},
        {"Hangul (three bytes to four)", "\x82\x37\xCF\x35", Utf8(0xAC00)},
    };
    for (const Case& c : cases) {
        std::string gbk;
        std::string utf8;
        for (int i = 0; i < 5000; ++i) {
            gbk += c.unit;
            utf8 += c.utf8;
        }
        EXPECT_EQ(DecodeAnsi(gbk), utf8) << c.name;
        EXPECT_EQ(EncodeAnsi(utf8), gbk) << c.name;
    }
    const std::string invalid(5000, '\xFF');
    std::string replacements;
    for (int i = 0; i < 5000; ++i) replacements += "\x84\x31\xA4\x37";
    EXPECT_EQ(EncodeAnsi(invalid), replacements);
}

std::string RandomBytes(std::mt19937& random) {
    // Biased to lead bytes and digits, where pairs and four-byte codes meet.
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> kind(0, 99);
    std::uniform_int_distribution<int> high(0x80, 0xFF);
    std::uniform_int_distribution<int> digit('0', '9');
    std::uniform_int_distribution<int> low(1, 0x7F);
    std::string bytes;
    for (int n = length(random); n > 0; --n) {
        const int k = kind(random);
        const int b = k < 45   ? high(random)
                      : k < 70 ? digit(random)
                      : k < 78 ? (k % 2 ? '\r' : '\n')
                               : low(random);
        bytes += static_cast<char>(b);
    }
    return bytes;
}

std::u32string RandomText(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> kind(0, 99);
    using Range = std::uniform_int_distribution<std::uint32_t>;
    Range ascii(1, 0x7F);
    Range bmp(0x80, 0xFFFF);
    Range cjk(0x4E00, 0x9FFF);
    Range supplementary(0x10000, 0x10FFFF);
    Range privateSlots(kUndecodableBase, kUndecodableBase + 0x7FFF);
    std::u32string text;
    for (int n = length(random); n > 0;) {
        const int k = kind(random);
        const char32_t cp = k < 20   ? ascii(random)
                            : k < 50 ? bmp(random)
                            : k < 70 ? cjk(random)
                            : k < 90 ? supplementary(random)
                                     : privateSlots(random);
        if ((cp >= 0xD800 && cp <= 0xDFFF) || IsUsedSlot(cp)) continue;
        text += cp;
        --n;
    }
    return text;
}

TEST(CodePageLossless, RandomByteStringsEncodeBackToThemselves) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 5000; ++i) {
        const std::string bytes = RandomBytes(random);
        const std::string decoded = DecodeAnsi(bytes);
        ASSERT_EQ(Hex(EncodeAnsi(decoded)), Hex(bytes));
        // What the edit area receives is always well-formed UTF-8.
        ASSERT_EQ(Utf8(CodePoints(decoded)), decoded) << Hex(bytes);
    }
}

TEST(CodePageLossless, RandomTextDecodesBackToItself) {
    std::mt19937 random(7);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = Utf8(RandomText(random));
        ASSERT_EQ(Hex(CodePoints(DecodeAnsi(EncodeAnsi(text)))), Hex(CodePoints(text)));
    }
}

// --- Invalid UTF-8 and U+0000. ---

TEST(CodePage, InvalidUtf8BecomesTheReplacementAndResyncs) {
    const std::string r = "\x84\x31\xA4\x37";  // U+FFFD
    struct Case {
        const char* name;
        std::string utf8;
        std::string gbk;
    };
    const Case cases[] = {
        {"lone continuation byte", "\x80", r},
        {"truncated at the end", "a\xC3", "a" + r},
        {"truncated before ASCII", "\xC3(", r + "("},
        {"truncated three-byte sequence", std::string("\xE4\xB8") + "a", r + r + "a"},
        {"overlong two-byte", "\xC0\xAF", r + r},
        {"overlong three-byte of a two-byte code", "\xE0\x82\xB7", r + r + r},
        {"surrogate", "\xED\xA0\x80", r + r + r},
        {"above U+10FFFF", "\xF4\x90\x80\x80", r + r + r + r},
        {"byte 0xF5", "\xF5\x80", r + r},
        {"byte 0xFF between characters", Utf8(0x4E2D) + "\xFF" + Utf8(0x6587),
         "\xD6\xD0" + r + "\xCE\xC4"},
        {"continuation cut by a character", "\xE4" + Utf8(0x6587), r + "\xCE\xC4"},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(EncodeAnsi(c.utf8)), Hex(c.gbk)) << c.name;
}

TEST(CodePage, ZeroCodePointsAreDropped) {
    using namespace std::string_view_literals;
    EXPECT_EQ(EncodeAnsi("a\0b"sv), "ab");
    EXPECT_EQ(EncodeAnsi("\0\0\0\0\0\0\0\0\0x"sv), "x");
    EXPECT_EQ(EncodeAnsi("abcdefg\0hijklmnop\0"sv), "abcdefghijklmnop");
    EXPECT_EQ(EncodeAnsi(std::string(1, '\0') + Utf8(0x4E2D)), "\xD6\xD0");
    EXPECT_EQ(Utf8ToAnsiOffset("a\0b"sv, 2), 1);
    EXPECT_EQ(Utf8ToAnsiOffset("a\0b"sv, 3), 2);
}

// --- Offsets. ---

TEST(CodePageOffsets, MapUnitStartsAndClampBothWays) {
    // a, zhong, b, the grinning face emoji and a lone lead byte.
    const std::string gbk = std::string("a\xD6\xD0") + "b\x94\x39\xFC\x36\x81";
    const std::string utf8 = DecodeAnsi(gbk);
    ASSERT_EQ(utf8, "a" + Utf8(0x4E2D) + "b" + Utf8(0x1F600) + Utf8(Slot(0x81, 0)));
    struct Case {
        Pos from;
        Pos to;
    };
    // Offsets inside a unit give its start.
    const Case ansiToUtf8[] = {{-5, 0}, {0, 0}, {1, 1}, {2, 1},  {3, 4},   {4, 5},
                               {5, 5},  {7, 5}, {8, 9}, {9, 13}, {10, 13}, {99, 13}};
    for (const Case& c : ansiToUtf8) EXPECT_EQ(AnsiToUtf8Offset(gbk, c.from), c.to) << c.from;
    const Case utf8ToAnsi[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 1},  {3, 1},  {4, 3},
                               {5, 4},  {8, 4}, {9, 8}, {12, 8}, {13, 9}, {50, 9}};
    for (const Case& c : utf8ToAnsi) EXPECT_EQ(Utf8ToAnsiOffset(utf8, c.from), c.to) << c.from;
    EXPECT_EQ(AnsiToUtf8Offset("", 3), 0);
    EXPECT_EQ(Utf8ToAnsiOffset("", -3), 0);
    // An invalid UTF-8 byte is one unit that stands for four bytes.
    EXPECT_EQ(Utf8ToAnsiOffset("\xFFz", 1), 4);
}

// Checks both mappings on one text against its units, computed here from
// the decoded code points: every unit start maps to the other side's start,
// every offset inside a unit to its start, and the mapping never goes back.
void CheckOffsets(const std::string& gbk) {
    const std::string utf8 = DecodeAnsi(gbk);
    std::vector<Pos> ansiStarts{0};
    std::vector<Pos> utf8Starts{0};
    for (char32_t cp : CodePoints(utf8)) {
        ansiStarts.push_back(ansiStarts.back() + static_cast<Pos>(EncodeAnsi(Utf8(cp)).size()));
        utf8Starts.push_back(utf8Starts.back() + static_cast<Pos>(Utf8(cp).size()));
    }
    ASSERT_EQ(ansiStarts.back(), static_cast<Pos>(gbk.size())) << Hex(gbk);
    for (std::size_t unit = 0; unit + 1 < ansiStarts.size(); ++unit) {
        for (Pos a = ansiStarts[unit]; a < ansiStarts[unit + 1]; ++a) {
            ASSERT_EQ(AnsiToUtf8Offset(gbk, a), utf8Starts[unit]) << Hex(gbk) << " at " << a;
        }
        for (Pos u = utf8Starts[unit]; u < utf8Starts[unit + 1]; ++u) {
            ASSERT_EQ(Utf8ToAnsiOffset(utf8, u), ansiStarts[unit]) << Hex(gbk) << " at " << u;
        }
    }
    ASSERT_EQ(AnsiToUtf8Offset(gbk, ansiStarts.back()), utf8Starts.back());
    ASSERT_EQ(Utf8ToAnsiOffset(utf8, utf8Starts.back()), ansiStarts.back());
    ASSERT_EQ(AnsiToUtf8Offset(gbk, ansiStarts.back() + 5), utf8Starts.back());
    ASSERT_EQ(AnsiToUtf8Offset(gbk, -1), 0);
}

TEST(CodePageOffsets, RandomByteStringsMapByUnits) {
    std::mt19937 random(99);
    for (int i = 0; i < 3000; ++i) {
        CheckOffsets(RandomBytes(random));
        if (HasFatalFailure()) return;
    }
}

TEST(CodePageOffsets, RandomTextMapsByUnits) {
    std::mt19937 random(100);
    for (int i = 0; i < 2000; ++i) {
        CheckOffsets(EncodeAnsi(Utf8(RandomText(random))));
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace scribbet
