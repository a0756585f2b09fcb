// A list box: its entries in the model's order, its chosen one highlighted.
#include "platform/qt/views/choice_list_view.h"
#include "platform/ui/list_box.h"

namespace platform::qt {

std::unique_ptr<ControlView> MakeListBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ChoiceListView<ui::ListBox>>(runtime, static_cast<ui::ListBox&>(control), parent);
}

}  // namespace platform::qt
