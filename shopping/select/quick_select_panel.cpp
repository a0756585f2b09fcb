// The Quick Select screen: tick common items, leave with or without adding them.
#include "shopping/select/quick_select_panel.h"

#include <algorithm>

#include "platform/basic/text.h"
#include "shell/application.h"
#include "shell/hinfo1.h"

namespace shopping {

QuickSelectPanel::QuickSelectPanel(shell::Application& app, ui::Form& window, const SelectPanelDesign& design,
                                   SelectHost host)
    : app_(app), host_(std::move(host)) {
    // The window built the screen's rows among its own; the same rows bind them here.
    int tab = 0;
    ui::design::BindBuilt(window, *this, QuickSelectRows(design, tab));
}

void QuickSelectPanel::mOSel_Click() {
    if (!open_) {
        open_ = true;
        SSPanel1->setVisible(true);
        host_.screenShown(SelectScreen::QuickSelect, true);
        Command1[LeaveQuickSelectButton]->SetFocus();
        return;
    }
    open_ = false;
    host_.screenShown(SelectScreen::QuickSelect, false);
    SSPanel1->setVisible(false);
}

void QuickSelectPanel::ClearSelections() {
    for (ui::CheckBox* box : SSCheck1) box->setValue(false);
}

void QuickSelectPanel::AddQuickSelections() {
    shell::BeginWait(app_);
    std::vector<ui::CheckBox*> ticked;
    std::vector<ListEntry> entries;
    for (ui::CheckBox* box : SSCheck1) {
        if (!box->Value()) continue;
        ticked.push_back(box);
        entries.push_back({basic::LTrim(box->Caption()), ""});
    }
    // Items the full list refused keep their ticks, for another try.
    const int added = entries.empty() ? 0 : host_.addEntries(entries);
    for (std::size_t i = 0; i < ticked.size() && static_cast<int>(i) < added; ++i) ticked[i]->setValue(false);
    SSPanel1->setVisible(false);
    shell::EndWait(app_);
}

void QuickSelectPanel::SSCheck1_Click(int /*index*/) {
    host_.hideDatePicker();
    enableAdding();
}

void QuickSelectPanel::enableAdding() {
    const bool any = std::any_of(SSCheck1.begin(), SSCheck1.end(), [](const ui::CheckBox* b) { return b->Value(); });
    Command1[AddQuickSelectionsButton]->setEnabled(any);
}

void QuickSelectPanel::Command1_Click(int index) {
    host_.hideDatePicker();
    if (index == AddQuickSelectionsButton) AddQuickSelections();
    mOSel_Click();
}

}  // namespace shopping
