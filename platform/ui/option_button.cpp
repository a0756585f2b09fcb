#include "platform/ui/option_button.h"

#include "platform/ui/form.h"

namespace ui {

void OptionButton::setValue(bool v) {
    if (!v) {
        if (!value_) return;
        value_ = false;
        changed(Property::Value);
        return;
    }
    for (const auto& other : form().controls()) {
        auto* option = dynamic_cast<OptionButton*>(other.get());
        if (option && option != this && option->container() == container() && option->value_) {
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
