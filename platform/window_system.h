#pragma once
#include <string_view>

#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/units.h"

namespace platform {

class Runtime;

// The front end that puts forms on a screen (the real one, or none in tests).
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The runtime that the user's input goes to; it attaches itself.
    virtual void attach(Runtime& runtime) = 0;

    // Creates the real window if need be, shows it and brings it to the front.
    virtual void showForm(ui::Form& form) = 0;
    virtual void hideForm(ui::Form& form) = 0;
    // The form was unloaded: its real window goes away.
    virtual void destroyForm(ui::Form& form) = 0;
    // Shows the form modally; returns once it is hidden or unloaded.
    virtual void runModal(ui::Form& form) = 0;
    // Runs pending window events.
    virtual void doEvents() = 0;
    // Shows a popup menu at the mouse and returns when it closes (the chosen
    // item's click already ran).
    virtual void popupMenu(ui::Form& form, ui::Menu& menu) = 0;
    // The program gave a control the focus.
    virtual void focusControl(ui::Control& control) = 0;
    // Outer size of a maximised window, in twips.
    virtual ui::TextExtent maximizedSize(const ui::Form& form) = 0;
    virtual ui::TextExtent measureText(const ui::Font& font, std::string_view text) = 0;
    virtual ui::FrameMetrics frameMetrics() const { return {}; }
    // The program ends: leave the main loop.
    virtual void quit() = 0;
};

}  // namespace platform
