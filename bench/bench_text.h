#pragma once
// What the benchmarks share: a generated GBK document and a best-of timer.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <random>
#include <string>

namespace scribbet::bench {

// Short CR LF lines (shortest to longest bytes) of common hanzi mixed with
// ASCII words and numbers, like a typical log or novel.
inline std::string MakeGbkText(std::size_t bytes, std::size_t shortest = 40,
                               std::size_t longest = 80) {
    // 的 B5 C4, 中 D6 D0, 文 CE C4, 是 CA C7, 在 D4 DA, 人 C8 CB, 有 D3 D0,
    // 我 CE D2, full-width comma A3 AC, ideographic full stop A1 A3.
    static const char* const kChinese[] = {"\xB5\xC4", "\xD6\xD0", "\xCE\xC4", "\xCA\xC7",
                                           "\xD4\xDA", "\xC8\xCB", "\xD3\xD0", "\xCE\xD2",
                                           "\xA3\xAC", "\xA1\xA3"};
    static const char* const kWords[] = {"abc", "Scribbet", "text", "GBK", "2017", "42", " ", "-"};
    std::mt19937 random(12345);
    std::string text;
    text.reserve(bytes + 128);
    while (text.size() < bytes) {
        const std::size_t line = shortest + random() % (longest - shortest + 1);
        const std::size_t start = text.size();
        while (text.size() - start < line) {
            text += (random() % 4 == 0) ? kWords[random() % 8] : kChinese[random() % 10];
        }
        text += "\r\n";
    }
    return text;
}

// The best of `runs` timings of `work`, in seconds.
inline double BestSeconds(const std::function<void()>& work, int runs = 3) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace scribbet::bench
