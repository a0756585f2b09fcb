#pragma once
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ui/menu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace platform::qt {

// Qt actions and menus standing for a tree of model menus, kept up to date
// with them. Opening a menu and choosing an item are handed to callbacks.
class MenuMirror {
public:
    using Handler = std::function<void(ui::Menu&)>;
    // Without onChoose, a chosen action is only reported by the menu's exec().
    MenuMirror(Handler onOpen, Handler onChoose);

    // The form's top-level menus, in order.
    void fillMenuBar(QMenuBar& bar, const std::vector<std::unique_ptr<ui::Menu>>& menus);
    // The items of one menu, as a popup shows them.
    void fillMenu(QMenu& target, ui::Menu& menu);

    // Refreshes the caption, check mark, enabled and visible state of one item.
    void update(ui::Menu& menu);
    bool mirrors(const ui::Menu& menu) const { return actions_.count(&menu) != 0; }
    ui::Menu* itemOf(const QAction* action) const;

private:
    QAction* addTo(QMenu& target, ui::Menu& item);
    void remember(QAction* action, ui::Menu& item);
    void watchOpening(QMenu& qmenu, ui::Menu& menu);

    Handler onOpen_;
    Handler onChoose_;
    std::unordered_map<const ui::Menu*, QAction*> actions_;
    std::unordered_map<const QAction*, ui::Menu*> items_;
};

}  // namespace platform::qt
