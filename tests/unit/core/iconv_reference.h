#pragma once
// The system's converter as the reference for file encodings: the bytes a
// GB18030 text has in another encoding, as other programs would write them.
#include <optional>
#include <string>
#include <string_view>

#if __has_include(<iconv.h>) && defined(__GLIBC__)
#include <iconv.h>
#define SCRIBBET_HAVE_ICONV 1
#else
#define SCRIBBET_HAVE_ICONV 0
#endif

namespace scribbet {

// `in` converted from one iconv encoding to another; nothing when the
// converter is missing or rejects the input.
inline std::optional<std::string> IconvConvert(std::string_view in, const char* from,
                                               const char* to) {
#if SCRIBBET_HAVE_ICONV
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(in.size() * 4 + 16, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const bool flushed = iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0 || !flushed) return std::nullopt;
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    return out;
#else
    (void)in, (void)from, (void)to;
    return std::nullopt;
#endif
}

}  // namespace scribbet
