#pragma once
#include <functional>
#include <string>
#include <vector>

#include "shopping/store/list_line.h"

namespace shopping {

// The two screens that open over the shopping list; None while neither is open.
enum class SelectScreen { None, QuickSelect, RecipeSelect };

// What the Quick Select and Recipe Select screens need of the shopping list
// window that carries them. The window fills every member before a screen
// is used; the screens never touch the window's other controls or menus.
struct SelectHost {
    // Appends the entries to the list in their order, as they are (an item
    // already on the list is added again, the master item list is not
    // consulted), marks the list changed and refills the grid. The list
    // holds at most MaxListLines lines: the window stops at the first entry
    // it refuses and tells the user. Returns how many entries it added.
    std::function<int(const std::vector<ListEntry>& entries)> addEntries;
    // A screen was shown or hidden. Shown: the window gives the screen's
    // menu item its check mark, disables the other screen's item and the
    // list menus, and for Recipe Select enables "Select Cook&book". Hidden:
    // the opposite, the list menus by the window's own rules.
    std::function<void(SelectScreen screen, bool shown)> screenShown;
    // The user clicked a box or a button of a screen: the trip date picker closes.
    std::function<void()> hideDatePicker;
    // The text of status bar panel 1.
    std::function<void(const std::string& text)> showStatus;
};

}  // namespace shopping
