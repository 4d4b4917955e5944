#include "generate/random.h"

#include <algorithm>
#include <cstdint>

namespace scribbet {

void RandomSource::Reseed() {
    const std::uint32_t seed = m_clock.Milliseconds() + m_seedingCounter;
    m_seedingCounter += (seed & 255u) + 100u;
    m_state = seed;
}

int RandomSource::NextRaw() {
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 32767u);
}

int RandomSource::NextInRange(int min, int max) {
    min = std::max(min, 0);
    max = std::max(max, 0);
    if (min > max) std::swap(min, max);
    if (min == max) return min;
    // span + 1 must stay a positive int.
    std::int64_t span = static_cast<std::int64_t>(max) - min;
    if (span == 2147483647) span = 2147483646;
    return min + static_cast<int>(NextRaw() % (span + 1));
}

namespace {

char DrawCharacter(RandomSource& source, RandomKind kind) {
    switch (kind) {
        case RandomKind::Digits:
            return static_cast<char>(source.NextInRange('0', '9'));
        case RandomKind::Letters: {
            // Both cases are drawn every time, whichever is kept.
            const int which = source.NextInRange(1, 2);
            const int upper = source.NextInRange('A', 'Z');
            const int lower = source.NextInRange('a', 'z');
            return static_cast<char>(which == 1 ? upper : lower);
        }
        case RandomKind::Mixed: {
            const int which = source.NextInRange(1, 3);
            const int upper = source.NextInRange('A', 'Z');
            const int lower = source.NextInRange('a', 'z');
            const int digit = source.NextInRange('0', '9');
            return static_cast<char>(which == 1 ? upper : which == 2 ? lower : digit);
        }
    }
    return '0';
}

}  // namespace

AnsiText RandomString(RandomSource& source, int count, RandomKind kind) {
    source.Reseed();
    AnsiText text;
    if (count <= 0) return text;
    text.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) text += DrawCharacter(source, kind);
    return text;
}

}  // namespace scribbet
