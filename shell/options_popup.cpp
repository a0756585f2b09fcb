#include "shell/options_popup.h"

namespace shell {

namespace {

constexpr int RightButton = 2;

std::function<void(int, int, double, double)> OnRightButton(const PopUp& popUp) {
    return [popUp](int button, int, double, double) {
        if (button == RightButton) popUp();
    };
}

}  // namespace

void PopUpOnRightButton(ui::Form& window, const PopUp& popUp) { window.onMouseUp = OnRightButton(popUp); }

void PopUpOnRightButton(std::initializer_list<ui::Control*> controls, const PopUp& popUp) {
    for (ui::Control* control : controls) control->onMouseUp = OnRightButton(popUp);
}

PopUp PopUpMenu(ui::Form& form, ui::Menu& options) {
    return [&form, &options] { form.PopupMenu(options); };
}

}  // namespace shell
