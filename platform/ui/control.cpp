#include "platform/ui/control.h"

#include "platform/ui/design_row.h"
#include "platform/ui/form.h"

namespace ui {

Control::Control(Form& form, ControlKind kind, std::string name, int index, Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), container_(container) {
    if (container_) container_->children_.push_back(this);
}

void Control::applyDesign(const design::ControlRow& row) {
    Move(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
    setCaption(row.caption);
    if (row.font) setFont(*row.font);
    if (row.foreColor) setForeColor(*row.foreColor);
    if (row.backColor) setBackColor(*row.backColor);
    setTabIndex(row.tabIndex);
    if (*row.accessibleName) setAccessibleName(row.accessibleName);
    if (row.flags & design::Hidden) setVisible(false);
    if (row.flags & design::Disabled) setEnabled(false);
}

void Control::Move(int left, int top, int width, int height) {
    adjustSize(width, height);
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Property::Geometry);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (!v && form_.host().focusedControl() == this) form_.host().setFocus(form_);
    changed(Property::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Property::Enabled);
}

bool Control::effectivelyVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

void Control::setCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    changed(Property::Caption);
    textChanged();
}

void Control::setBackColor(OleColor v) {
    if (v == backColor_) return;
    backColor_ = v;
    changed(Property::BackColor);
}

void Control::setForeColor(OleColor v) {
    if (v == foreColor_) return;
    foreColor_ = v;
    changed(Property::ForeColor);
}

void Control::setFont(const Font& v) {
    if (v == font_) return;
    font_ = v;
    changed(Property::Font);
    textChanged();
}

void Control::SetFocus() { form_.host().setFocus(*this); }

void Control::changed(Property what) { form_.notifyControl(*this, what); }

bool Control::raise(std::string_view event, const std::function<void()>& handler) {
    return !handler || form_.host().raise({&form_, this, nullptr, event}, handler);
}

bool Control::focusByUser() {
    if (!usable()) return false;
    form_.host().userFocused(*this);
    return usable();
}

}  // namespace ui
