#include "core/file_encoding.h"

#include <algorithm>
#include <cstring>

#include "core/code_page.h"
#include "core/file_commands.h"

namespace scribbet {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

struct Utf8Form {
    bool valid = true;
    bool multiByte = false;
    bool zero = false;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Utf8Form CheckUtf8(std::string_view bytes) {
    Utf8Form form;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    auto continuation = [&](std::size_t at) { return at < n && (p[at] & 0xC0) == 0x80; };
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (b == 0) form.zero = true;
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            form.valid = false;
            return form;
        }
        if (i + 1 >= n || p[i + 1] < low || p[i + 1] > high) {
            form.valid = false;
            return form;
        }
        for (std::size_t k = 2; k < length; ++k) {
            if (!continuation(i + k)) {
                form.valid = false;
                return form;
            }
        }
        form.multiByte = true;
        i += length;
    }
    return form;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// UTF-16 code units (after the byte-order mark) to UTF-8; nothing for an odd
// length or a surrogate without its partner, which could not be written back.
std::optional<std::string> Utf16ToUtf8(std::string_view units, bool bigEndian) {
    if (units.size() % 2 != 0) return std::nullopt;
    const auto* p = reinterpret_cast<const unsigned char*>(units.data());
    auto unit = [&](std::size_t at) -> char32_t {
        return bigEndian ? (p[at] << 8) | p[at + 1] : (p[at + 1] << 8) | p[at];
    };
    std::string out;
    out.reserve(units.size() * 3 / 2);
    for (std::size_t i = 0; i < units.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 2 >= units.size()) return std::nullopt;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Whether Utf16ToUtf8 would succeed, without building the text.
bool Utf16Valid(std::string_view units, bool bigEndian) {
    if (units.size() % 2 != 0) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(units.data());
    // The high byte of each unit: a surrogate's is D8..DF.
    const std::size_t high = bigEndian ? 0 : 1;
    for (std::size_t i = 0; i < units.size(); i += 2) {
        const unsigned char b = p[i + high];
        if (b < 0xD8 || b > 0xDF) continue;
        if (b >= 0xDC || i + 2 >= units.size()) return false;  // a low one first, or cut
        const unsigned char next = p[i + 2 + high];
        if (next < 0xDC || next > 0xDF) return false;
        i += 2;
    }
    return true;
}

void AppendUnit(std::string& out, char32_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    if (bigEndian) {
        out.push_back(high);
        out.push_back(low);
    } else {
        out.push_back(low);
        out.push_back(high);
    }
}

// Valid UTF-8 (what DecodeAnsi gives) to UTF-16 code units.
void AppendUtf16(std::string& out, std::string_view utf8, bool bigEndian) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n;) {
        char32_t c = p[i];
        std::size_t length = 1;
        if (c >= 0xF0) {
            length = 4;
            c &= 0x07;
        } else if (c >= 0xE0) {
            length = 3;
            c &= 0x0F;
        } else if (c >= 0xC0) {
            length = 2;
            c &= 0x1F;
        }
        for (std::size_t k = 1; k < length && i + k < n; ++k) c = (c << 6) | (p[i + k] & 0x3F);
        i += length;
        if (c >= 0x10000) {
            c -= 0x10000;
            AppendUnit(out, 0xD800 + (c >> 10), bigEndian);
            AppendUnit(out, 0xDC00 + (c & 0x3FF), bigEndian);
        } else {
            AppendUnit(out, c, bigEndian);
        }
    }
}

// Whether UTF-8 holds one of the private code points that stand for bytes
// that decode to no character (F3 B0..B7 starts them): such a text is no
// faithful picture of its characters in the code page.
bool HasUndecodable(std::string_view utf8) {
    for (std::size_t at = utf8.find('\xF3'); at != std::string_view::npos;
         at = utf8.find('\xF3', at + 1)) {
        if (at + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[at + 1]);
            if (next >= 0xB0 && next <= 0xB7) return true;
        }
    }
    return false;
}

// The converted text, cut by the loading rule at U+0000 or U+001A, in the
// code page; nothing when it would not come back as the same characters.
std::optional<AnsiText> FromUnicode(std::string_view utf8) {
    // Two memchr scans are many times faster than one find_first_of.
    const std::size_t stop = std::min(utf8.find('\0'), utf8.find('\x1A'));
    if (stop != std::string_view::npos) utf8 = utf8.substr(0, stop);
    if (HasUndecodable(utf8)) return std::nullopt;
    AnsiText text = EncodeAnsi(utf8);
    if (DecodeAnsi(text) != utf8) return std::nullopt;
    return text;
}

bool IsUtf16(FileEncoding encoding) {
    return encoding == FileEncoding::Utf16Le || encoding == FileEncoding::Utf16Be;
}

}  // namespace

FileEncoding DetectEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf8Bom)) {
        const Utf8Form form = CheckUtf8(bytes.substr(kUtf8Bom.size()));
        return form.valid && !form.zero ? FileEncoding::Utf8Bom : FileEncoding::Ansi;
    }
    if (StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom)) {
        const bool bigEndian = StartsWith(bytes, kUtf16BeBom);
        if (Utf16Valid(bytes.substr(2), bigEndian)) {
            return bigEndian ? FileEncoding::Utf16Be : FileEncoding::Utf16Le;
        }
        return FileEncoding::Ansi;
    }
    const Utf8Form form = CheckUtf8(bytes);
    return form.valid && form.multiByte && !form.zero ? FileEncoding::Utf8 : FileEncoding::Ansi;
}

std::optional<DecodedFile> DecodeFileAs(std::string_view bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Ansi) return DecodedFile{ReadTextFile(bytes), encoding};
    std::optional<AnsiText> text;
    if (IsUtf16(encoding)) {
        const bool bigEndian = encoding == FileEncoding::Utf16Be;
        if (!StartsWith(bytes, bigEndian ? kUtf16BeBom : kUtf16LeBom)) return std::nullopt;
        const std::optional<std::string> utf8 = Utf16ToUtf8(bytes.substr(2), bigEndian);
        if (utf8) text = FromUnicode(*utf8);
    } else {
        // A mark where it stands decides between the two UTF-8 forms.
        encoding = StartsWith(bytes, kUtf8Bom) ? FileEncoding::Utf8Bom : FileEncoding::Utf8;
        if (encoding == FileEncoding::Utf8Bom) bytes.remove_prefix(kUtf8Bom.size());
        const Utf8Form form = CheckUtf8(bytes);
        if (form.valid && !form.zero) text = FromUnicode(bytes);
    }
    if (!text) return std::nullopt;
    return DecodedFile{std::move(*text), encoding};
}

DecodedFile DecodeFile(std::string_view bytes) {
    const FileEncoding encoding = DetectEncoding(bytes);
    if (encoding != FileEncoding::Ansi) {
        if (std::optional<DecodedFile> decoded = DecodeFileAs(bytes, encoding)) return *decoded;
    }
    return DecodedFile{ReadTextFile(bytes), FileEncoding::Ansi};
}

std::optional<std::string> FileToUtf8(std::string_view bytes, FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Ansi: {
            if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
            std::string utf8 = DecodeAnsi(bytes);
            if (HasUndecodable(utf8)) return std::nullopt;
            return utf8;
        }
        case FileEncoding::Utf8:
        case FileEncoding::Utf8Bom: {
            if (encoding == FileEncoding::Utf8Bom) {
                if (!StartsWith(bytes, kUtf8Bom)) return std::nullopt;
                bytes.remove_prefix(kUtf8Bom.size());
            }
            if (!CheckUtf8(bytes).valid) return std::nullopt;
            return std::string(bytes);
        }
        case FileEncoding::Utf16Le:
        case FileEncoding::Utf16Be: {
            const bool bigEndian = encoding == FileEncoding::Utf16Be;
            if (!StartsWith(bytes, bigEndian ? kUtf16BeBom : kUtf16LeBom)) return std::nullopt;
            return Utf16ToUtf8(bytes.substr(2), bigEndian);
        }
    }
    return std::nullopt;
}

ByteBuffer EncodeFile(const AnsiText& text, FileEncoding encoding) {
    if (encoding == FileEncoding::Ansi) return ByteBuffer(text);
    const std::string utf8 = DecodeAnsi(text);
    ByteBuffer bytes;
    switch (encoding) {
        case FileEncoding::Utf8Bom:
            bytes.reserve(kUtf8Bom.size() + utf8.size());
            bytes.append(kUtf8Bom);
            [[fallthrough]];
        case FileEncoding::Utf8:
            bytes.append(utf8);
            return bytes;
        case FileEncoding::Utf16Le:
        case FileEncoding::Utf16Be: {
            const bool bigEndian = encoding == FileEncoding::Utf16Be;
            bytes.reserve(2 + utf8.size() * 2);
            bytes.append(bigEndian ? kUtf16BeBom : kUtf16LeBom);
            AppendUtf16(bytes, utf8, bigEndian);
            return bytes;
        }
        case FileEncoding::Ansi:
            break;
    }
    return ByteBuffer(text);
}

Pos CountBeyondGbk(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    auto digit = [&](std::size_t at) { return p[at] >= 0x30 && p[at] <= 0x39; };
    auto lead = [&](std::size_t at) { return p[at] >= 0x81 && p[at] <= 0xFE; };
    Pos count = 0;
    for (std::size_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        if (i + 3 < n && lead(i) && digit(i + 1) && lead(i + 2) && digit(i + 3)) {
            // One character, unless the code reads as two undecodable pairs
            // (two private code points of four UTF-8 bytes each).
            const std::string utf8 = DecodeAnsi(text.substr(i, 4));
            const auto first = static_cast<unsigned char>(utf8[0]);
            const std::size_t width = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
            if (utf8.size() == width) {
                ++count;
                i += 4;
                continue;
            }
        }
        i += 2;
    }
    return count;
}

LineEnds DetectLineEnds(std::string_view text) {
    bool crLf = false, lf = false, cr = false;
    const char* data = text.data();
    const std::size_t n = text.size();
    auto find = [&](char c, std::size_t from) {
        const void* hit = from < n ? std::memchr(data + from, c, n - from) : nullptr;
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : n;
    };
    // Each byte is searched once: a position is looked up again only after
    // the scan has passed it.
    std::size_t nextCr = find('\r', 0);
    std::size_t nextLf = find('\n', 0);
    while (nextCr < n || nextLf < n) {
        if (nextLf < nextCr) {
            lf = true;
            nextLf = find('\n', nextLf + 1);
        } else if (nextLf < n && nextCr + 1 == nextLf) {
            crLf = true;
            nextCr = find('\r', nextCr + 1);
            nextLf = find('\n', nextLf + 1);
        } else {
            cr = true;
            nextCr = find('\r', nextCr + 1);
        }
        if (crLf + lf + cr > 1) return LineEnds::Mixed;
    }
    if (crLf) return LineEnds::CrLf;
    if (lf) return LineEnds::Lf;
    if (cr) return LineEnds::Cr;
    return LineEnds::None;
}

const char* EncodingName(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf8:
            return "UTF-8";
        case FileEncoding::Utf8Bom:
            return "UTF-8 BOM";
        case FileEncoding::Utf16Le:
            return "UTF-16 LE";
        case FileEncoding::Utf16Be:
            return "UTF-16 BE";
        case FileEncoding::Ansi:
            break;
    }
    return "ANSI";
}

const char* LineEndsName(LineEnds ends) {
    switch (ends) {
        case LineEnds::CrLf:
            return "CR LF";
        case LineEnds::Lf:
            return "LF";
        case LineEnds::Cr:
            return "CR";
        case LineEnds::Mixed:
            return "Mixed";
        case LineEnds::None:
            break;
    }
    return "";
}

}  // namespace scribbet
