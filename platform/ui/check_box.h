#pragma once
#include "platform/ui/control.h"

namespace ui {

// A box the user ticks and unticks; each change of its value, by the user's
// click or by the program, raises Click, as the desktop's check boxes do.
class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::CheckBox, std::move(name), index, container) {}

    bool canHoldFocus() const override { return true; }
    // Checked: ticked as the window is laid out, before any handler listens.
    void applyDesign(const design::ControlRow& row) override;

    bool Value() const { return value_; }
    // Ticks or unticks it; a change raises Click, setting the same value raises nothing.
    void setValue(bool v);

private:
    bool value_ = false;
};

}  // namespace ui
