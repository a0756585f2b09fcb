#pragma once
// A list of entries with one chosen, for every kind of list box: the model's
// entries in its order, its chosen one highlighted. The user's choices go to
// the runtime, which may refuse them; double clicks are the model's DblClick.
#include <string>
#include <vector>

#include "platform/qt/qt_style.h"
#include "platform/qt/views/choice_list.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/list_items.h"

namespace platform::qt {

// The entries as a box shows them: a kind without a shown length (a file
// list) shows them whole.
template <class Box>
std::vector<std::string> EntriesShownBy(const Box& box) {
    if constexpr (requires { box.ShownLength(); }) return ui::EntriesAsShown(box.items(), box.ShownLength());
    else return box.items();
}

template <class Box>
class ChoiceListView final : public ControlView {
public:
    ChoiceListView(Runtime& runtime, Box& box, QWidget& parent)
        : ControlView(runtime, box, *new ChoiceList(&parent)), box_(box) {
        ChoiceList& entries = list();
        watchMouseOf(*entries.viewport());
        // A disabled box, or a focus handler that disabled it, keeps the old choice.
        entries.onChosen = [this](int row) { report([&] { box_.userChose(row); }, [this] { applySelection(); }); };
        connect(&entries, &QListWidget::itemDoubleClicked, this, [this] {
            if (Runtime* input = this->runtime()) input->userDoubleClick(box_);
        });
    }

private:
    ChoiceList& list() const { return static_cast<ChoiceList&>(widget()); }

    void applyItems() override { list().showEntries(EntriesShownBy(box_), box_.ListIndex()); }
    void applySelection() override { list().showChoice(box_.ListIndex()); }
    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    Box& box_;
};

}  // namespace platform::qt
