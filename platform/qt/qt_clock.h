#pragma once
#include "platform/services/clock.h"

namespace platform::qt {

// The machine's local time.
class QtClock : public Clock {
public:
    LocalTime Now() override;
    void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace platform::qt
