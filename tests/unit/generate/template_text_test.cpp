#include "generate/template_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace scribbet {

// Failures show rows as their four cells.
void PrintTo(const TemplateVariable& v, std::ostream* out) {
    *out << "{" << v.name << ", " << v.start << ", " << v.end << ", " << v.pad << "}";
}

namespace {

TemplateFields Fields(const char* name, const char* start, const char* end, bool padding = false,
                      const char* pad = "3", bool endEnabled = true) {
    TemplateFields fields;
    fields.name = name;
    fields.start = start;
    fields.end = end;
    fields.padding = padding;
    fields.pad = pad;
    fields.endEnabled = endEnabled;
    return fields;
}

void ExpectFields(const TemplateFields& actual, const TemplateFields& expected) {
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.start, expected.start);
    EXPECT_EQ(actual.end, expected.end);
    EXPECT_EQ(actual.endEnabled, expected.endEnabled);
    EXPECT_EQ(actual.padding, expected.padding);
    EXPECT_EQ(actual.pad, expected.pad);
}

const VariableTable kOneRow = {{"{@%0}", "1", "10", "0"}};
const VariableTable kTwoRows = {{"{@%0}", "1", "10", "0"}, {"{@%1}", "5", "14", "4"}};

TEST(TemplateFieldsTest, FreshWindowValues) {
    ExpectFields(TemplateFields{}, Fields("{@%0}", "1", "10"));
}

struct AddCase {
    const char* name;
    VariableTable table;
    TemplateFields fields;
    AddOutcome outcome;
    VariableTable tableAfter;
    TemplateFields fieldsAfter;
};

class AddVariableTest : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddVariableTest, AppendsOrRefuses) {
    AddCase c = GetParam();
    EXPECT_EQ(AddVariable(c.table, c.fields), c.outcome);
    EXPECT_EQ(c.table, c.tableAfter);
    ExpectFields(c.fields, c.fieldsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddVariableTest,
    ::testing::Values(
        AddCase{"FirstRowLocksTheEnd", {}, Fields("{@%0}", "1", "10"), AddOutcome::Added,
                kOneRow, Fields("{@%1}", "1", "10", false, "3", false)},
        AddCase{"FirstRowTakesTextsAsTyped", {}, Fields("abc", "007", "0x", true, "-2"),
                AddOutcome::Added, {{"abc", "007", "0x", "-2"}},
                Fields("{@%1}", "007", "0x", true, "-2", false)},
        // The end field shows row 1's end, whatever the new row's end is.
        AddCase{"SecondRowEndsAtStartPlusSpan", kOneRow,
                Fields("{@%1}", "5", "10", true, "4", false), AddOutcome::Added, kTwoRows,
                Fields("{@%2}", "5", "10", true, "4", false)},
        AddCase{"SecondRowStartKeptAsTyped", kOneRow, Fields("{x}", "007", "10", false, "3", false),
                AddOutcome::Added, {kOneRow[0], {"{x}", "007", "16", "0"}},
                Fields("{@%2}", "007", "10", false, "3", false)},
        AddCase{"NonNumericStartCountsAsZero", kOneRow, Fields("{x}", "", "10", false, "3", false),
                AddOutcome::Added, {kOneRow[0], {"{x}", "", "9", "0"}},
                Fields("{@%2}", "", "10", false, "3", false)},
        AddCase{"NegativeSpan", {{"{a}", "10", "5", "0"}}, Fields("{b}", "3", "5", false, "3", false),
                AddOutcome::Added, {{"{a}", "10", "5", "0"}, {"{b}", "3", "-2", "0"}},
                Fields("{@%2}", "3", "5", false, "3", false)},
        AddCase{"ThreeBytesAreEnough", {}, Fields("abc", "1", "3"), AddOutcome::Added,
                {{"abc", "1", "3", "0"}}, Fields("{@%1}", "1", "3", false, "3", false)},
        // 中 is two bytes, 中a three.
        AddCase{"ChineseCountsBytes", {}, Fields("\xD6\xD0" "a", "1", "3"), AddOutcome::Added,
                {{"\xD6\xD0" "a", "1", "3", "0"}}, Fields("{@%1}", "1", "3", false, "3", false)},
        AddCase{"TwoBytesTooShort", kOneRow, Fields("ab", "1", "10", false, "3", false),
                AddOutcome::NameTooShort, kOneRow, Fields("ab", "1", "10", false, "3", false)},
        AddCase{"OneChineseTooShort", {}, Fields("\xD6\xD0", "1", "10"), AddOutcome::NameTooShort,
                {}, Fields("\xD6\xD0", "1", "10")},
        AddCase{"EmptyTooShort", {}, Fields("", "1", "10"), AddOutcome::NameTooShort, {},
                Fields("", "1", "10")},
        AddCase{"RepeatedName", kTwoRows, Fields("{@%1}", "7", "10", false, "3", false),
                AddOutcome::NameRepeated, kTwoRows, Fields("{@%1}", "7", "10", false, "3", false)},
        AddCase{"CaseCounts", {{"abc", "1", "2", "0"}}, Fields("ABC", "4", "2", false, "3", false),
                AddOutcome::Added, {{"abc", "1", "2", "0"}, {"ABC", "4", "5", "0"}},
                Fields("{@%2}", "4", "2", false, "3", false)}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModifyCase {
    const char* name;
    TemplateFields fields;
    std::optional<std::size_t> selected;
    VariableTable tableAfter;
};

class ModifyVariableTest : public ::testing::TestWithParam<ModifyCase> {};

TEST_P(ModifyVariableTest, KeepsTheSpan) {
    const ModifyCase& c = GetParam();
    VariableTable table = kTwoRows;
    ModifyVariable(table, c.fields, c.selected);
    EXPECT_EQ(table, c.tableAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModifyVariableTest,
    ::testing::Values(
        ModifyCase{"SecondRow", Fields("{n}", "20", "99", false), 1,
                   {kTwoRows[0], {"{n}", "20", "29", "0"}}},
        // Row 1 keeps its span of 9: the end field is not read. No length check.
        ModifyCase{"FirstRow", Fields("ab", "3", "99", true, "2"), 0,
                   {{"ab", "3", "12", "2"}, kTwoRows[1]}},
        ModifyCase{"NameOfAnotherRow", Fields("{@%0}", "-1", "1", true, ""), 1,
                   {kTwoRows[0], {"{@%0}", "-1", "8", ""}}},
        ModifyCase{"NoSelection", Fields("{n}", "20", "99"), std::nullopt, kTwoRows},
        ModifyCase{"SelectionPastTheEnd", Fields("{n}", "20", "99"), 2, kTwoRows}),
    [](const auto& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    VariableTable table;
    TemplateFields fields;
    std::optional<std::size_t> selected;  // none: "清空" instead of "删除"
    bool clear;
    VariableTable tableAfter;
    TemplateFields fieldsAfter;
};

class DeleteVariableTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteVariableTest, DeletesAndResetsTheFields) {
    DeleteCase c = GetParam();
    if (c.clear) {
        ClearVariables(c.table, c.fields);
    } else {
        DeleteVariable(c.table, c.fields, c.selected);
    }
    EXPECT_EQ(c.table, c.tableAfter);
    ExpectFields(c.fields, c.fieldsAfter);
}

// The reset gives end "50", not the fresh window's "10"; the padding switch stays.
INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteVariableTest,
    ::testing::Values(
        DeleteCase{"LastRowResets", kOneRow, Fields("x", "7", "16", true, "5", false), 0, false,
                   {}, Fields("{@%0}", "1", "50", true, "3", true)},
        DeleteCase{"FirstOfTwo", kTwoRows, Fields("x", "3", "10", false, "5", false), 0, false,
                   {kTwoRows[1]}, Fields("x", "3", "12", false, "5", false)},
        DeleteCase{"SecondOfTwo", kTwoRows, Fields("x", "-4", "10", false, "5", false), 1, false,
                   {kTwoRows[0]}, Fields("x", "-4", "5", false, "5", false)},
        DeleteCase{"NoSelectionDeletesNothing", kTwoRows, Fields("x", "2", "99", false, "5", false),
                   std::nullopt, false, kTwoRows, Fields("x", "2", "11", false, "5", false)},
        DeleteCase{"NoSelectionOnEmptyTableResets", {}, Fields("x", "2", "99", false, "5", true),
                   std::nullopt, false, {}, Fields("{@%0}", "1", "50", false, "3", true)},
        DeleteCase{"ClearResets", kTwoRows, Fields("x", "2", "99", true, "5", false),
                   std::nullopt, true, {}, Fields("{@%0}", "1", "50", true, "3", true)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadCurrentRowTest, CopiesTheCellsAndKeepsTheSwitch) {
    const VariableTable table = {{"{a}", "3", "7", "0"}, {"{b}", "9", "13", "4"}};
    TemplateFields fields = Fields("x", "1", "2", true, "9", false);
    LoadCurrentRow(table, 0, fields);
    ExpectFields(fields, Fields("{a}", "3", "7", true, "0", false));
    fields.padding = false;
    LoadCurrentRow(table, 1, fields);
    ExpectFields(fields, Fields("{b}", "9", "13", false, "4", false));
    LoadCurrentRow(table, 2, fields);
    ExpectFields(fields, Fields("{b}", "9", "13", false, "4", false));
}

struct SyncCase {
    const char* name;
    VariableTable table;
    const char* start;
    const char* end;
};

class SyncEndFieldTest : public ::testing::TestWithParam<SyncCase> {};

TEST_P(SyncEndFieldTest, EndIsStartPlusSpan) {
    const SyncCase& c = GetParam();
    TemplateFields fields = Fields("x", c.start, "unchanged");
    SyncEndField(c.table, fields);
    EXPECT_EQ(fields.end, c.end);
    EXPECT_EQ(fields.start, c.start);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SyncEndFieldTest,
    ::testing::Values(SyncCase{"EmptyTableRepeatsStart", {}, "25", "25"},
                      SyncCase{"EmptyTableLeadingZeros", {}, "007", "7"},
                      SyncCase{"EmptyField", {}, "", "0"},
                      SyncCase{"Minus", {}, "-", "0"},
                      SyncCase{"Span", kOneRow, "5", "14"},
                      SyncCase{"NegativeStart", kOneRow, "-3", "6"},
                      SyncCase{"NegativeSpan", {{"{a}", "10", "5", "0"}}, "3", "-2"},
                      SyncCase{"NoOverflow", kOneRow, "2147483647", "2147483656"}),
    [](const auto& info) { return std::string(info.param.name); });

struct GenerateCase {
    const char* name;
    const char* templateText;
    VariableTable table;
    const char* expected;
    VariableTable tableAfter;
};

class GenerateTemplateTextTest : public ::testing::TestWithParam<GenerateCase> {};

TEST_P(GenerateTemplateTextTest, CopiesWithCountersAndRestoredStarts) {
    GenerateCase c = GetParam();
    EXPECT_EQ(GenerateTemplateText(c.templateText, c.table), c.expected);
    EXPECT_EQ(c.table, c.tableAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateTemplateTextTest,
    ::testing::Values(
        GenerateCase{"EmptyTableOnce", "a{@%0}\r\n", {}, "a{@%0}\r\n", {}},
        GenerateCase{"EmptyTemplate", "", {{"{a}", "1", "3", "0"}}, "", {{"{a}", "1", "3", "0"}}},
        GenerateCase{"Counts", "<{@%0}>", {{"{@%0}", "1", "3", "0"}}, "<1><2><3>",
                     {{"{@%0}", "1", "3", "0"}}},
        GenerateCase{"EveryOccurrence", "{a}+{a}={a}", {{"{a}", "8", "9", "0"}},
                     "8+8=89+9=9", {{"{a}", "8", "9", "0"}}},
        GenerateCase{"Padded", "<{a}>", {{"{a}", "9", "11", "3"}}, "<009><010><011>",
                     {{"{a}", "9", "11", "3"}}},
        GenerateCase{"PadNeverCuts", "<{a}>", {{"{a}", "1000", "1001", "3"}}, "<1000><1001>",
                     {{"{a}", "1000", "1001", "3"}}},
        GenerateCase{"PadBeforeMinus", "<{a}>", {{"{a}", "-5", "-4", "3"}}, "<0-5><0-4>",
                     {{"{a}", "-5", "-4", "3"}}},
        // Only "0" means no padding; any other text is read as a width.
        GenerateCase{"PadWidthReadAsNumber", "<{a}|{b}|{c}>",
                     {{"{a}", "7", "7", "02"}, {"{b}", "7", "7", "0"}, {"{c}", "7", "7", "3x"}},
                     "<07|7|007>",
                     {{"{a}", "7", "7", "02"}, {"{b}", "7", "7", "0"}, {"{c}", "7", "7", "3x"}}},
        GenerateCase{"EachRowItsWidth", "A{a}B{b}", {{"{a}", "7", "7", "2"}, {"{b}", "7", "7", "4"}},
                     "A07B0007", {{"{a}", "7", "7", "2"}, {"{b}", "7", "7", "4"}}},
        GenerateCase{"RowsRunAlongside", "{@%0}-{@%1};",
                     {{"{@%0}", "1", "3", "0"}, {"{@%1}", "5", "7", "0"}}, "1-5;2-6;3-7;",
                     {{"{@%0}", "1", "3", "0"}, {"{@%1}", "5", "7", "0"}}},
        // Row 1 alone decides the count; a later row runs on past its own end.
        GenerateCase{"FirstRowDecidesTheCount", "{a}{b},",
                     {{"{a}", "1", "2", "0"}, {"{b}", "5", "5", "0"}}, "15,26,",
                     {{"{a}", "1", "2", "0"}, {"{b}", "4", "5", "0"}}},
        GenerateCase{"StartsRestoredAsPlainDecimal", "{a};", {{"{a}", "007", "8", "0"}}, "7;8;",
                     {{"{a}", "7", "8", "0"}}},
        GenerateCase{"EndBelowStartEmpties", "{a}", {{"{a}", "10", "5", "0"}, {"{b}", "3", "-2", "0"}},
                     "", {{"{a}", "10", "5", "0"}, {"{b}", "3", "-2", "0"}}},
        GenerateCase{"ZeroCount", "{a}", {{"{a}", "5", "4", "0"}}, "", {{"{a}", "5", "4", "0"}}},
        GenerateCase{"FirstRowTakesTheLongerName", "ABC|AB",
                     {{"AB", "1", "1", "0"}, {"ABC", "9", "9", "0"}}, "1C|1",
                     {{"AB", "1", "1", "0"}, {"ABC", "9", "9", "0"}}},
        // Row 1's value completes row 2's name, which is then replaced too.
        GenerateCase{"LaterRowSeesEarlierValues", "1{a}y", {{"{a}", "1", "1", "0"}, {"11y", "7", "7", "0"}},
                     "7", {{"{a}", "1", "1", "0"}, {"11y", "7", "7", "0"}}},
        GenerateCase{"CaseSensitive", "{abc}{ABC}", {{"{ABC}", "1", "1", "0"}}, "{abc}1",
                     {{"{ABC}", "1", "1", "0"}}},
        // C4 A1 | AA 62 | A1 AA: the name A1 AA only at the third character.
        GenerateCase{"WholeCharactersOnly", "\xC4\xA1\xAA\x62\xA1\xAA", {{"\xA1\xAA", "1", "1", "0"}},
                     "\xC4\xA1\xAA\x62" "1", {{"\xA1\xAA", "1", "1", "0"}}},
        GenerateCase{"EmptyNameChangesNothing", "x{a}", {{"{a}", "1", "2", "0"}, {"", "5", "6", "0"}},
                     "x1x2", {{"{a}", "1", "2", "0"}, {"", "5", "6", "0"}}},
        GenerateCase{"NamePresentInNoCopy", "plain\r\n", {{"{a}", "1", "2", "0"}},
                     "plain\r\nplain\r\n", {{"{a}", "1", "2", "0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// 显示图片 (图片框{@%0}.图片，{@%0}) and its copies, in the code page.
const char kPicture[] = "\xCF\xD4\xCA\xBE\xCD\xBC\xC6\xAC (\xCD\xBC\xC6\xAC\xBF\xF2";
const char kDot[] = ".\xCD\xBC\xC6\xAC\xA3\xAC";  // .图片，

TEST(GenerateTemplateTextTest, FreshWindowWithOneVariableGivesTenCopies) {
    VariableTable table;
    TemplateFields fields;
    ASSERT_EQ(AddVariable(table, fields), AddOutcome::Added);
    EXPECT_EQ(fields.name, "{@%1}");
    const AnsiText templateText = JoinText(kPicture, "{@%0}", kDot, "{@%0})\r\n");
    AnsiText expected;
    for (int i = 1; i <= 10; ++i) {
        const AnsiText n = std::to_string(i);
        expected += JoinText(kPicture, n, kDot, n, ")\r\n");
    }
    EXPECT_EQ(GenerateTemplateText(templateText, table), expected);
    EXPECT_EQ(table, kOneRow);
}

struct PadCase {
    const char* value;
    std::int64_t width;
    const char* expected;
};

class PadWithZerosTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadWithZerosTest, ZerosInFront) {
    EXPECT_EQ(PadWithZeros(GetParam().value, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PadWithZerosTest,
                         ::testing::Values(PadCase{"7", 3, "007"}, PadCase{"7", 1, "7"},
                                           PadCase{"12", 3, "012"}, PadCase{"1000", 3, "1000"},
                                           PadCase{"-5", 3, "0-5"}, PadCase{"5", 0, "5"},
                                           PadCase{"5", -4, "5"}, PadCase{"", 2, "00"}));

struct CrLfCase {
    const char* name;
    const char* text;
    const char* expected;
};

class LinesToCrLfTest : public ::testing::TestWithParam<CrLfCase> {};

TEST_P(LinesToCrLfTest, EveryLineEndsInCrLf) {
    EXPECT_EQ(LinesToCrLf(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinesToCrLfTest,
    ::testing::Values(CrLfCase{"None", "abc", "abc"}, CrLfCase{"Empty", "", ""},
                      CrLfCase{"Lf", "a\nb\n", "a\r\nb\r\n"}, CrLfCase{"LeadingLf", "\n\n", "\r\n\r\n"},
                      CrLfCase{"AlreadyCrLf", "a\r\nb", "a\r\nb"},
                      CrLfCase{"Chinese", "\xD6\xD0\n\xCE\xC4", "\xD6\xD0\r\n\xCE\xC4"},
                      // A trail byte 0x0D is no CR: the LF after it still gets one.
                      CrLfCase{"TrailByteLooksLikeCr", "\x81\x0D\n", "\x81\x0D\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
