#pragma once
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/basic/calendar_date.h"
#include "platform/ui/event_source.h"
#include "platform/ui/font.h"
#include "platform/ui/print_document.h"
#include "platform/ui/units.h"
#include "platform/ui/volume.h"
#include "platform/ui/window_types.h"

namespace ui {

class Control;
class Form;
class Menu;

// What a form asks of the program that runs it: measures, focus, showing
// and unloading, and raising its events. The runtime is that program; the
// forms know it only through this.
class FormHost {
public:
    virtual TextExtent measureText(const Font& font, std::string_view text) = 0;
    virtual FrameMetrics frameMetrics() const = 0;
    // Outer size of the form maximised on its screen.
    virtual TextExtent maximizedSize(const Form& form) = 0;

    virtual Control* focusedControl() const = 0;
    virtual void setFocus(Control& control) = 0;
    virtual void setFocus(Form& form) = 0;
    // The user's hand moved the focus to the control (the screen shows it
    // there already): LostFocus and GotFocus, as their handlers allow.
    virtual void userFocused(Control& control) = 0;

    virtual void show(Form& form) = 0;
    virtual void showModal(Form& form) = 0;
    virtual void hide(Form& form) = 0;
    virtual bool unload(Form& form, UnloadMode mode) = 0;
    virtual void popupMenu(Form& form, Menu& menu) = 0;
    // The form object is going away.
    virtual void forget(Form& form) = 0;

    // The volumes the user can save to, the program's own first, each with
    // the folder last current on it.
    virtual std::vector<Volume> volumes() = 0;
    // How the printer measures: documents are laid out by it.
    virtual const PrintMetrics& printMetrics() = 0;
    // Remembers folder as the current one of the volume of that root while the program runs.
    virtual void setCurrentFolder(const std::filesystem::path& root, const std::filesystem::path& folder) = 0;
    // Today's date by the program's clock.
    virtual basic::CalendarDate today() = 0;

    // Runs one event handler. A handler that fails is reported and the
    // program goes on; returns false then.
    virtual bool raise(const EventSource& source, const std::function<void()>& handler) = 0;

protected:
    ~FormHost() = default;
};

}  // namespace ui
