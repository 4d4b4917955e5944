#include "generate/accounts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "stopped_clock.h"

namespace scribbet {
namespace {

constexpr char kDashes[] = "\xA1\xAA\xA1\xAA\xA1\xAA\xA1\xAA";  // ————

ColumnRule Fixed(int length, bool firstNotDigit = false) {
    ColumnRule rule;
    rule.choice = LengthChoice::Fixed;
    rule.fixedLength = length;
    rule.firstNotDigit = firstNotDigit;
    return rule;
}

ColumnRule Range(int shortest, int longest, bool firstNotDigit = false) {
    ColumnRule rule;
    rule.choice = LengthChoice::Range;
    rule.shortest = shortest;
    rule.longest = longest;
    rule.firstNotDigit = firstNotDigit;
    return rule;
}

ColumnRule Content(const AnsiText& content, bool firstNotDigit = false) {
    ColumnRule rule;
    rule.choice = LengthChoice::FixedContent;
    rule.content = content;
    rule.firstNotDigit = firstNotDigit;
    return rule;
}

AnsiText Generate(std::uint32_t milliseconds, const ColumnRule& account,
                  const ColumnRule& password, int count) {
    StoppedClock clock(milliseconds);
    RandomSource source(clock);
    return GenerateAccounts(source, {account, password, count});
}

// Worked out from the congruence (state' = state * 214013 + 2531011 mod
// 2^32, raw = (state' >> 16) & 32767) with the clock at 1000: the command's
// reseed takes seed 1000 and counter 332, the next reseeds seeds 1332 (counter
// 484) and 1484 (counter 788).
// Raws from 1332: 4388, 4980, 26746, 7667, ...
// Raws from 1484: 4884, 338, 22356, 28042, 13027, 6360, 6954, 13585.
struct ExactCase {
    const char* name;
    ColumnRule account;
    ColumnRule password;
    const char* expected;
};

class AccountsExactTest : public ::testing::TestWithParam<ExactCase> {};

TEST_P(AccountsExactTest, DrawsAccountsThenPasswordsInOrder) {
    const ExactCase& c = GetParam();
    EXPECT_EQ(Generate(1000, c.account, c.password, 1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountsExactTest,
    ::testing::Values(
        // Account, seed 1332: which 1 + 4388 % 3 = 3, digit 48 + 7667 % 10 = '7'.
        // Password, seed 1484: which 1 + 4884 % 3 = 1, upper 65 + 338 % 26 = 'A'.
        ExactCase{"FixedLengths", Fixed(1), Fixed(1), "7\xA1\xAA\xA1\xAA\xA1\xAA\xA1\xAA" "A\r\n"},
        // The letter first, seed 1332: which 1 + 4388 % 2 = 1, upper
        // 65 + 4980 % 26 = 65 + 14 = 'O' (lower drawn from 26746 and dropped);
        // then the length from the same state: 2 + 7667 % 2 = 3;
        // then two mixed, seed 1484: which 1 + 4884 % 3 = 1 -> 'A';
        // which 1 + 13027 % 3 = 2 -> lower 97 + 6954 % 26 = 97 + 12 = 'm'.
        ExactCase{"LetterThenLengthThenRest", Range(2, 3, true), Content("pw"),
                  "OAm\xA1\xAA\xA1\xAA\xA1\xAA\xA1\xAA" "pw\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Line {
    std::string account;
    std::string password;
};

// Splits the text into lines of account, dashes, password, CR LF.
std::vector<Line> Lines(const AnsiText& text) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        const std::string line = text.substr(at, end - at);
        const std::size_t dashes = line.find(kDashes);
        if (dashes == std::string::npos) {
            ADD_FAILURE() << "line without the dashes: " << line;
        } else {
            lines.push_back({line.substr(0, dashes), line.substr(dashes + 8)});
        }
        at = end + 2;
    }
    return lines;
}

struct ColumnExpectation {
    int shortest;
    int longest;
    bool firstIsLetter;
    std::optional<std::string> exactly;  // fixed content
};

struct PropertyCase {
    const char* name;
    ColumnRule account;
    ColumnRule password;
    int count;
    ColumnExpectation accounts;
    ColumnExpectation passwords;
};

class AccountsPropertyTest : public ::testing::TestWithParam<PropertyCase> {};

void ExpectColumn(const std::vector<std::string>& column, const ColumnExpectation& e) {
    std::size_t shortestSeen = SIZE_MAX;
    std::size_t longestSeen = 0;
    for (const std::string& text : column) {
        if (e.exactly) {
            ASSERT_EQ(text, *e.exactly);
            continue;
        }
        ASSERT_GE(static_cast<int>(text.size()), e.shortest) << text;
        ASSERT_LE(static_cast<int>(text.size()), e.longest) << text;
        for (char ch : text) ASSERT_TRUE(std::isalnum(static_cast<unsigned char>(ch))) << text;
        if (e.firstIsLetter) {
            ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(text[0]))) << text;
        }
        shortestSeen = std::min(shortestSeen, text.size());
        longestSeen = std::max(longestSeen, text.size());
    }
    if (!e.exactly && !column.empty()) {
        // Enough lines reach both ends of the range.
        EXPECT_EQ(static_cast<int>(shortestSeen), e.shortest);
        EXPECT_EQ(static_cast<int>(longestSeen), e.longest);
    }
}

TEST_P(AccountsPropertyTest, LinesFollowTheChoices) {
    const PropertyCase& c = GetParam();
    const AnsiText text = Generate(777, c.account, c.password, c.count);
    const std::vector<Line> lines = Lines(text);
    ASSERT_EQ(static_cast<int>(lines.size()), std::max(c.count, 0));
    std::vector<std::string> accounts;
    std::vector<std::string> passwords;
    for (const Line& line : lines) {
        accounts.push_back(line.account);
        passwords.push_back(line.password);
    }
    ExpectColumn(accounts, c.accounts);
    ExpectColumn(passwords, c.passwords);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountsPropertyTest,
    ::testing::Values(
        // A fresh window: both on the range with empty fields.
        PropertyCase{"FreshWindow", Range(0, 0), Range(0, 0), 10, {0, 0, false, {}},
                     {0, 0, false, {}}},
        PropertyCase{"FixedWithLetter", Fixed(8, true), Fixed(12), 300, {8, 8, true, {}},
                     {12, 12, false, {}}},
        PropertyCase{"FixedZeroWithLetter", Fixed(0, true), Fixed(-5, true), 50,
                     {1, 1, true, {}}, {1, 1, true, {}}},
        PropertyCase{"FixedZero", Fixed(0), Fixed(-2), 5, {0, 0, false, {}}, {0, 0, false, {}}},
        PropertyCase{"RangeSwapped", Range(10, 6), Range(6, 10), 400, {6, 10, false, {}},
                     {6, 10, false, {}}},
        PropertyCase{"RangeNegativeShortest", Range(-3, 2), Range(-3, 2, true), 400,
                     {0, 2, false, {}}, {1, 2, true, {}}},
        PropertyCase{"RangeWithLetter", Range(1, 4, true), Range(3, 3, true), 400,
                     {1, 4, true, {}}, {3, 3, true, {}}},
        PropertyCase{"EmptyContent", Range(2, 5), Content(""), 20, {2, 5, false, {}},
                     {0, 0, false, std::string()}},
        // The password's switch has no say over a fixed content.
        PropertyCase{"ChineseContent", Fixed(6), Content("\xC3\xDC\xC2\xEB" "1", true), 20,
                     {6, 6, false, {}}, {0, 0, false, std::string("\xC3\xDC\xC2\xEB" "1")}},  // 密码1
        PropertyCase{"NoLines", Fixed(8), Fixed(8), 0, {0, 0, false, {}}, {0, 0, false, {}}},
        PropertyCase{"NegativeCount", Fixed(8), Fixed(8), -3, {0, 0, false, {}},
                     {0, 0, false, {}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AccountsTest, EmptyCountStillReseeds) {
    StoppedClock clock(1000);
    RandomSource source(clock);
    EXPECT_EQ(GenerateAccounts(source, {Fixed(8), Fixed(8), 0}), "");
    EXPECT_EQ(source.SeedingCounter(), 332u);  // (1000 & 255) + 100
}

TEST(AccountsTest, TwoRunsInTheSameMillisecondDiffer) {
    StoppedClock clock(42);
    RandomSource source(clock);
    const AccountOptions options{Fixed(10), Fixed(10), 5};
    EXPECT_NE(GenerateAccounts(source, options), GenerateAccounts(source, options));
}

}  // namespace
}  // namespace scribbet
