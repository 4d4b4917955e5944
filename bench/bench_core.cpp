// Throughput of the text primitives and the loading rule on a generated
// 100 MB GBK text of short CR LF lines, each beside a reference doing the
// same work without character stepping, timed in the same run.
//
//   bench_core [MEGABYTES] [TEXT_FILE]
//
// With TEXT_FILE the generated text is also written there, so that a script
// can time python3 on the very same bytes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "core/file_commands.h"
#include "core/text_ops.h"
#include "bench_text.h"

using namespace scribbet;

namespace {


void Report(const char* name, std::size_t bytes, double ours, const char* reference, double theirs) {
    const double mb = static_cast<double>(bytes) / 1e6;
    std::printf("%-14s %8.1f MB/s   %-28s %8.1f MB/s   ratio %.2f\n", name, mb / ours, reference,
                mb / theirs, theirs / ours);
}

volatile std::size_t g_sink;

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string text = bench::MakeGbkText(megabytes * 1000000);
    if (argc > 2) std::ofstream(argv[2], std::ios::binary) << text;
    std::printf("text: %zu bytes, %zu lines\n", text.size(),
                static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));

    const std::string sought = "\xD6\xD0\xCE\xC4";  // 中文
    const std::string replacement = "\xBA\xBA\xD3\xEF";  // 汉语

    {
        const double ours = bench::BestSeconds([&] {
            std::size_t n = 0;
            for (Pos p = FindText(text, sought, std::nullopt, false); p > 0;
                 p = FindText(text, sought, p + 4, false)) {
                ++n;
            }
            g_sink = n;
        });
        const double theirs = bench::BestSeconds([&] {
            std::size_t n = 0;
            for (auto p = text.find(sought); p != std::string::npos; p = text.find(sought, p + 4)) ++n;
            g_sink = n;
        });
        Report("FindText", text.size(), ours, "std::string::find loop", theirs);
    }
    {
        const double ours = bench::BestSeconds([&] { g_sink = ReplaceText(text, sought, replacement, true).size(); });
        const double theirs = bench::BestSeconds([&] {
            std::string out;
            out.reserve(text.size());
            std::size_t done = 0;
            for (auto p = text.find(sought); p != std::string::npos; p = text.find(sought, done)) {
                out.append(text, done, p - done);
                out += replacement;
                done = p + sought.size();
            }
            out.append(text, done, std::string::npos);
            g_sink = out.size();
        });
        Report("ReplaceText", text.size(), ours, "find/append loop", theirs);
    }
    {
        const double ours = bench::BestSeconds([&] { g_sink = SplitText(text, "\r\n").size(); });
        const double theirs = bench::BestSeconds([&] {
            std::vector<std::string> pieces;
            std::size_t begin = 0;
            for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", begin)) {
                pieces.emplace_back(text, begin, p - begin);
                begin = p + 2;
            }
            g_sink = pieces.size();
        });
        Report("SplitText", text.size(), ours, "find/substr loop", theirs);
    }
    {
        const double ours = bench::BestSeconds([&] { g_sink = ToFullWidth(text).size(); });
        const double theirs = bench::BestSeconds([&] {
            // The same widening byte by byte, without stepping over characters.
            std::string out;
            out.reserve(text.size() * 2);
            for (const char c : text) {
                const auto u = static_cast<unsigned char>(c);
                if (u > 0x20 && u < 0x7E) {
                    out += '\xA3';
                    out += static_cast<char>(u + 0x80);
                } else {
                    out += c;
                }
            }
            g_sink = out.size();
        });
        Report("ToFullWidth", text.size(), ours, "byte-wise table loop", theirs);
    }
    {
        const double ours = bench::BestSeconds([&] { g_sink = ReadTextFile(text).size(); });
        const double theirs = bench::BestSeconds([&] {
            // Scanning for the end bytes and copying: what loading must do at least.
            const void* zero = std::memchr(text.data(), 0, text.size());
            const void* sub = std::memchr(text.data(), 0x1A, text.size());
            g_sink = std::string(text).size() + (zero != nullptr) + (sub != nullptr);
        });
        Report("ReadTextFile", text.size(), ours, "memchr x2 + copy", theirs);
    }
    return 0;
}
