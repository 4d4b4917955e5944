#pragma once
// What every fuzz target shares: a broken promise stops the run like a
// crash, and the input is cut into the texts and numbers a tool takes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace scribbet::fuzz {

// abort() is what libFuzzer records as a crash, with the input that made it.
#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition)) {                                                         \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                           \
        }                                                                           \
    } while (false)

// A document text holds no zero byte; they are dropped rather than the
// input thrown away, so the fuzzer's bytes still mean something.
inline std::string WithoutZeros(std::string bytes) {
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    return bytes;
}

inline std::string TakeText(FuzzedDataProvider& input, std::size_t maxLength) {
    return WithoutZeros(input.ConsumeRandomLengthString(maxLength));
}

// A count as a window field gives it: mostly small, sometimes the extremes
// where arithmetic overflows.
inline std::int32_t TakeCount(FuzzedDataProvider& input) {
    static constexpr std::int32_t kExtremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0,
                                                 (1 << 30) + 1, INT32_MAX - 1, INT32_MAX};
    if (input.ConsumeBool()) return input.ConsumeIntegralInRange<std::int32_t>(-3, 40);
    return kExtremes[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kExtremes) - 1)];
}

}  // namespace scribbet::fuzz
