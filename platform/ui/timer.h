#pragma once
#include <functional>

#include "platform/ui/control.h"

namespace ui {

// Raises Timer every Interval milliseconds while it is enabled. Never seen:
// it takes no place on the form and no focus. The front end counts the time;
// a test moves the program's clock and calls userElapsed, as the front end
// does when an interval has passed.
class Timer : public Control {
public:
    Timer(Form& f, std::string name, int index, Control* container);

    // Milliseconds between two Timer events; 0 stops it.
    int Interval() const { return interval_; }
    void setInterval(int milliseconds);

    std::function<void()> onTimer;

    // --- what the front end does
    // An interval has passed: Timer, unless the timer is disabled or stopped.
    void userElapsed();

private:
    int interval_ = 0;
};

}  // namespace ui
