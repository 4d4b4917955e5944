#include "reshape/time_tools.h"

#include <cstdint>

#include "platform/clock.h"
#include "search/regex.h"

namespace scribbet {

namespace {

constexpr char kHour[] = "\xCA\xB1";    // 时
constexpr char kMinute[] = "\xB7\xD6";  // 分
constexpr char kSecond[] = "\xC3\xEB";  // 秒
constexpr Pos kSecondSize = 2;

constexpr char kDurationPattern[] =
    "([0-9]{1,2})\xCA\xB1([0-9]{1,2})\xB7\xD6([0-9]{1,2})\xC3\xEB";  // h时m分s秒
constexpr char kSecondsPattern[] = "[0-9]+\xC3\xEB";                // digits秒

[[nodiscard]] bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The character starts of a text, found by walking forwards; positions must
// be asked in increasing order, which keeps the whole walk linear. The regex
// engine sees bytes, and a digit byte can be the trail byte of a character.
class CharacterStarts {
public:
    explicit CharacterStarts(std::string_view text) : m_text(text) {}

    [[nodiscard]] bool IsStart(Pos position) {
        while (m_next < position) {
            m_next += IsLeadByte(m_text[static_cast<std::size_t>(m_next)]) ? 2 : 1;
        }
        return m_next == position;
    }
    // Whether the character that ends just before position is a digit.
    [[nodiscard]] bool DigitBefore(Pos position) {
        return position > 0 && IsStart(position - 1) &&
               IsDigit(m_text[static_cast<std::size_t>(position - 1)]);
    }

private:
    std::string_view m_text;
    Pos m_next = 0;
};

// Rewrites each match of pattern in place: convert gets the text, the first
// byte of the match that begins a character and the match, and appends the
// new text to out or returns false to keep the match as it is.
template <typename Convert>
AnsiText ConvertMatches(std::string_view text, const char* pattern, Convert convert) {
    AnsiText out;
    out.reserve(text.size() + text.size() / 8);
    CharacterStarts starts(text);
    std::size_t done = 0;
    AnsiText converted;
    RegexSearchEach(pattern, true, text, [&](const RegexMatch& match) {
        const RegexGroup& whole = match.groups[0];
        const bool digitBefore = starts.DigitBefore(whole.offset);
        // A match that begins on a trail byte begins a character later.
        const Pos first = starts.IsStart(whole.offset) ? whole.offset : whole.offset + 1;
        converted.clear();
        if (digitBefore || !convert(text, first, match, converted)) return;
        out.append(text.substr(done, static_cast<std::size_t>(first) - done));
        out.append(converted);
        done = static_cast<std::size_t>(whole.offset + whole.length);
    });
    out.append(text.substr(done));
    return out;
}

[[nodiscard]] std::string_view Piece(std::string_view text, Pos from, Pos to) {
    return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}

[[nodiscard]] std::int64_t GroupNumber(std::string_view text, const RegexGroup& group) {
    return TextToInt(Piece(text, group.offset, group.offset + group.length));
}

bool AppendSeconds(std::string_view text, Pos first, const RegexMatch& match, AnsiText& out) {
    const RegexGroup& hours = match.groups[1];
    const Pos hoursEnd = hours.offset + hours.length;
    if (first >= hoursEnd) return false;  // its only digit was a trail byte
    const std::int64_t seconds = TextToInt(Piece(text, first, hoursEnd)) * std::int64_t{3600} +
                                 GroupNumber(text, match.groups[2]) * 60 +
                                 GroupNumber(text, match.groups[3]);
    out.append(IntToText(seconds));
    out.append(kSecond);
    return true;
}

bool AppendDuration(std::string_view text, Pos first, const RegexMatch& match, AnsiText& out) {
    const Pos digitsEnd = match.groups[0].offset + match.groups[0].length - kSecondSize;
    if (first >= digitsEnd) return false;  // a 秒 without a number
    const double seconds = TextToInt(Piece(text, first, digitsEnd));
    const double rest = Modulo(seconds, 3600);
    out.append(IntToText(static_cast<std::int64_t>(IntegerDivide(seconds, 3600))));
    out.append(kHour);
    out.append(IntToText(static_cast<std::int64_t>(IntegerDivide(rest, 60))));
    out.append(kMinute);
    out.append(IntToText(static_cast<std::int64_t>(Modulo(rest, 60))));
    out.append(kSecond);
    return true;
}

}  // namespace

AnsiText DurationsToSeconds(std::string_view text) {
    return ConvertMatches(text, kDurationPattern, AppendSeconds);
}

AnsiText SecondsToDurations(std::string_view text) {
    return ConvertMatches(text, kSecondsPattern, AppendDuration);
}

void ConvertDurationsToSeconds(Document& document) {
    document.SetText(DurationsToSeconds(document.GetText()));
}

void ConvertSecondsToDurations(Document& document) {
    document.SetText(SecondsToDurations(document.GetText()));
}

void InsertTime(Document& document, const Clock& clock) {
    document.AppendText(DateTimeToText(CurrentDateTime(clock)));
}

}  // namespace scribbet
