#pragma once
#include <string>
#include <string_view>

namespace ui {

class Form;
class Control;
class Menu;

// Whose handler an event runs, so that a failing one can be named: the
// form, and the control or menu item when it is theirs.
struct EventSource {
    const Form* form = nullptr;
    const Control* control = nullptr;
    const Menu* menu = nullptr;
    std::string_view event;

    // The handler's name as the window's code spells it: "Startfrm.Form_Load",
    // "Startfrm.SSCommand1(2)_Click", "Startfrm.mOPF_Click".
    std::string handlerName() const;
};

}  // namespace ui
