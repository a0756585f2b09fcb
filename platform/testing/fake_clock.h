#pragma once
#include <optional>

#include "platform/services/clock.h"

namespace platform::testing {

// A clock that moves only when the program waits, or the test sets it.
class FakeClock : public Clock {
public:
    void setNow(LocalTime now) { now_ = now; }
    // Each wait advances the clock by this much instead of the time asked,
    // as a busy machine would.
    void setSleepStep(std::optional<std::chrono::milliseconds> step) { sleepStep_ = step; }

    LocalTime Now() override { return now_; }
    void Sleep(std::chrono::milliseconds duration) override { now_ += sleepStep_.value_or(duration); }

private:
    // Noon, some day in 2024.
    LocalTime now_{std::chrono::hours(24 * 20000) + std::chrono::hours(12)};
    std::optional<std::chrono::milliseconds> sleepStep_;
};

}  // namespace platform::testing
