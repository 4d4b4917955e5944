#pragma once
// The program's one pseudo-random source and the builder of random strings
// that every generator draws from. The source is a 32-bit linear
// congruential generator reseeded from the millisecond clock; a seeding
// counter that grows with every reseed keeps two reseeds within the same
// millisecond apart.
#include <cstdint>

#include "core/text_ops.h"
#include "platform/clock.h"

namespace scribbet {

class RandomSource {
public:
    // The clock must outlive the source.
    explicit RandomSource(const Clock& clock) : m_clock(clock) {}

    // seed = milliseconds + counter; counter += (seed AND 255) + 100;
    // state = seed; all modulo 2^32.
    void Reseed();

    // An integer from min to max, both included: negative bounds count as 0
    // and swapped bounds are put in order. Equal bounds return at once
    // without drawing. A raw value is at most 32767, so a wider span never
    // reaches its upper values.
    int NextInRange(int min, int max);

    [[nodiscard]] std::uint32_t State() const { return m_state; }
    [[nodiscard]] std::uint32_t SeedingCounter() const { return m_seedingCounter; }

private:
    // One step of the generator: a value from 0 to 32767.
    int NextRaw();

    const Clock& m_clock;
    std::uint32_t m_state = 1;
    std::uint32_t m_seedingCounter = 0;
};

enum class RandomKind {
    Digits,   // "0" to "9"
    Letters,  // "A" to "Z" and "a" to "z"
    Mixed,    // all three sets
};

// Reseeds, then draws count characters of the kind; a count of 0 or less
// gives the empty text (after the reseed).
AnsiText RandomString(RandomSource& source, int count, RandomKind kind);

}  // namespace scribbet
