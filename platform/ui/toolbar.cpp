#include "platform/ui/toolbar.h"

#include "platform/ui/design_row.h"

namespace ui {

namespace {
bool IsColumn(Align align) { return align == Align::Left || align == Align::Right; }
bool IsRow(Align align) { return align == Align::Top || align == Align::Bottom; }
}  // namespace

void Toolbar::applyDesign(const design::ControlRow& row) {
    if (row.align) setAlign(*row.align);
    Control::applyDesign(row);
}

void Toolbar::setAlign(Align v) {
    const Align was = align_;
    align_ = v;
    if (IsRow(was) && IsColumn(v)) Move(Left(), Top(), Height(), Height());
    else if (IsColumn(was) && IsRow(v)) Move(Left(), Top(), Width(), Width());
    else changed(Property::Geometry);
}

int Toolbar::addButton(ToolbarButton button) {
    buttons_.push_back(std::move(button));
    changed(Property::Items);
    return ButtonCount();
}

const ToolbarButton& Toolbar::Button(int number) const {
    static const ToolbarButton none;
    return number >= 1 && number <= ButtonCount() ? buttons_[static_cast<std::size_t>(number - 1)] : none;
}

void Toolbar::setButtonEnabled(int number, bool enabled) {
    if (number < 1 || number > ButtonCount()) return;
    buttons_[static_cast<std::size_t>(number - 1)].enabled = enabled;
    changed(Property::Items);
}

void Toolbar::setButtonVisible(int number, bool visible) {
    if (number < 1 || number > ButtonCount()) return;
    buttons_[static_cast<std::size_t>(number - 1)].visible = visible;
    changed(Property::Items);
}

void Toolbar::userPressed(int number) {
    const ToolbarButton& button = Button(number);
    if (!effectivelyVisible() || number < 1 || number > ButtonCount() || !button.enabled || !button.visible ||
        !effectivelyEnabled())
        return;
    raise("ButtonClick", [this, number] {
        if (onButtonClick) onButtonClick(number);
    });
}

}  // namespace ui
