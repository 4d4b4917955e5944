// The conversion between document bytes and UTF-8 loses nothing either way,
// and its two offset mappings undo each other at character starts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/code_page.h"
#include "fuzz_check.h"

namespace scribbet::fuzz {
namespace {

// The code point of a well-formed UTF-8 sequence at i and its length, or
// length 0 when the bytes there are not one.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;
};

Decoded DecodeUtf8At(const std::string& s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = byte(i);
    std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > s.size()) return {};
    char32_t code = length == 1 ? b : b & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

// Text a user could type: well-formed, no U+0000, none of the code points
// that stand for undecodable byte pairs.
bool IsTypedText(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const Decoded d = DecodeUtf8At(s, i);
        if (d.length == 0 || d.code == 0) return false;
        if (d.code >= kUndecodableBase && d.code < kUndecodableBase + 0x8000) return false;
        i += d.length;
    }
    return true;
}

void CheckOffsets(const std::string& ansi) {
    const std::string utf8 = DecodeAnsi(ansi);
    const Pos ansiSize = static_cast<Pos>(ansi.size());
    const Pos utf8Size = static_cast<Pos>(utf8.size());
    FUZZ_CHECK(AnsiToUtf8Offset(ansi, ansiSize) == utf8Size);
    FUZZ_CHECK(Utf8ToAnsiOffset(utf8, utf8Size) == ansiSize);
    FUZZ_CHECK(AnsiToUtf8Offset(ansi, -5) == 0 && AnsiToUtf8Offset(ansi, ansiSize + 9) == utf8Size);
    // Each call walks the text from its start: a bounded sample keeps a run
    // linear, and the fuzzer moves the sample about by changing the size.
    const Pos step = utf8Size / 48 + 1;
    Pos previousUtf8 = 0;
    Pos previousAnsi = 0;
    for (Pos u = 0; u <= utf8Size; u += step) {
        const Pos a = Utf8ToAnsiOffset(utf8, u);
        FUZZ_CHECK(a >= previousAnsi && a <= ansiSize);
        const Pos back = AnsiToUtf8Offset(ansi, a);
        FUZZ_CHECK(back <= u && back >= previousUtf8);
        const bool start = u == utf8Size || (static_cast<unsigned char>(utf8[u]) & 0xC0) != 0x80;
        if (start) FUZZ_CHECK(back == u);
        previousUtf8 = back;
        previousAnsi = a;
    }
    previousUtf8 = 0;
    for (Pos a = 0; a <= ansiSize; a += ansiSize / 48 + 1) {
        const Pos u = AnsiToUtf8Offset(ansi, a);
        FUZZ_CHECK(u >= previousUtf8 && u <= utf8Size);
        FUZZ_CHECK(Utf8ToAnsiOffset(utf8, u) <= a);
        previousUtf8 = u;
    }
}

}  // namespace
}  // namespace scribbet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scribbet;
    const std::string raw(reinterpret_cast<const char*>(data), size);

    const std::string ansi = fuzz::WithoutZeros(raw);
    FUZZ_CHECK(EncodeAnsi(DecodeAnsi(ansi)) == ansi);
    fuzz::CheckOffsets(ansi);

    if (fuzz::IsTypedText(raw)) FUZZ_CHECK(DecodeAnsi(EncodeAnsi(raw)) == raw);
    // Anything else still converts to something that converts back whole.
    const AnsiText encoded = EncodeAnsi(raw);
    FUZZ_CHECK(encoded.find('\0') == std::string::npos);
    FUZZ_CHECK(EncodeAnsi(DecodeAnsi(encoded)) == encoded);
    return 0;
}
