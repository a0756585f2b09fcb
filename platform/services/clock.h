#pragma once
#include <chrono>

namespace platform {

// Local wall-clock time in milliseconds since 1 January 1970 (no time zone:
// the fields are read straight off it).
using LocalTime = std::chrono::milliseconds;

inline int SecondsFieldOf(LocalTime t) { return static_cast<int>((t.count() / 1000) % 60); }

class Clock {
public:
    virtual ~Clock() = default;

    virtual LocalTime Now() = 0;
    // Waits without processing window events.
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace platform
