// Time of each case, width, line-break, split and space tool on a generated
// GBK text of short CR LF lines, best of three runs. run_reshape_tools.sh
// runs each tool here and right after it a reference doing the same
// transformation on the same bytes, and prints the two side by side.
//
//   bench_reshape_tools generate MEGABYTES TEXT_FILE
//   bench_reshape_tools run TEXT_FILE TOOL
//     -> seconds <TAB> input bytes <TAB> output bytes
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "reshape/case_width.h"
#include "reshape/line_breaks.h"
#include "reshape/spaces.h"
#include "reshape/split_text.h"
#include "bench_text.h"

using namespace scribbet;

namespace {

// Short lines of common characters and ASCII words, some indented by ASCII
// spaces, with runs of empty lines between paragraphs now and then.
std::string MakeText(std::size_t bytes) {
    // 的 B5 C4, 中 D6 D0, 文 CE C4, 是 CA C7, 在 D4 DA, 人 C8 CB, 有 D3 D0,
    // 我 CE D2, full-width comma A3 AC, full stop A1 A3.
    static const char* const kChinese[] = {"\xB5\xC4", "\xD6\xD0", "\xCE\xC4", "\xCA\xC7",
                                           "\xD4\xDA", "\xC8\xCB", "\xD3\xD0", "\xCE\xD2",
                                           "\xA3\xAC", "\xA1\xA3"};
    static const char* const kWords[] = {"abc", "Scribbet", "text", "GBK", "2017", "42", " ", "-"};
    static const char* const kIndents[] = {"", "", "", " ", "  ", "    "};
    std::mt19937 random(12345);
    std::string text;
    text.reserve(bytes + 128);
    while (text.size() < bytes) {
        const std::size_t line = 40 + random() % 41;
        const std::size_t start = text.size();
        text += kIndents[random() % 6];
        while (text.size() - start < line) {
            text += random() % 4 == 0 ? kWords[random() % 8] : kChinese[random() % 10];
        }
        text += "\r\n";
        if (random() % 8 == 0) {
            for (int blank = 1 + random() % 4; blank > 0; --blank) text += "\r\n";
        }
    }
    return text;
}

volatile std::size_t g_sink;

std::size_t SizeOf(const std::optional<AnsiText>& text) { return text ? text->size() : 0; }

using Tool = std::function<std::size_t(const std::string&)>;

const std::map<std::string, Tool>& Tools() {
    static const std::map<std::string, Tool> tools = {
        {"upper", [](const std::string& t) { return ConvertCaseWidth(t, CaseWidth::Upper).size(); }},
        {"lower", [](const std::string& t) { return ConvertCaseWidth(t, CaseWidth::Lower).size(); }},
        {"fullWidth", [](const std::string& t) { return ConvertCaseWidth(t, CaseWidth::FullWidth).size(); }},
        // On the full-width text, so that there is something to narrow.
        {"halfWidth", [](const std::string& t) { return ConvertCaseWidth(t, CaseWidth::HalfWidth).size(); }},
        {"collapse", [](const std::string& t) { return SizeOf(CollapseLineBreaks(t)); }},
        {"count", [](const std::string& t) { return SizeOf(ChangeLineBreakCount(t, 3, 2)); }},
        {"merge", [](const std::string& t) { return MergeParagraphs(t).size(); }},
        {"split", [](const std::string& t) { return SplitTextTool(t, "\xA3\xAC").size(); }},  // ，
        {"indent", [](const std::string& t) { return SizeOf(IndentParagraphs(t, 4)); }},
        {"deleteStart", [](const std::string& t) { return DeleteSpaces(t, SpacePart::ParagraphStart).size(); }},
        {"deleteEnd", [](const std::string& t) { return DeleteSpaces(t, SpacePart::ParagraphEnd).size(); }},
        {"deleteBoth", [](const std::string& t) { return DeleteSpaces(t, SpacePart::BothEnds).size(); }},
        {"deleteAll", [](const std::string& t) { return DeleteSpaces(t, SpacePart::Everywhere).size(); }},
    };
    return tools;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "generate" && argc == 4) {
        std::ofstream(argv[3], std::ios::binary) << MakeText(std::strtoul(argv[2], nullptr, 10) * 1000000);
        return 0;
    }
    const auto tool = argc == 4 ? Tools().find(argv[3]) : Tools().end();
    if (command != "run" || tool == Tools().end()) {
        std::fprintf(stderr, "usage: %s generate MEGABYTES TEXT_FILE | run TEXT_FILE TOOL\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[2], std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (tool->first == "halfWidth") text = ConvertCaseWidth(text, CaseWidth::FullWidth);

    std::size_t size = 0;
    const double best = bench::BestSeconds([&] { size = tool->second(text); });
    g_sink = size;
    std::printf("%.6f\t%zu\t%zu\n", best, text.size(), size);
    return 0;
}
