#pragma once
#include "platform/ui/control.h"

namespace ui {

// A raised 3D panel or a captioned frame; both hold other controls.
class Panel : public Control {
public:
    Panel(Form& f, std::string name, int index, Control* container, ControlKind kind = ControlKind::Panel)
        : Control(f, kind, std::move(name), index, container) {}
};

class Frame : public Panel {
public:
    Frame(Form& f, std::string name, int index, Control* container)
        : Panel(f, std::move(name), index, container, ControlKind::Frame) {}
};

}  // namespace ui
