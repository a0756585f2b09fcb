#include "platform/ui/text_box.h"

namespace ui {

void TextBox::setText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    changed(Property::Text);
    raise("Change", onChange);
}

}  // namespace ui
