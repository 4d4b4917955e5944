#include "reshape/time_tools.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/memory_document.h"
#include "platform/clock.h"

namespace scribbet {
namespace {

// Bytes used below: CA B1 时, B7 D6 分, C3 EB 秒, D6 D0 中, C4 EA 年, D4 C2 月,
// C8 D5 日. 81 30 81 35 is one four-byte character whose second and last
// bytes are the codes of '0' and '5'.
#define H "\xCA\xB1"
#define M "\xB7\xD6"
#define S "\xC3\xEB"
#define FOUR_BYTE "\x81\x30\x81\x35"

struct ConvertCase {
    const char* name;
    std::string text;
    std::string expected;
};
// Failures name the case rather than dump its bytes.
void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.name; }

class DurationsToSecondsTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(DurationsToSecondsTest, ConvertsEachDurationWhereItStands) {
    EXPECT_EQ(DurationsToSeconds(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DurationsToSecondsTest,
    ::testing::Values(
        ConvertCase{"OneTwoThree", "1" H "2" M "3" S, "3723" S},
        ConvertCase{"LargestDuration", "99" H "99" M "99" S, "362439" S},
        ConvertCase{"LeadingZeros", "01" H "02" M "03" S, "3723" S},
        ConvertCase{"AllZero", "0" H "0" M "0" S, "0" S},
        ConvertCase{"AmongText", "a1" H "0" M "0" S "b\r\n" "\xD6\xD0" "0" H "1" M "0" S,
                    "a3600" S "b\r\n" "\xD6\xD0" "60" S},
        ConvertCase{"SameDurationTwice", "1" H "0" M "0" S " 1" H "0" M "0" S,
                    "3600" S " 3600" S},
        ConvertCase{"SideBySide", "5" H "5" M "5" S "5" H "5" M "5" S, "18305" S "18305" S},
        ConvertCase{"HoursMustBeAWholeNumber", "123" H "4" M "5" S, "123" H "4" M "5" S},
        ConvertCase{"MinutesOfThreeDigits", "1" H "234" M "5" S, "1" H "234" M "5" S},
        ConvertCase{"SecondsOfThreeDigitsStartEarlier", "1" H "2" M "345" S, "1" H "2" M "345" S},
        ConvertCase{"WholeDurationAfterARejectedOne", "123" H "4" M "5" S " 1" H "0" M "1" S,
                    "123" H "4" M "5" S " 3601" S},
        ConvertCase{"DigitTrailByteStaysWithItsCharacter", FOUR_BYTE "1" H "2" M "3" S,
                    FOUR_BYTE "3723" S},
        ConvertCase{"TrailByteIsNoHourDigit", FOUR_BYTE H "2" M "3" S, FOUR_BYTE H "2" M "3" S},
        ConvertCase{"IncompleteDuration", "1" H "2" M " 3" S, "1" H "2" M " 3" S},
        ConvertCase{"NoDuration", "abc\r\n", "abc\r\n"},
        ConvertCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class SecondsToDurationsTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(SecondsToDurationsTest, ConvertsEachNumberWhereItStands) {
    EXPECT_EQ(SecondsToDurations(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondsToDurationsTest,
    ::testing::Values(
        ConvertCase{"OneTwoThree", "3723" S, "1" H "2" M "3" S},
        ConvertCase{"WholeHour", "3600" S, "1" H "0" M "0" S},
        ConvertCase{"UnderAMinute", "59" S, "0" H "0" M "59" S},
        ConvertCase{"Zero", "0" S, "0" H "0" M "0" S},
        ConvertCase{"LeadingZeros", "007" S, "0" H "0" M "7" S},
        ConvertCase{"ManyHours", "362439" S, "100" H "40" M "39" S},
        ConvertCase{"NumberInsideLongerNumberIsLeftAlone", "5" S " 15" S,
                    "0" H "0" M "5" S " 0" H "0" M "15" S},
        ConvertCase{"SameNumberTwiceConvertedOnceEach", "5" S " 5" S,
                    "0" H "0" M "5" S " 0" H "0" M "5" S},
        ConvertCase{"SameLongerNumberTwice", "75" S " 75" S, "0" H "1" M "15" S " 0" H "1" M "15" S},
        ConvertCase{"AmongText", "abc12" S "def", "abc0" H "0" M "12" S "def"},
        ConvertCase{"BareSecondStays", S " 5" S "\xD6\xD0" S, S " 0" H "0" M "5" S "\xD6\xD0" S},
        ConvertCase{"WrapsAt32Bits", "4294967301" S, "0" H "0" M "5" S},
        ConvertCase{"DigitTrailByteStaysWithItsCharacter", FOUR_BYTE "5" S,
                    FOUR_BYTE "0" H "0" M "5" S},
        ConvertCase{"TrailByteIsNoNumber", FOUR_BYTE S, FOUR_BYTE S},
        ConvertCase{"NoNumber", "abc", "abc"},
        ConvertCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class FixedClock final : public Clock {
public:
    DateTime Now() const override { return {2017, 10, 16, 13, 4, 35}; }
    std::uint32_t Milliseconds() const override { return 0; }
};

struct CommandCase {
    const char* name;
    void (*command)(Document&);
    std::string text;
    std::string expected;
    bool modified;
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

void InsertFixedTime(Document& document) { InsertTime(document, FixedClock()); }

class TimeCommandTest : public ::testing::TestWithParam<CommandCase> {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
};

TEST_P(TimeCommandTest, OneEditThatOneUndoReverts) {
    const CommandCase& c = GetParam();
    document.ResetText(c.text);
    c.command(document);
    EXPECT_EQ(document.GetText(), c.expected);
    EXPECT_EQ(document.IsModified(), c.modified);
    document.Undo();
    EXPECT_EQ(document.GetText(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeCommandTest,
    ::testing::Values(
        CommandCase{"InsertTimeContinuesTheLastLine", InsertFixedTime, "abc",
                    "abc2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "13" H "4" M "35" S, true},
        CommandCase{"InsertTimeAfterALineBreak", InsertFixedTime, "abc\r\n",
                    "abc\r\n2017\xC4\xEA" "10\xD4\xC2" "16\xC8\xD5" "13" H "4" M "35" S, true},
        CommandCase{"ToSeconds", ConvertDurationsToSeconds, "x1" H "2" M "3" S, "x3723" S, true},
        CommandCase{"ToDurations", ConvertSecondsToDurations, "x3723" S, "x1" H "2" M "3" S,
                    true},
        CommandCase{"NothingToConvert", ConvertSecondsToDurations, "abc", "abc", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
