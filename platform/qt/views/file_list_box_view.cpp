// A file list: the model's file names, its chosen one highlighted.
#include "platform/qt/views/choice_list_view.h"
#include "platform/ui/file_list_box.h"

namespace platform::qt {

std::unique_ptr<ControlView> MakeFileListBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ChoiceListView<ui::FileListBox>>(runtime, static_cast<ui::FileListBox&>(control), parent);
}

}  // namespace platform::qt
