#include "platform/runtime.h"

#include <algorithm>

#include "platform/ui/controls.h"
#include "platform/ui/keys.h"

namespace platform {

using ui::Control;
using ui::Form;

Runtime::Runtime(Services& services, WindowSystem& windows, basic::ProgramFolder folder)
    : services_(services), windows_(windows), folder_(std::move(folder)) {}

void Runtime::load(Form& form) {
    if (form.isLoaded() || ended_) return;
    form.setLoaded(true);
    loaded_.push_back(&form);
    if (form.onLoad) form.onLoad();
}

void Runtime::show(Form& form) {
    load(form);
    if (!form.isLoaded() || ended_) return;
    form.setVisibleFlag(true);
    windows_.showForm(form);
    activate(form);
}

void Runtime::showModal(Form& form) {
    load(form);
    if (!form.isLoaded() || ended_) return;
    Form* previous = active_;
    form.setModalFlag(true);
    form.setVisibleFlag(true);
    activate(form);
    windows_.runModal(form);
    form.setModalFlag(false);
    if (ended_) return;
    if (previous && previous != &form && previous->isLoaded() && previous->Visible()) activate(*previous);
}

void Runtime::hide(Form& form) {
    if (!form.Visible()) return;
    form.setVisibleFlag(false);
    windows_.hideForm(form);
    if (active_ == &form) active_ = nullptr;
}

bool Runtime::unload(Form& form, ui::UnloadMode mode) {
    if (!form.isLoaded()) return true;
    bool cancel = false;
    if (form.onQueryUnload) form.onQueryUnload(cancel, mode);
    if (cancel) return false;
    if (form.onUnload) form.onUnload(cancel);
    if (cancel) return false;
    if (!form.isLoaded()) return true;  // an unload handler may have unloaded it already
    form.setLoaded(false);
    form.setVisibleFlag(false);
    forget(form);
    windows_.destroyForm(form);
    if (loaded_.empty()) end();
    return true;
}

void Runtime::end() {
    if (ended_) return;
    ended_ = true;
    const auto forms = loaded_;
    for (Form* form : forms) {
        form->setLoaded(false);
        form->setVisibleFlag(false);
        windows_.destroyForm(*form);
    }
    loaded_.clear();
    active_ = nullptr;
    focus_ = nullptr;
    windows_.quit();
}

void Runtime::forget(Form& form) {
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
    if (active_ == &form) active_ = nullptr;
    if (focus_ && &focus_->form() == &form) focus_ = nullptr;
}

void Runtime::activate(Form& form) {
    if (active_ == &form) return;
    Form* previous = active_;
    active_ = &form;
    if (previous && previous->onDeactivate) previous->onDeactivate();
    if (form.isLoaded() && form.onActivate) form.onActivate();
}

void Runtime::userActivated(Form& form) {
    if (!form.isLoaded() || !form.Visible()) return;
    // While a modal window is open the others cannot become active.
    for (Form* f : loaded_)
        if (f->isModal() && f != &form && f->Visible()) return;
    activate(form);
}

namespace {
bool CanTakeFocus(const Control& c) {
    return c.canHoldFocus() && c.effectivelyVisible() && c.effectivelyEnabled();
}
}  // namespace

void Runtime::setFocus(Control& control) {
    if (!control.form().isLoaded() || !CanTakeFocus(control)) return;
    userFocused(control);
    windows_.focusControl(control);
}

void Runtime::userFocused(Control& control) {
    if (focus_ == &control) return;
    Control* previous = focus_;
    focus_ = &control;
    if (previous && previous->onLostFocus) previous->onLostFocus();
    if (focus_ == &control && control.onGotFocus) control.onGotFocus();
}

void Runtime::setFocus(Form& form) {
    if (!form.isLoaded()) return;
    Control* first = nullptr;
    for (const auto& c : form.controls())
        if (CanTakeFocus(*c) && (!first || c->TabIndex() < first->TabIndex())) first = c.get();
    if (first) {
        setFocus(*first);
        return;
    }
    Control* previous = focus_;
    focus_ = nullptr;
    if (previous && previous->onLostFocus) previous->onLostFocus();
    if (form.onGotFocus) form.onGotFocus();
}

void Runtime::popupMenu(Form& form, ui::Menu& menu) { windows_.popupMenu(form, menu); }

void Runtime::doEvents() { windows_.doEvents(); }

void Runtime::userClick(Control& control) {
    if (!control.effectivelyVisible() || !control.effectivelyEnabled()) return;
    if (control.canHoldFocus()) userFocused(control);
    // A focus handler may have disabled or hidden the control: no click then.
    if (!control.effectivelyVisible() || !control.effectivelyEnabled()) return;
    if (control.onClick) control.onClick();
}

void Runtime::userDoubleClick(Control& control) {
    if (!control.effectivelyVisible() || !control.effectivelyEnabled()) return;
    if (control.onDblClick) control.onDblClick();
}

void Runtime::userMenu(ui::Menu& menu) {
    for (ui::Menu* m = &menu; m; m = m->parent())
        if (!m->Enabled()) return;
    if (menu.onClick) menu.onClick();
}

Control* Runtime::focusIn(Form& form) const {
    return focus_ && &focus_->form() == &form ? focus_ : nullptr;
}

bool Runtime::userKeyDown(Form& form, int keyCode, int shift) {
    Control* target = focusIn(form);
    if ((form.KeyPreview() || !target) && form.onKeyDown) {
        form.onKeyDown(keyCode, shift);
        if (keyCode == 0) return true;
    }
    if (target && target->onKeyDown) {
        target->onKeyDown(keyCode, shift);
        if (keyCode == 0) return true;
    }
    if (!form.isLoaded() || shift != 0) return false;
    target = focusIn(form);
    auto press = [&](auto isWanted) {
        for (const auto& c : form.controls()) {
            auto* button = dynamic_cast<ui::CommandButton*>(c.get());
            if (button && isWanted(*button) && button->effectivelyVisible() && button->effectivelyEnabled()) {
                // The key presses the button where it is; the focus stays put.
                if (button->onClick) button->onClick();
                return true;
            }
        }
        return false;
    };
    if (keyCode == ui::keys::Return) {
        if (target && target->kind() == ui::ControlKind::CommandButton) {
            userClick(*target);
            return true;
        }
        return press([](const ui::CommandButton& b) { return b.Default(); });
    }
    if (keyCode == ui::keys::Escape) return press([](const ui::CommandButton& b) { return b.Cancel(); });
    return false;
}

int Runtime::userKeyPress(Form& form, int keyAscii) {
    Control* target = focusIn(form);
    if ((form.KeyPreview() || !target) && form.onKeyPress) {
        form.onKeyPress(keyAscii);
        if (keyAscii == 0) return 0;
    }
    if (target && target->onKeyPress) target->onKeyPress(keyAscii);
    return keyAscii;
}

void Runtime::userKeyUp(Form& form, int keyCode, int shift) {
    Control* target = focusIn(form);
    if ((form.KeyPreview() || !target) && form.onKeyUp) {
        form.onKeyUp(keyCode, shift);
        if (keyCode == 0) return;
    }
    if (target && target->onKeyUp) target->onKeyUp(keyCode, shift);
}

void Runtime::userMouseUp(Form& form, Control* control, int button, int shift, double x, double y) {
    if (control) {
        if (control->effectivelyEnabled() && control->onMouseUp) control->onMouseUp(button, shift, x, y);
        return;
    }
    if (form.onMouseUp) form.onMouseUp(button, shift, x, y);
}

bool Runtime::userClose(Form& form) { return unload(form, ui::UnloadMode::CloseBox); }

}  // namespace platform
