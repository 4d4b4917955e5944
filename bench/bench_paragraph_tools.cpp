// Time of the numbered-lines, paragraph-affix and paragraph-selection tools
// on a generated GBK text of short CR LF lines (100 MB unless told).
//
//   bench_paragraph_tools [MEGABYTES] [TEXT_FILE] [OUTPUT_DIR]
//
// Prints one line per tool: its name, the best of three times in seconds and
// the bytes it read. With TEXT_FILE the text is also written there, and with
// OUTPUT_DIR every result is written to OUTPUT_DIR/<tool>.txt, so that a
// script can run a reference on the very same bytes and compare the results
// (bench/run_paragraph_tools.sh).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "reshape/paragraphs.h"
#include "reshape/sequence.h"

using namespace scribbet;

namespace {

// Lines of 4 to 30 bytes of common characters, digits and ASCII words.
std::string MakeText(std::size_t bytes) {
    // 的 B5 C4, 中 D6 D0, 文 CE C4, 是 CA C7, 在 D4 DA, 人 C8 CB, 有 D3 D0,
    // 我 CE D2, full-width comma A3 AC, full stop A1 A3.
    static const char* const kChinese[] = {"\xB5\xC4", "\xD6\xD0", "\xCE\xC4", "\xCA\xC7",
                                           "\xD4\xDA", "\xC8\xCB", "\xD3\xD0", "\xCE\xD2",
                                           "\xA3\xAC", "\xA1\xA3"};
    static const char* const kWords[] = {"abc", "GBK", "2017", "42", " ", "-", "x", "Scribbet"};
    std::mt19937 random(4242);
    std::string text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) {
        const std::size_t line = 4 + random() % 27;
        const std::size_t start = text.size();
        while (text.size() - start < line) {
            text += random() % 3 == 0 ? kWords[random() % 8] : kChinese[random() % 10];
        }
        text += "\r\n";
    }
    return text;
}

struct Run {
    const char* name;
    std::size_t bytesRead;
    std::function<std::string()> tool;
};

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string text = MakeText(megabytes * 1000000);
    if (argc > 2) std::ofstream(argv[2], std::ios::binary) << text;
    const std::string outputDir = argc > 3 ? argv[3] : "";
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));

    // Every other paragraph, as a user would list them: "1,3,5,...".
    std::string oddNumbers;
    for (std::size_t i = 1; i <= lines; i += 2) {
        if (i > 1) oddNumbers += ',';
        oddNumbers += std::to_string(i);
    }
    const Affix counter{"(", true, "1", ")"};
    const Affix chapter{"\xB5\xDA", true, "1", "\xD5\xC2"};  // 第 1 章

    const Run runs[] = {
        {"prefix_counter", text.size(),
         [&] { return *InsertAtParagraphStart(text, counter); }},
        {"suffix_counter", text.size(),
         [&] { return *InsertAtParagraphEnd(text, {" #", true, "0", ""}); }},
        {"prefix_plain", text.size(),
         [&] { return *InsertAtParagraphStart(text, {"> ", false, "", ""}); }},
        {"keep_odd", text.size() + oddNumbers.size(),
         [&] { return SelectParagraphs(text, oddNumbers, ParagraphChoice::Keep); }},
        {"delete_few", text.size(),
         [&] { return SelectParagraphs(text, "2,5,9,1000", ParagraphChoice::Delete); }},
        {"numbered_1m", 0, [&] { return *NumberedLines(chapter, "1000000"); }},
        {"numbered_10m", 0, [&] { return *NumberedLines(counter, "10000000"); }},
    };
    std::printf("# text %zu bytes, %zu lines\n", text.size(), lines);
    for (const Run& run : runs) {
        double best = 1e9;
        std::string result;
        for (int round = 0; round < 3; ++round) {
            const auto start = std::chrono::steady_clock::now();
            result = run.tool();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            best = std::min(best, took.count());
        }
        std::printf("%s %.4f %zu\n", run.name, best, run.bytesRead);
        std::fflush(stdout);
        if (!outputDir.empty()) {
            std::ofstream(outputDir + "/" + run.name + ".txt", std::ios::binary) << result;
        }
    }
    return 0;
}
