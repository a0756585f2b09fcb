#include "platform/ui/text_box.h"

#include <algorithm>

#include "platform/ui/design_row.h"

namespace ui {

void TextBox::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    setMultiLine(row.flags & design::MultiLine);
    setLocked(row.flags & design::Locked);
    setMaxLength(row.maxLength);
}

void TextBox::setText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    keepSelectionInText();
    changed(Property::Text);
    raise("Change", onChange);
}

void TextBox::setSelStart(int v) {
    selStart_ = v;
    // A new start drops the selection, as the caret moves there alone.
    selLength_ = 0;
    keepSelectionInText();
    changed(Property::Selection);
}

void TextBox::setSelLength(int v) {
    selLength_ = v;
    keepSelectionInText();
    changed(Property::Selection);
}

void TextBox::keepSelectionInText() {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(selStart_, 0, size);
    selLength_ = std::clamp(selLength_, 0, size - selStart_);
}

void TextBox::userEdited(const std::string& text) {
    if (!effectivelyEnabled() || Locked()) return;
    setText(text);
}

}  // namespace ui
