// Time of the replace, regular-expression, byte-range and time tools on a
// generated GBK text of short CR LF lines, one line per tool:
//
//   name <TAB> seconds <TAB> output bytes
//
//   bench_search_tools [MEGABYTES] [TEXT_FILE]
//
// With TEXT_FILE the text is also written there, so that run_search_tools.sh
// can time perl and python3 doing the same transformations on the same bytes.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "bench_text.h"
#include "reshape/time_tools.h"
#include "search/regex.h"
#include "search/replace.h"
#include "search/separator_replace.h"

using namespace scribbet;

namespace {

std::string MakeText(std::size_t bytes) {
    // 的 B5 C4, 中 D6 D0, 文 CE C4, 是 CA C7, 在 D4 DA, 人 C8 CB, 有 D3 D0,
    // 我 CE D2, full-width comma A3 AC, full stop A1 A3.
    static const char* const kChinese[] = {"\xB5\xC4", "\xD6\xD0", "\xCE\xC4", "\xCA\xC7",
                                           "\xD4\xDA", "\xC8\xCB", "\xD3\xD0", "\xCE\xD2",
                                           "\xA3\xAC", "\xA1\xA3"};
    static const char* const kWords[] = {"abc", "Scribbet", "text", "GBK", " ", "-", "\t"};
    // About one number per line: plain ones, durations (时 CA B1, 分 B7 D6,
    // 秒 C3 EB) and counts of seconds.
    static const char* const kNumbers[] = {
        "2017", "42", "7", "1\xCA\xB1" "2\xB7\xD6" "3\xC3\xEB",
        "12\xCA\xB1" "34\xB7\xD6" "56\xC3\xEB", "3723\xC3\xEB", "59\xC3\xEB"};
    std::mt19937 random(12345);
    std::string text;
    text.reserve(bytes + 128);
    while (text.size() < bytes) {
        const std::size_t line = 40 + random() % 41;
        const std::size_t start = text.size();
        while (text.size() - start < line) {
            const unsigned pick = random() % 100;
            if (pick < 4) {
                text += kNumbers[random() % 7];
            } else if (pick < 25) {
                text += kWords[random() % 7];
            } else {
                text += kChinese[random() % 10];
            }
        }
        text += "\r\n";
    }
    return text;
}

// The best of three runs, and the size of what the tool gave.
void Time(const char* name, const std::function<std::size_t()>& tool) {
    std::size_t size = 0;
    const double best = bench::BestSeconds([&] { size = tool(); });
    std::printf("%s\t%.6f\t%zu\n", name, best, size);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string text = MakeText(megabytes * 1000000);
    if (argc > 2) std::ofstream(argv[2], std::ios::binary) << text;

    std::size_t matches = 0;
    RegexSearchEach("\\d+", true, text, [&matches](const RegexMatch&) { ++matches; });
    std::printf("#text\t%zu bytes\t%zu digit runs\n", text.size(), matches);

    const std::string chinese = "\xD6\xD0\xCE\xC4";      // 中文
    const std::string replacement = "\xBA\xBA\xD3\xEF";  // 汉语
    Time("BasicReplace", [&] { return BasicReplace(text, chinese, replacement, true).size(); });
    Time("BasicReplaceIgnoreCase",
         [&] { return BasicReplace(text, "scribbet", "X", false).size(); });
    Time("SeparatorReplace", [&] {
        const SeparatorReplaceFields joinParagraphs{{"", true, ""}, {"", false, ""}, false};
        return SeparatorReplace(text, kLineBreakSeparator, joinParagraphs).size();
    });
    Time("TabReplace", [&] {
        const SeparatorReplaceFields tabsToSpaces{{"", true, ""}, {" ", false, ""}, false};
        return SeparatorReplace(text, kTabSeparator, tabsToSpaces).size();
    });
    Time("RegexReplace", [&] { return RegexReplace(text, "\\d+", "#", true)->size(); });
    Time("RegexExtract", [&] { return RegexExtract(text, "(\\d+)", true).size(); });
    const Pos middle = static_cast<Pos>(text.size() / 3);
    Time("DeleteRange", [&] { return DeleteRange(text, middle, middle).size(); });
    Time("ExtractRange", [&] { return ExtractRange(text, middle, middle).size(); });
    Time("DurationsToSeconds", [&] { return DurationsToSeconds(text).size(); });
    Time("SecondsToDurations", [&] { return SecondsToDurations(text).size(); });
    return 0;
}
