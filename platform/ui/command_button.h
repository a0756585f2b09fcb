#pragma once
#include "platform/ui/control.h"

namespace ui {

class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::CommandButton, std::move(name), index, container) {}

    bool canHoldFocus() const override { return true; }
    void applyDesign(const design::ControlRow& row) override;
    // Enter presses the default button, Esc the cancel button.
    bool Default() const { return default_; }
    void setDefault(bool v) {
        default_ = v;
        changed(Property::Style);
    }
    bool Cancel() const { return cancel_; }
    void setCancel(bool v) { cancel_ = v; }

private:
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace ui
