#pragma once
#include <algorithm>

#include "platform/ui/control.h"

namespace ui {

// Shows how far a long task has come: Value between Min and Max.
class ProgressBar : public Control {
public:
    ProgressBar(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::ProgressBar, std::move(name), index, container) {}

    int Min() const { return min_; }
    int Max() const { return max_; }
    void setRange(int min, int max) {
        min_ = min;
        max_ = std::max(min, max);
        value_ = std::clamp(value_, min_, max_);
        changed(Property::Value);
    }
    int Value() const { return value_; }
    // Kept within Min and Max.
    void setValue(int v) {
        v = std::clamp(v, min_, max_);
        if (v == value_) return;
        value_ = v;
        changed(Property::Value);
    }

private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

}  // namespace ui
