#include "platform/runtime.h"

#include <algorithm>
#include <exception>

#include "platform/ui/controls.h"
#include "platform/ui/keys.h"

namespace platform {

using ui::Control;
using ui::EventSource;
using ui::Form;

namespace {
EventSource FormEvent(const Form& form, std::string_view event) { return {&form, nullptr, nullptr, event}; }
EventSource ControlEvent(const Control& control, std::string_view event) {
    return {&control.form(), &control, nullptr, event};
}
}  // namespace

Runtime::Runtime(Services services, WindowSystem& windows, basic::ProgramFolder folder)
    : services_(services), windows_(windows), folder_(std::move(folder)) {
    windows_.attach(*this);
}

// --- the exception barrier

bool Runtime::raise(const EventSource& source, const std::function<void()>& handler) {
    if (!handler) return true;
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        reportFailure(source, error.what());
    } catch (...) {
        reportFailure(source, "an error of unknown kind");
    }
    return false;
}

void Runtime::reportFailure(const EventSource& source, const std::string& reason) {
    // The failed action may have left the busy pointer on: nothing would end it.
    try {
        services_.display.SetBusyPointer(false);
        services_.dialogs.ReportFailure({source.handlerName(), reason});
    } catch (...) {
        // The report itself failed: the program still goes on.
    }
}

// --- measures

ui::TextExtent Runtime::measureText(const ui::Font& font, std::string_view text) {
    return windows_.measureText(font, text);
}

ui::FrameMetrics Runtime::frameMetrics() const { return windows_.frameMetrics(); }

ui::TextExtent Runtime::maximizedSize(const Form& form) { return windows_.maximizedSize(form); }

// --- loading, showing, unloading

void Runtime::load(Form& form) {
    if (form.isLoaded() || ended_) return;
    form.setLoaded(true);
    loaded_.push_back(&form);
    raise(FormEvent(form, "Load"), form.onLoad);
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
    // A dialog opens with the focus on its first control in tab order that
    // can take it, unless its code put the focus somewhere already; the
    // screen would otherwise pick one on its own.
    if (form.isLoaded() && (!focus_ || &focus_->form() != &form)) setFocus(form);
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
    // A question handler that fails keeps the window: what it holds is not lost.
    if (form.onQueryUnload && !raise(FormEvent(form, "QueryUnload"), [&] { form.onQueryUnload(cancel, mode); }))
        cancel = true;
    if (cancel) return false;
    if (form.onUnload && !raise(FormEvent(form, "Unload"), [&] { form.onUnload(cancel); })) cancel = true;
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
    if (previous) raise(FormEvent(*previous, "Deactivate"), previous->onDeactivate);
    if (form.isLoaded()) raise(FormEvent(form, "Activate"), form.onActivate);
}

void Runtime::userActivated(Form& form) {
    if (!form.isLoaded() || !form.Visible()) return;
    // While a modal window is open the others cannot become active.
    for (Form* f : loaded_)
        if (f->isModal() && f != &form && f->Visible()) return;
    activate(form);
}

// --- focus

namespace {
bool CanTakeFocus(const Control& c) { return c.canHoldFocus() && c.effectivelyVisible() && c.effectivelyEnabled(); }

bool IsWithin(const Control& c, const Control& container) {
    for (const Control* up = c.container(); up; up = up->container())
        if (up == &container) return true;
    return false;
}

// Where the focus given to a panel or frame goes: the first of its controls in tab order that takes it.
Control* FirstTabStopWithin(const Control& container) {
    Control* first = nullptr;
    for (const auto& c : container.form().controls())
        if (CanTakeFocus(*c) && c->TabStop() && IsWithin(*c, container) &&
            (!first || c->TabIndex() < first->TabIndex()))
            first = c.get();
    return first;
}
}  // namespace

void Runtime::setFocus(Control& control) {
    if (!control.form().isLoaded()) return;
    if (!control.canHoldFocus()) {
        if (Control* first = FirstTabStopWithin(control); first && control.effectivelyVisible()) setFocus(*first);
        return;
    }
    if (!CanTakeFocus(control)) return;
    userFocused(control);
    // Its GotFocus may have sent the focus on elsewhere; the screen follows the last word.
    if (focus_ == &control) windows_.focusControl(control);
}

void Runtime::userFocused(Control& control) {
    if (focus_ == &control) return;
    Control* previous = focus_;
    focus_ = &control;
    if (previous) raise(ControlEvent(*previous, "LostFocus"), previous->onLostFocus);
    if (focus_ == &control) raise(ControlEvent(control, "GotFocus"), control.onGotFocus);
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
    if (previous) raise(ControlEvent(*previous, "LostFocus"), previous->onLostFocus);
    raise(FormEvent(form, "GotFocus"), form.onGotFocus);
}

void Runtime::popupMenu(Form& form, ui::Menu& menu) { windows_.popupMenu(form, menu); }

void Runtime::doEvents() { windows_.doEvents(); }

// --- the user's input

void Runtime::userClick(Control& control) {
    if (!control.effectivelyVisible() || !control.effectivelyEnabled()) return;
    if (control.canHoldFocus()) userFocused(control);
    // A focus handler may have disabled or hidden the control: no click then.
    if (!control.effectivelyVisible() || !control.effectivelyEnabled()) return;
    // An option is chosen by the click, which its choosing raises.
    if (auto* option = dynamic_cast<ui::OptionButton*>(&control)) {
        option->setValue(true);
        return;
    }
    // A check box's click turns it over, which raises its Click.
    if (auto* box = dynamic_cast<ui::CheckBox*>(&control)) {
        box->setValue(!box->Value());
        return;
    }
    raise(ControlEvent(control, "Click"), control.onClick);
}

void Runtime::userDoubleClick(Control& control) {
    if (!control.effectivelyVisible() || !control.effectivelyEnabled()) return;
    raise(ControlEvent(control, "DblClick"), control.onDblClick);
}

void Runtime::userMenu(ui::Menu& menu) {
    for (ui::Menu* m = &menu; m; m = m->parent())
        if (!m->Enabled()) return;
    raise({&menu.form(), nullptr, &menu, "Click"}, menu.onClick);
}

Control* Runtime::focusIn(Form& form) const { return focus_ && &focus_->form() == &form ? focus_ : nullptr; }

bool Runtime::userKeyDown(Form& form, int keyCode, int shift) {
    Control* target = focusIn(form);
    if ((form.KeyPreview() || !target) && form.onKeyDown) {
        raise(FormEvent(form, "KeyDown"), [&] { form.onKeyDown(keyCode, shift); });
        if (keyCode == 0) return true;
    }
    if (target && target->onKeyDown) {
        raise(ControlEvent(*target, "KeyDown"), [&] { target->onKeyDown(keyCode, shift); });
        if (keyCode == 0) return true;
    }
    if (!form.isLoaded()) return false;
    // F1 no handler took: the window's own help topic, when it has one.
    if (keyCode == ui::keys::F1 && form.HelpContextID() != 0 && !helpFile_.empty()) {
        services_.help.ShowHelp({helpFile_, HelpCommand::Topic, form.HelpContextID()});
        return true;
    }
    if (shift != 0) return false;
    target = focusIn(form);
    if (target && target->takesKey(keyCode)) return false;
    auto press = [&](auto isWanted) {
        for (const auto& c : form.controls()) {
            auto* button = dynamic_cast<ui::CommandButton*>(c.get());
            if (button && isWanted(*button) && button->effectivelyVisible() && button->effectivelyEnabled()) {
                // The key presses the button where it is; the focus stays put.
                raise(ControlEvent(*button, "Click"), button->onClick);
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
        // In a folder list Enter opens the marked folder, as a double click does.
        if (auto* folders = dynamic_cast<ui::DirListBox*>(target)) {
            folders->userOpenedFolder(folders->ListIndex());
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
        raise(FormEvent(form, "KeyPress"), [&] { form.onKeyPress(keyAscii); });
        if (keyAscii == 0) return 0;
    }
    if (target && target->onKeyPress) raise(ControlEvent(*target, "KeyPress"), [&] { target->onKeyPress(keyAscii); });
    return keyAscii;
}

void Runtime::userKeyUp(Form& form, int keyCode, int shift) {
    Control* target = focusIn(form);
    if ((form.KeyPreview() || !target) && form.onKeyUp) {
        raise(FormEvent(form, "KeyUp"), [&] { form.onKeyUp(keyCode, shift); });
        if (keyCode == 0) return;
    }
    if (target && target->onKeyUp) raise(ControlEvent(*target, "KeyUp"), [&] { target->onKeyUp(keyCode, shift); });
}

void Runtime::userMouseUp(Form& form, Control* control, int button, int shift, double x, double y) {
    if (control) {
        if (control->effectivelyEnabled() && control->onMouseUp)
            raise(ControlEvent(*control, "MouseUp"), [&] { control->onMouseUp(button, shift, x, y); });
        return;
    }
    if (form.onMouseUp) raise(FormEvent(form, "MouseUp"), [&] { form.onMouseUp(button, shift, x, y); });
}

std::vector<ui::Volume> Runtime::volumes() {
    std::vector<ui::Volume> found = services_.volumes.List(folder_.dir());
    for (ui::Volume& volume : found)
        if (auto at = currentFolders_.find(volume.root); at != currentFolders_.end()) volume.current = at->second;
    return found;
}

void Runtime::setCurrentFolder(const std::filesystem::path& root, const std::filesystem::path& folder) {
    currentFolders_[root] = folder;
}

basic::CalendarDate Runtime::today() {
    // Whole days since 1970, counted down for times before it.
    constexpr long long msPerDay = 24LL * 60 * 60 * 1000;
    const long long ms = services_.clock.Now().count();
    const long long days = ms >= 0 ? ms / msPerDay : -((-ms + msPerDay - 1) / msPerDay);
    return basic::CalendarDate::FromSerial(static_cast<long>(days));
}

bool Runtime::userClose(Form& form) { return unload(form, ui::UnloadMode::CloseBox); }

void Runtime::userResized(Form& form, int width, int height) { form.sizeFromWindow(width, height); }

void Runtime::userMoved(Form& form, int left, int top) { form.positionFromWindow(left, top); }

void Runtime::userChangedState(Form& form, ui::WindowState state) { form.stateFromWindow(state); }

void Runtime::frameChanged() {
    const auto forms = loaded_;
    for (Form* form : forms)
        if (form->isLoaded()) form->raiseResize();
}

}  // namespace platform
