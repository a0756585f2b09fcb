#include "platform/ui/option_button.h"

#include <algorithm>

#include "platform/ui/design_row.h"
#include "platform/ui/form.h"

namespace ui {

void OptionButton::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    if (row.flags & design::Checked) setValue(true);
}

std::vector<OptionButton*> OptionButton::Group() const {
    std::vector<OptionButton*> group;
    for (const auto& other : form().controls()) {
        auto* option = dynamic_cast<OptionButton*>(other.get());
        if (option && option->container() == container()) group.push_back(option);
    }
    std::stable_sort(group.begin(), group.end(),
                     [](const OptionButton* a, const OptionButton* b) { return a->TabIndex() < b->TabIndex(); });
    return group;
}

void OptionButton::setValue(bool v) {
    if (!v) {
        if (!value_) return;
        value_ = false;
        changed(Property::Value);
        return;
    }
    for (OptionButton* option : Group()) {
        if (option != this && option->value_) {
            option->value_ = false;
            option->changed(Property::Value);
        }
    }
    const bool was = value_;
    value_ = true;
    if (!was) changed(Property::Value);
    raise("Click", onClick);
}

}  // namespace ui
