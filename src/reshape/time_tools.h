#pragma once
// Durations written in Chinese units: hours 时, minutes 分 and seconds 秒,
// converted where they stand, and the current date and time appended.
#include <string_view>

#include "core/document.h"
#include "core/text_ops.h"

namespace scribbet {

class Clock;

// "1时2分3秒" becomes "3723秒": every duration of hours, minutes and seconds,
// each of one or two digits, the hours a whole number (no digit before
// them), is rewritten in place as its count of seconds followed by 秒.
[[nodiscard]] AnsiText DurationsToSeconds(std::string_view text);

// "3723秒" becomes "1时2分3秒": every whole run of digits before a 秒 is
// read as a count of seconds (wrapping at 32 bits) and rewritten in place
// with all three units, without zero padding. A 秒 without digits stays.
[[nodiscard]] AnsiText SecondsToDurations(std::string_view text);

// The menu commands, each one read and one write of the document.
void ConvertDurationsToSeconds(Document& document);
void ConvertSecondsToDurations(Document& document);
// Appends the current date and time at the very end, without a line break.
void InsertTime(Document& document, const Clock& clock);

}  // namespace scribbet
