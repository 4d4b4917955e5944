#pragma once
// Documents and command lines with the text each tool leaves: the program
// tests run them through scribbet-tool, the window tests also through the
// tool's window, and both must give these bytes.
//
// Bytes used: D6 D0 中, CE C4 文, B5 DA 第, D0 D0 行, A3 BA full-width colon,
// A3 AC full-width comma, A1 A1 full-width space, A3 B1 １, A3 E1 ａ,
// CA B1 时, B7 D6 分, C3 EB 秒; 81 61 a double-byte character whose trail
// byte is the code of 'a'. Option values are UTF-8, as typed.
#include <ostream>
#include <string>
#include <vector>

namespace scribbet {

struct ToolCase {
    const char* name;
    std::vector<std::string> args;  // the tool first, then its options
    std::string input;
    std::string expected;
};

inline std::ostream& operator<<(std::ostream& os, const ToolCase& c) { return os << c.name; }

inline const std::vector<ToolCase>& ToolCases() {
    static const std::vector<ToolCase> kCases = {
        {"Upper", {"upper"}, "ab\x81" "a\xD6\xD0z\r\n", "AB\x81" "a\xD6\xD0Z\r\n"},
        {"Lower", {"lower"}, "AB\x81" "A", "ab\x81" "A"},
        {"FullWidth", {"full-width"}, "1 a\xD6\xD0", "\xA3\xB1\xA1\xA1\xA3\xE1\xD6\xD0"},
        {"HalfWidth", {"half-width"}, "\xA3\xB1\xA1\xA1\xA3\xE1\xD6\xD0", "1 a\xD6\xD0"},
        {"ReplaceChinese", {"replace", "--find", "中", "--with", "文"},
         "\xD6\xD0" "a\xD6\xD0", "\xCE\xC4" "a\xCE\xC4"},
        {"ReplaceFoldsCaseAtCharacterStarts", {"replace", "--find", "AB", "--with", "x"},
         "abAB\x81" "ab", "xx\x81" "ab"},
        {"ReplaceMatchingCase", {"replace", "--find", "AB", "--with", "x", "--match-case"},
         "abAB", "abx"},
        {"ReplaceWithEmpty", {"replace", "--find=b", "--with="}, "abcb", "ac"},
        {"LineBreakReplace",
         {"replace-line-break", "--find-before", "a", "--find-after", "b", "--with-before", "x",
          "--with-after", "y"},
         "a\r\nb|a\r\nc", "x\r\ny|a\r\nc"},
        {"LineBreakReplaceWithoutSeparator",
         {"replace-line-break", "--find-before", "a", "--find-after", "b", "--with-before", "x",
          "--with-after", "y", "--no-with-separator"},
         "a\r\nb|A\r\nB", "xy|xy"},
        {"TabReplaceFindingNoSeparator",
         {"replace-tab", "--find-before", "a", "--find-after", "b", "--with-before", "-",
          "--with-after", "", "--no-find-separator", "--match-case"},
         "ab\ta\tb AB", "-\t\ta\tb AB"},
        {"RegexReplace", {"regex-replace", "--pattern", "\\d+", "--with", "#"}, "a12b3\xD6\xD0",
         "a#b#\xD6\xD0"},
        {"RegexReplaceKeepsGroupReferences", {"regex-replace", "--pattern", "(\\d)", "--with", "$1"},
         "a1", "a$1"},
        {"RegexReplaceWithoutMatchKeepsText", {"regex-replace", "--pattern", "z", "--with", "y"},
         "abc\r\n", "abc\r\n"},
        {"RegexReplaceMatchingCase",
         {"regex-replace", "--pattern", "a", "--with", "-", "--match-case"}, "aA", "-A"},
        {"RegexExtractFirstGroups", {"regex-extract", "--pattern", "(\\d)\\d"}, "a12b34c5",
         "1\r\n3\r\n"},
        {"RegexExtractWithoutMatchEmpties", {"regex-extract", "--pattern", "z"}, "abc", ""},
        {"DeleteRange", {"delete-range", "--start", "2", "--length", "3"}, "abcdef", "aef"},
        {"DeleteRangeFromBeforeTheStart", {"delete-range", "--start", "-1", "--length", "3"},
         "abcdef", "bcdef"},
        {"ExtractRange", {"extract-range", "--start", "2", "--length", "3"}, "abcdef", "bcd"},
        {"ExtractRangePastTheEnd", {"extract-range", "--start", "5", "--length", "9"}, "abcdef",
         "ef"},
        {"CollapseLineBreaks", {"collapse-line-breaks"}, "a\r\n\r\n\r\nb\r\n\r\n", "a\r\nb\r\n"},
        {"MergeParagraphs", {"merge-paragraphs"}, "a\r\n\r\nb\r\n", "ab"},
        {"LineBreakCount", {"line-break-count", "--from", "2", "--to", "1"},
         "a\r\n\r\n\r\nb\r\n\r\n", "a\r\n\r\nb"},
        {"SplitAtFullWidthComma", {"split", "--separator", "，"},
         "a\xA3\xAC" "b\xA3\xAC\xA3\xAC" "c", "a\r\nb\r\n\r\nc\r\n"},
        {"Indent", {"indent", "--spaces", "2"}, " a\r\n\xA1\xA1" "b", "  a\r\n  b\r\n"},
        {"DeleteSpacesAtEnd", {"delete-spaces", "--at", "end"}, " a \r\nb\xA1\xA1", " a\r\nb\r\n"},
        {"DeleteSpacesEverywhere", {"delete-spaces", "--at", "all"}, " a b\xA1\xA1\r\n", "ab\r\n"},
        {"PrefixWithNumber", {"prefix", "--left", "第", "--right", "行：", "--start", "1"},
         "a\r\nb",
         "\xB5\xDA" "1\xD0\xD0\xA3\xBA" "a\r\n\xB5\xDA" "2\xD0\xD0\xA3\xBA" "b\r\n"},
        {"SuffixWithoutNumber", {"suffix", "--left", "<", "--right", ">", "--no-number"},
         "a\r\nb", "a<>\r\nb<>\r\n"},
        {"KeepParagraphs", {"select-paragraphs", "--numbers", "1,3", "--mode", "keep"},
         "a\r\nb\r\nc", "a\r\nc"},
        {"DeleteParagraphs", {"select-paragraphs", "--numbers", "1,3", "--mode", "delete"},
         "a\r\nb\r\nc", "b\r\n"},
        {"HmsToSeconds", {"hms-to-seconds"}, "1\xCA\xB1" "2\xB7\xD6" "3\xC3\xEB", "3723\xC3\xEB"},
        {"SecondsToHms", {"seconds-to-hms"}, "3723\xC3\xEB",
         "1\xCA\xB1" "2\xB7\xD6" "3\xC3\xEB"},
        // The window generates into an empty document: the input plays no part.
        {"NumberedLines",
         {"numbered-lines", "--left", "No.", "--right", "", "--start", "9", "--lines", "2"}, "",
         "No.9\r\nNo.10\r\n"},
    };
    return kCases;
}

}  // namespace scribbet
