#include "platform/ui/combo_box.h"

#include "platform/ui/design_row.h"

namespace ui {

void ComboBox::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    setStyle(row.comboStyle);
    setSorted(row.flags & design::Sorted);
    setMaxLength(row.maxLength);
    setShownLength(row.shownLength);
}

void ComboBox::AddItem(std::string item, int at) {
    items_.add(std::move(item), at, sorted_);
    changed(Property::Items);
}

void ComboBox::RemoveItem(int at) {
    const bool chosenGone = items_.chosen() == at;
    if (!items_.remove(at)) return;
    changed(Property::Items);
    // A drop-down list shows only its chosen entry's text: none is left.
    if (chosenGone && style_ == ComboStyle::DropDownList && !text_.empty()) {
        text_.clear();
        changed(Property::Text);
    }
}

void ComboBox::Clear() {
    items_.clear();
    // Only a drop-down list shows nothing but its entries.
    if (style_ == ComboStyle::DropDownList) text_.clear();
    changed(Property::Items);
}

void ComboBox::setListIndex(int at) {
    const int was = items_.chosen();
    items_.choose(at);
    at = items_.chosen();
    const bool moved = at != was;
    const std::string& shown = at < 0 ? std::string() : items_.at(at);
    if (shown != text_) {
        text_ = shown;
        changed(Property::Text);
        if (style_ != ComboStyle::DropDownList) raise("Change", onChange);
    }
    changed(Property::Selection);
    if (moved || at >= 0) raise("Click", onClick);
}

void ComboBox::setText(const std::string& v) {
    if (style_ == ComboStyle::DropDownList) {
        const int at = v.empty() ? -1 : items_.find(v);
        if (at >= 0 || v.empty()) setListIndex(at);
        return;
    }
    if (v == text_) return;
    text_ = v;
    // The entry that reads exactly so stays chosen; typing away from it does not.
    if (items_.chosen() >= 0 && items_.at(items_.chosen()) != text_) {
        items_.choose(-1);
        changed(Property::Selection);
    }
    changed(Property::Text);
    raise("Change", onChange);
}

void ComboBox::userEdited(const std::string& text) {
    if (!effectivelyEnabled() || Style() == ComboStyle::DropDownList) return;
    setText(text);
}

void ComboBox::userChose(int index) {
    if (focusByUser()) setListIndex(index);
}

void ComboBox::userDroppedDown() {
    if (usable()) raise("DropDown", onDropDown);
}

}  // namespace ui
