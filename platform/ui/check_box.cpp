#include "platform/ui/check_box.h"

#include "platform/ui/design_row.h"

namespace ui {

void CheckBox::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    if (row.flags & design::Checked) setValue(true);
}

void CheckBox::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    changed(Property::Value);
    raise("Click", onClick);
}

}  // namespace ui
