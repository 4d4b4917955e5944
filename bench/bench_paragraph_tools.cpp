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
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "bench_text.h"
#include "reshape/paragraphs.h"
#include "reshape/sequence.h"

using namespace scribbet;

namespace {

struct Run {
    const char* name;
    std::size_t bytesRead;
    std::function<std::string()> tool;
};

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    // Short lines, 8 to 40 bytes: the paragraph count is what these tools pay for.
    const std::string text = bench::MakeGbkText(megabytes * 1000000, 8, 40);
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
        std::string result;
        const double best = bench::BestSeconds([&] { result = run.tool(); });
        std::printf("%s %.4f %zu\n", run.name, best, run.bytesRead);
        std::fflush(stdout);
        if (!outputDir.empty()) {
            std::ofstream(outputDir + "/" + run.name + ".txt", std::ios::binary) << result;
        }
    }
    return 0;
}
