#include "platform/ui/menu.h"

#include "platform/ui/form.h"

namespace ui {

Menu::Menu(Form& form, std::string name, std::string caption, int index, Menu* parent)
    : form_(form), name_(std::move(name)), caption_(std::move(caption)), index_(index), parent_(parent) {}

void Menu::setCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    changed();
}

void Menu::setChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    changed();
}

void Menu::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed();
}

void Menu::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed();
}

Menu& Menu::add(std::string name, std::string caption, int index) {
    items_.push_back(std::make_unique<Menu>(form_, std::move(name), std::move(caption), index, this));
    return *items_.back();
}

Menu& Menu::addSeparator(std::string name) { return add(std::move(name), "-"); }

Menu* Menu::find(const std::string& name, int index) {
    for (auto& item : items_) {
        if (item->name_ == name && item->index_ == index) return item.get();
        if (Menu* found = item->find(name, index)) return found;
    }
    return nullptr;
}

void Menu::changed() { form_.notifyMenu(*this); }

}  // namespace ui
