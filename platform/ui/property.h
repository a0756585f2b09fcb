#pragma once

namespace ui {

class Form;
class Control;
class Menu;

// What changed, so that a front end refreshes only that.
enum class Property {
    Geometry,
    Caption,
    Text,
    Visible,
    Enabled,
    BackColor,
    ForeColor,
    Font,
    Picture,
    Value,
    Items,
    Selection,
    WindowState,
    Focus,
    Style,
    DropDown,  // a list was asked to open: a request, not a state
};

// A front end listens to the forms it shows through this interface.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void formChanged(Form& form, Property what) = 0;
    virtual void controlChanged(Control& control, Property what) = 0;
    virtual void menuChanged(Menu& menu) = 0;
};

}  // namespace ui
