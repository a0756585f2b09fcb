#include "platform/testing/scripted_desktop.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform::testing {

namespace {
// A disabled menu, or a hidden one below the menu bar, cannot be opened.
bool CanBeReached(const ui::Menu& item) {
    for (const ui::Menu* m = &item; m; m = m->parent()) {
        if (!m->Enabled()) return false;
        if (!m->Visible() && m->parent()) return false;
    }
    return true;
}
}  // namespace

void ChooseMenu(Runtime& runtime, ui::Form& form, const std::string& itemName, int index) {
    ui::Menu* item = form.findMenu(itemName, index);
    if (!item) {
        ADD_FAILURE() << form.name() << " has no menu item " << itemName;
        return;
    }
    if (!CanBeReached(*item)) {
        ADD_FAILURE() << "menu item " << itemName << " cannot be reached";
        return;
    }
    std::vector<ui::Menu*> path;
    for (ui::Menu* m = item; m; m = m->parent()) path.insert(path.begin(), m);
    for (ui::Menu* m : path) runtime.userMenu(*m);
}

}  // namespace platform::testing
