// Throughput of the code page conversion on a large Chinese document, beside
// memcpy of the same bytes so the figures can be read against the machine.
//
//   bench_code_page [megabytes]     (default 100)
//
// The text is GBK with CR LF lines of 40 to 80 bytes, mostly common hanzi
// mixed with ASCII words and numbers, like a typical log or novel.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/code_page.h"

namespace {

// xorshift64*: fixed seed, so every run measures the same text.
class Random {
public:
    std::uint32_t Next(std::uint32_t bound) {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<std::uint32_t>(((state_ * 0x2545F4914F6CDD1Dull) >> 32) % bound);
    }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

std::string MakeGbkText(std::size_t size) {
    static const char* const kWords[] = {"the", "file", "id",  "OK",   "Scribbet", "error",
                                         "x",   "data", "GBK", "line", "http",     "value"};
    Random random;
    std::string text;
    text.reserve(size + 128);
    while (text.size() < size) {
        const std::size_t lineEnd = text.size() + 40 + random.Next(41);
        while (text.size() < lineEnd) {
            const std::uint32_t kind = random.Next(100);
            if (kind < 80) {
                // A common hanzi of GB2312 level 1 and 2 (rows B0..F7).
                text += static_cast<char>(0xB0 + random.Next(0xF7 - 0xB0 + 1));
                text += static_cast<char>(0xA1 + random.Next(0xFE - 0xA1 + 1));
            } else if (kind < 86) {
                text += ' ';
                text += kWords[random.Next(sizeof(kWords) / sizeof(kWords[0]))];
                text += ' ';
            } else if (kind < 92) {
                text += std::to_string(random.Next(100000));
            } else if (kind < 96) {
                text += "\xA3\xAC";  // full-width comma
            } else {
                text += "\xA1\xA3";  // ideographic full stop
            }
        }
        text += "\r\n";
    }
    return text;
}

// Best of three. The result of a conversion is kept until the clock has
// stopped, so freeing the previous run's text is not charged to the next.
template <typename Work>
double BestSeconds(Work work, std::string* kept = nullptr) {
    double best = 1e30;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        std::string result = work();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
        if (kept != nullptr) *kept = std::move(result);
    }
    return best;
}

// memcpy into a buffer touched beforehand, so the reference measures copying
// rather than page faults; the conversions are charged for their own output.
double MemcpyMbPerSecond(const std::string& bytes) {
    std::vector<char> target(bytes.size());
    std::memset(target.data(), 1, target.size());
    const double seconds = BestSeconds([&] {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        // Keep the copy observable so it is not optimised away.
        return std::string(1, target[bytes.size() / 2]);
    });
    return static_cast<double>(bytes.size()) / 1e6 / seconds;
}

void Report(const char* name, double mbPerSecond, double memcpyMbPerSecond) {
    std::printf("%-12s %8.1f MB/s   memcpy %8.1f MB/s   ratio %.2f\n", name, mbPerSecond,
                memcpyMbPerSecond, mbPerSecond / memcpyMbPerSecond);
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string gbk = MakeGbkText(megabytes * 1000 * 1000);

    std::string utf8;
    const double decodeSeconds = BestSeconds([&] { return scribbet::DecodeAnsi(gbk); }, &utf8);
    std::string back;
    const double encodeSeconds = BestSeconds([&] { return scribbet::EncodeAnsi(utf8); }, &back);
    if (back != gbk) {
        std::fprintf(stderr, "round trip failed: the text did not encode back to its bytes\n");
        return 1;
    }

    std::printf("GBK %.1f MB, UTF-8 %.1f MB\n", gbk.size() / 1e6, utf8.size() / 1e6);
    Report("DecodeAnsi", gbk.size() / 1e6 / decodeSeconds, MemcpyMbPerSecond(gbk));
    Report("EncodeAnsi", utf8.size() / 1e6 / encodeSeconds, MemcpyMbPerSecond(utf8));
    return 0;
}
