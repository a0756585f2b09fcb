// A folder list: each folder indented by its depth below the drive's root.
// A press or an arrow key marks a folder; a double click opens it through
// the runtime (as Enter does, which the runtime hears first).
#include <QListWidget>
#include <string>
#include <vector>

#include "platform/qt/qt_style.h"
#include "platform/qt/views/choice_list.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/dir_list_box.h"

namespace platform::qt {

namespace {

class DirListBoxView final : public ControlView {
public:
    DirListBoxView(Runtime& runtime, ui::DirListBox& box, QWidget& parent)
        : ControlView(runtime, box, *new ChoiceList(&parent)), box_(box) {
        ChoiceList& entries = list();
        watchMouseOf(*entries.viewport());
        entries.onChosen = [this](int row) { report([&] { box_.userChose(row); }, [this] { applySelection(); }); };
        connect(&entries, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            const int row = list().row(item);
            report([&] { box_.userOpenedFolder(row); }, [] {});
        });
    }

private:
    ChoiceList& list() const { return static_cast<ChoiceList&>(widget()); }

    void applyItems() override {
        std::vector<std::string> shown;
        for (int i = 0; i < box_.ListCount(); ++i)
            shown.push_back(std::string(2 * static_cast<std::size_t>(box_.Level(i)), ' ') + box_.EntryName(i));
        list().showEntries(shown, box_.ListIndex());
    }
    void applySelection() override { list().showChoice(box_.ListIndex()); }
    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    ui::DirListBox& box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeDirListBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<DirListBoxView>(runtime, static_cast<ui::DirListBox&>(control), parent);
}

}  // namespace platform::qt
