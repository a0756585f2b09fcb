#include "platform/ui/command_button.h"

#include "platform/ui/design_row.h"

namespace ui {

void CommandButton::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    setDefault(row.flags & design::DefaultButton);
    setCancel(row.flags & design::CancelButton);
}

}  // namespace ui
