#pragma once
#include <string_view>

#include "platform/ui/font.h"
#include "platform/ui/form.h"

namespace platform {

// Frame sizes in twips, used to tell a window's inside from its outside.
struct FrameMetrics {
    int border = 60;     // each side
    int caption = 345;   // title bar
    int menuBar = 300;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// The front end that puts forms on a screen (the real one, or none in tests).
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

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
    virtual TextExtent maximizedSize(const ui::Form& form) = 0;
    virtual TextExtent measureText(const ui::Font& font, std::string_view text) = 0;
    virtual FrameMetrics frameMetrics() const { return {}; }
    // The program ends: leave the main loop.
    virtual void quit() = 0;
};

}  // namespace platform
