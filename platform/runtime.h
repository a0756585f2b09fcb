#pragma once
#include <vector>

#include "platform/basic/program_folder.h"
#include "platform/services.h"
#include "platform/window_system.h"

namespace platform {

// The running program's side of the desktop: which forms are loaded, which
// one is active, where the focus is, and how user input becomes events.
// Front ends and test drivers report input through the user* functions.
class Runtime {
public:
    Runtime(Services& services, WindowSystem& windows, basic::ProgramFolder folder);

    Services& services() { return services_; }
    WindowSystem& windows() { return windows_; }
    const basic::ProgramFolder& folder() const { return folder_; }

    // --- what a window's code asks
    void load(ui::Form& form);
    void show(ui::Form& form);
    void showModal(ui::Form& form);
    void hide(ui::Form& form);
    bool unload(ui::Form& form, ui::UnloadMode mode = ui::UnloadMode::Code);
    void setFocus(ui::Control& control);
    void setFocus(ui::Form& form);
    void popupMenu(ui::Form& form, ui::Menu& menu);
    void doEvents();
    // Ends the program at once: every form goes without its unload questions.
    void end();
    bool ended() const { return ended_; }

    ui::Form* activeForm() const { return active_; }
    ui::Control* focusedControl() const { return focus_; }
    const std::vector<ui::Form*>& loadedForms() const { return loaded_; }

    // --- what the user does (front end or test driver)
    // A window of the program became the active one.
    void userActivated(ui::Form& form);
    // The focus moved to a control by the user's hand.
    void userFocused(ui::Control& control);
    // A mouse click: focus first (a focus handler may disable the control
    // and so cancel the click), then the click.
    void userClick(ui::Control& control);
    void userDoubleClick(ui::Control& control);
    // Opens a menu or chooses an item (disabled ones do nothing).
    void userMenu(ui::Menu& menu);
    // A key went down; returns true when a handler swallowed it or it pressed
    // the default or cancel button.
    bool userKeyDown(ui::Form& form, int keyCode, int shift);
    // A character typed; returns the character to use, 0 when swallowed.
    int userKeyPress(ui::Form& form, int keyAscii);
    void userKeyUp(ui::Form& form, int keyCode, int shift);
    void userMouseUp(ui::Form& form, ui::Control* control, int button, int shift, double x, double y);
    // The close box: returns false when the window refused to close.
    bool userClose(ui::Form& form);

    // A form object is going away (its destructor).
    void forget(ui::Form& form);

private:
    void activate(ui::Form& form);
    ui::Control* focusIn(ui::Form& form) const;

    Services& services_;
    WindowSystem& windows_;
    basic::ProgramFolder folder_;
    std::vector<ui::Form*> loaded_;
    ui::Form* active_ = nullptr;
    ui::Control* focus_ = nullptr;
    bool ended_ = false;
};

}  // namespace platform
