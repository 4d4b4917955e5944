// The loading rule of files: whatever the bytes, the text is a prefix of
// them that holds no zero byte and no Ctrl-Z at a character start, and
// loading it again changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/file_commands.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scribbet;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const AnsiText text = ReadTextFile(bytes);

    FUZZ_CHECK(text.size() <= bytes.size());
    FUZZ_CHECK(bytes.compare(0, text.size(), text) == 0);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    std::size_t i = 0;
    while (i < text.size()) {
        FUZZ_CHECK(text[i] != '\x1A');
        i += IsLeadByte(text[i]) ? 2 : 1;
    }
    // The text stops only where the rule says: at the end of the bytes, at a
    // zero byte or Ctrl-Z at a character start, or at a lead byte before a zero.
    if (text.size() < bytes.size()) {
        const char next = bytes[text.size()];
        const bool stop = next == '\0' || next == '\x1A' ||
                          (IsLeadByte(next) && text.size() + 1 < bytes.size() && bytes[text.size() + 1] == '\0');
        FUZZ_CHECK(stop);
    }
    FUZZ_CHECK(ReadTextFile(text) == text);
    return 0;
}
