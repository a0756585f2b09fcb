#include "platform/ui/event_source.h"

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"

namespace ui {

std::string EventSource::handlerName() const {
    std::string name;
    if (form) name = form->name() + ".";
    if (control) {
        name += control->name();
        if (control->index() >= 0) name += "(" + std::to_string(control->index()) + ")";
    } else if (menu) {
        name += menu->name();
        if (menu->index() >= 0) name += "(" + std::to_string(menu->index()) + ")";
    } else {
        name += "Form";
    }
    name += "_";
    name += event;
    return name;
}

}  // namespace ui
