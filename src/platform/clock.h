#pragma once
// The clocks: the local date and time, and the milliseconds since the system
// started (which wrap at 32 bits). Tests pass a fixed clock.
#include <cstdint>

#include "core/text_ops.h"

namespace scribbet {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now, in whole seconds.
    [[nodiscard]] virtual DateTime Now() const = 0;
    // Milliseconds since the system started, modulo 2^32.
    [[nodiscard]] virtual std::uint32_t Milliseconds() const = 0;
};

// The real clocks of this machine.
class SystemClock final : public Clock {
public:
    [[nodiscard]] DateTime Now() const override;
    [[nodiscard]] std::uint32_t Milliseconds() const override;
};

}  // namespace scribbet
