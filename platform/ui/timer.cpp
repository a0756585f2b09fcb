#include "platform/ui/timer.h"

namespace ui {

Timer::Timer(Form& f, std::string name, int index, Control* container)
    : Control(f, ControlKind::Timer, std::move(name), index, container) {
    setVisible(false);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0) milliseconds = 0;
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    changed(Property::Value);
}

void Timer::userElapsed() {
    if (!Enabled() || interval_ == 0 || !onTimer) return;
    raise("Timer", [this] { onTimer(); });
}

}  // namespace ui
