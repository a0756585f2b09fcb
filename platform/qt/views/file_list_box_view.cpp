// A file list: the model's file names, its chosen one highlighted. Choices
// and double clicks go to the runtime as the model's Click and DblClick.
#include "platform/qt/qt_style.h"
#include "platform/qt/views/choice_list.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/file_list_box.h"

namespace platform::qt {

namespace {

class FileListBoxView final : public ControlView {
public:
    FileListBoxView(Runtime& runtime, ui::FileListBox& box, QWidget& parent)
        : ControlView(runtime, box, *new ChoiceList(&parent)), box_(box) {
        ChoiceList& entries = list();
        watchMouseOf(*entries.viewport());
        entries.onChosen = [this](int row) {
            report([&](Runtime& input) { input.userChose(box_, row); }, [this] { applySelection(); });
        };
        connect(&entries, &QListWidget::itemDoubleClicked, this, [this] {
            if (Runtime* input = this->runtime()) input->userDoubleClick(box_);
        });
    }

private:
    ChoiceList& list() const { return static_cast<ChoiceList&>(widget()); }

    void applyItems() override { list().showEntries(box_.items(), box_.ListIndex()); }
    void applySelection() override { list().showChoice(box_.ListIndex()); }
    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    ui::FileListBox& box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeFileListBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<FileListBoxView>(runtime, static_cast<ui::FileListBox&>(control), parent);
}

}  // namespace platform::qt
