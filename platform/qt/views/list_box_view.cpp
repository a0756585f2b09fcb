// A list box: the model's entries in its order, its chosen one highlighted.
// The user's choices go to the runtime, which may refuse them.
#include "platform/qt/qt_style.h"
#include "platform/qt/views/choice_list.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/list_box.h"

namespace platform::qt {

namespace {

class ListBoxView final : public ControlView {
public:
    ListBoxView(Runtime& runtime, ui::ListBox& box, QWidget& parent)
        : ControlView(runtime, box, *new ChoiceList(&parent)), box_(box) {
        ChoiceList& entries = list();
        watchMouseOf(*entries.viewport());
        entries.onChosen = [this](int row) { userChose(row); };
        connect(&entries, &QListWidget::itemDoubleClicked, this, [this] {
            if (Runtime* input = this->runtime()) input->userDoubleClick(box_);
        });
    }

private:
    ChoiceList& list() const { return static_cast<ChoiceList&>(widget()); }

    void applyItems() override { list().showEntries(box_.items(), box_.ListIndex()); }
    void applySelection() override { list().showChoice(box_.ListIndex()); }
    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    // A disabled box, or a focus handler that disabled it, keeps the old choice.
    void userChose(int row) {
        report([&](Runtime& input) { input.userChose(box_, row); }, [this] { applySelection(); });
    }

    ui::ListBox& box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeListBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ListBoxView>(runtime, static_cast<ui::ListBox&>(control), parent);
}

}  // namespace platform::qt
