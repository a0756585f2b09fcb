#pragma once
#include <functional>
#include <initializer_list>
#include <ranges>

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"

namespace shell {

// What a window does when the user asks for its Options menu with the
// right mouse button: pop it up at the pointer, or a window's own procedure.
using PopUp = std::function<void()>;

// The right mouse button released over the window's background, or over
// one of the controls, runs popUp; the other buttons do nothing.
void PopUpOnRightButton(ui::Form& window, const PopUp& popUp);
void PopUpOnRightButton(std::initializer_list<ui::Control*> controls, const PopUp& popUp);
template <std::ranges::range Array>
void PopUpOnRightButton(const Array& controls, const PopUp& popUp) {
    for (ui::Control* control : controls) PopUpOnRightButton({control}, popUp);
}

// Pops up the menu as it is; opening it this way runs its own opening, as
// the menu bar does.
PopUp PopUpMenu(ui::Form& form, ui::Menu& options);

}  // namespace shell
