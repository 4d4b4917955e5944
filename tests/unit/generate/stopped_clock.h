#pragma once
// A clock that stands still unless a test moves it, so that every reseed of
// the random source is known.
#include <cstdint>

#include "platform/clock.h"

namespace scribbet {

class StoppedClock final : public Clock {
public:
    explicit StoppedClock(std::uint32_t milliseconds) : milliseconds(milliseconds) {}
    DateTime Now() const override { return {}; }
    std::uint32_t Milliseconds() const override { return milliseconds; }
    std::uint32_t milliseconds;
};

}  // namespace scribbet
