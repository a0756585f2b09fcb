#pragma once
#include <vector>

#include "platform/ui/control.h"

namespace ui {

// One of a group of choices: the option buttons in one container exclude
// each other, so choosing one clears the others.
class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::OptionButton, std::move(name), index, container) {}

    bool canHoldFocus() const override { return true; }
    // Checked: the option chosen as the window is laid out, before any handler listens.
    void applyDesign(const design::ControlRow& row) override;

    bool Value() const { return value_; }
    // Choosing it clears the other options of its container and raises Click,
    // as the user's choice does; clearing it raises nothing.
    void setValue(bool v);

    // The options of its container, itself among them, in tab order: the
    // group the arrow keys move through.
    std::vector<OptionButton*> Group() const;

private:
    bool value_ = false;
};

}  // namespace ui
