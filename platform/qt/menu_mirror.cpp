#include "platform/qt/menu_mirror.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/qt_text.h"
#include "platform/ui/caption.h"

namespace platform::qt {

MenuMirror::MenuMirror(Handler onOpen, Handler onChoose) : onOpen_(std::move(onOpen)), onChoose_(std::move(onChoose)) {}

void MenuMirror::fillMenuBar(QMenuBar& bar, const std::vector<std::unique_ptr<ui::Menu>>& menus) {
    for (const auto& menu : menus) {
        QAction* action = nullptr;
        if (menu->items().empty()) {
            // A top-level menu without items acts like a command.
            action = bar.addAction(QString());
            if (onChoose_) {
                ui::Menu* item = menu.get();
                QObject::connect(action, &QAction::triggered, action, [this, item] { onChoose_(*item); });
            }
        } else {
            auto* qmenu = new QMenu(&bar);
            fillMenu(*qmenu, *menu);
            watchOpening(*qmenu, *menu);
            action = bar.addMenu(qmenu);
        }
        remember(action, *menu);
    }
}

void MenuMirror::fillMenu(QMenu& target, ui::Menu& menu) {
    for (const auto& item : menu.items()) addTo(target, *item);
}

QAction* MenuMirror::addTo(QMenu& target, ui::Menu& item) {
    QAction* action = nullptr;
    if (!item.items().empty()) {
        auto* submenu = new QMenu(&target);
        fillMenu(*submenu, item);
        watchOpening(*submenu, item);
        action = target.addMenu(submenu);
    } else {
        action = target.addAction(QString());
        if (onChoose_) {
            ui::Menu* chosen = &item;
            QObject::connect(action, &QAction::triggered, action, [this, chosen] { onChoose_(*chosen); });
        }
    }
    remember(action, item);
    return action;
}

void MenuMirror::watchOpening(QMenu& qmenu, ui::Menu& menu) {
    ui::Menu* opened = &menu;
    QObject::connect(&qmenu, &QMenu::aboutToShow, &qmenu, [this, opened] {
        if (onOpen_) onOpen_(*opened);
    });
}

void MenuMirror::remember(QAction* action, ui::Menu& item) {
    actions_[&item] = action;
    items_[action] = &item;
    update(item);
}

void MenuMirror::update(ui::Menu& menu) {
    const auto found = actions_.find(&menu);
    if (found == actions_.end()) return;
    QAction* action = found->second;
    action->setSeparator(menu.isSeparator());
    QString text = menu.isSeparator() ? QString() : ToQt(menu.Caption());
    // The menu bar keeps the access keys of hidden titles too: a hidden title
    // shows without one, so that its key goes to what else marks it.
    if (!menu.parent() && !menu.Visible()) text = ToQt(ui::CaptionAsShown(menu.Caption())).replace('&', "&&");
    action->setText(text);
    // Only a checked item shows a check box, as the desktop's menus do.
    action->setCheckable(menu.Checked());
    action->setChecked(menu.Checked());
    action->setEnabled(menu.Enabled());
    action->setVisible(menu.Visible());
}

ui::Menu* MenuMirror::itemOf(const QAction* action) const {
    const auto found = items_.find(action);
    return found == items_.end() ? nullptr : found->second;
}

}  // namespace platform::qt
