// The text primitives: no input crashes them, and each keeps the promise
// its header makes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text_ops.h"
#include "fuzz_check.h"

namespace scribbet::fuzz {
namespace {

AnsiText Join(const TextList& pieces, std::string_view separator) {
    AnsiText joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) joined.append(separator);
        joined.append(pieces[i]);
    }
    return joined;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void CheckSearch(const AnsiText& text, const AnsiText& sought, std::optional<Pos> start) {
    for (const bool ignoreCase : {false, true}) {
        const Pos found = FindText(text, sought, start, ignoreCase);
        if (found != -1) {
            FUZZ_CHECK(found >= 1 && found - 1 + static_cast<Pos>(sought.size()) <= TextLength(text));
            if (!ignoreCase) FUZZ_CHECK(text.compare(found - 1, sought.size(), sought) == 0);
            // An empty sought text is found at byte 1 wherever the search starts.
            if (!ignoreCase && start && !sought.empty()) FUZZ_CHECK(found >= *start);
        }
        const Pos last = FindTextReverse(text, sought, start, ignoreCase);
        if (last != -1) {
            FUZZ_CHECK(last >= 1 && last - 1 + static_cast<Pos>(sought.size()) <= TextLength(text));
            if (!ignoreCase) FUZZ_CHECK(text.compare(last - 1, sought.size(), sought) == 0);
        }
    }
    // A sought text that does not occur leaves the text as it is, and so
    // does replacing a text by itself.
    if (!sought.empty() && FindText(text, sought, 1, false) == -1) {
        FUZZ_CHECK(ReplaceText(text, sought, "x", true) == text);
    }
    if (!sought.empty() && FindText(text, sought, 1, true) == -1) {
        FUZZ_CHECK(ReplaceText(text, sought, "x", false) == text);
    }
    FUZZ_CHECK(ReplaceText(text, sought, sought, true) == text);
}

void CheckSplit(const AnsiText& text, const AnsiText& separator) {
    const TextList pieces = SplitText(text, separator);
    if (text.empty()) {
        FUZZ_CHECK(pieces.empty());
        return;
    }
    const AnsiText joined = Join(pieces, separator);
    FUZZ_CHECK(joined == text || (EndsWith(text, separator) && JoinText(joined, separator) == text));
    for (const AnsiText& piece : pieces) FUZZ_CHECK(FindText(piece, separator, 1, false) == -1 || separator.empty());
}

bool IsPrintableAscii(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

void CheckCaseAndWidth(const AnsiText& text) {
    FUZZ_CHECK(ToUpper(text).size() == text.size());
    FUZZ_CHECK(ToLower(text).size() == text.size());
    FUZZ_CHECK(ToUpper(ToLower(text)) == ToUpper(text));
    const AnsiText full = ToFullWidth(text);
    if (IsPrintableAscii(text)) {
        FUZZ_CHECK(full.size() == 2 * text.size());
        FUZZ_CHECK(ToHalfWidth(full) == text);
    }
    FUZZ_CHECK(ToHalfWidth(text).size() <= text.size());
    FUZZ_CHECK(TrimBoth(text) == TrimStart(TrimEnd(text)));
    const AnsiText trimmed = TrimBoth(text);
    FUZZ_CHECK(text.find(trimmed) != std::string::npos);
    FUZZ_CHECK(FindText(RemoveSpaces(text), " ", 1, false) == -1);
}

void CheckNumbers(FuzzedDataProvider& input, const AnsiText& text) {
    (void)TextToInt(text);
    const auto value = input.ConsumeIntegral<std::int32_t>();
    FUZZ_CHECK(TextToInt(IntToText(value)) == value);
    (void)IntToText(input.ConsumeIntegral<std::int64_t>());
    const double a = input.ConsumeFloatingPoint<double>();
    const double b = input.ConsumeFloatingPoint<double>();
    (void)RealToText(a);
    (void)IntegerDivide(a, b);
    (void)Modulo(a, b);
    (void)CharFromCode(input.ConsumeIntegral<int>());
    const Pos spaces = input.ConsumeIntegralInRange<Pos>(-1000, 1000);
    FUZZ_CHECK(static_cast<Pos>(SpaceText(spaces).size()) == std::max<Pos>(spaces, 0));
    DateTime at;
    at.year = input.ConsumeIntegral<int>();
    at.month = input.ConsumeIntegral<int>();
    at.day = input.ConsumeIntegral<int>();
    at.hour = input.ConsumeIntegral<int>();
    at.minute = input.ConsumeIntegral<int>();
    at.second = input.ConsumeIntegral<int>();
    FUZZ_CHECK(DateTimeToText(at).find('\0') == std::string::npos);
}

void CheckPieces(FuzzedDataProvider& input, const AnsiText& text) {
    const Pos length = TextLength(text);
    const auto take = [&] {
        return input.ConsumeBool() ? input.ConsumeIntegralInRange<Pos>(-3, length + 3)
                                   : input.ConsumeIntegral<Pos>();
    };
    const Pos start = take();
    const Pos count = take();
    FUZZ_CHECK(static_cast<Pos>(TextLeft(text, count).size()) <= length);
    FUZZ_CHECK(static_cast<Pos>(TextRight(text, count).size()) <= length);
    const AnsiText mid = TextMid(text, start, count);
    FUZZ_CHECK(text.find(mid) != std::string::npos);
    FUZZ_CHECK(BytesLeft(text, count) == TextLeft(text, count));
    FUZZ_CHECK(BytesRight(text, count) == TextRight(text, count));
}

void CheckBytes(const std::string& bytes, const std::string& separator) {
    const AnsiText text = BytesToText(bytes);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    FUZZ_CHECK(bytes.compare(0, text.size(), text) == 0);
    FUZZ_CHECK(TextToBytes(bytes) == bytes);
    FUZZ_CHECK(BytesEqual(bytes, bytes));
    const std::vector<ByteBuffer> pieces = SplitBytes(bytes, separator);
    AnsiText joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) joined.append(separator);
        joined.append(pieces[i]);
    }
    FUZZ_CHECK(joined == bytes || JoinBytes(joined, separator) == bytes);
}

}  // namespace
}  // namespace scribbet::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scribbet;
    FuzzedDataProvider input(data, size);
    const AnsiText sought = fuzz::TakeText(input, 8);
    const std::string rawSeparator = input.ConsumeRandomLengthString(4);
    std::optional<Pos> start;
    if (input.ConsumeBool()) start = input.ConsumeIntegralInRange<Pos>(-2, 300);
    const std::string numbers = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 80));
    const std::string raw = input.ConsumeRemainingBytesAsString();
    const AnsiText text = fuzz::WithoutZeros(raw);

    fuzz::CheckSearch(text, sought, start);
    fuzz::CheckSplit(text, sought);
    fuzz::CheckCaseAndWidth(text);
    FuzzedDataProvider numberInput(reinterpret_cast<const std::uint8_t*>(numbers.data()), numbers.size());
    fuzz::CheckNumbers(numberInput, text);
    fuzz::CheckPieces(numberInput, text);
    fuzz::CheckBytes(raw, rawSeparator);
    return 0;
}
