#include "platform/ui/list_box.h"

#include "platform/ui/design_row.h"

namespace ui {

void ListBox::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    setSorted(row.flags & design::Sorted);
    setShownLength(row.shownLength);
}

void ListBox::AddItem(std::string item, int at) {
    items_.add(std::move(item), at, sorted_);
    changed(Property::Items);
}

void ListBox::RemoveItem(int at) {
    if (items_.remove(at)) changed(Property::Items);
}

void ListBox::Clear() {
    items_.clear();
    changed(Property::Items);
}

void ListBox::setListIndex(int at) {
    const int was = items_.chosen();
    items_.choose(at);
    if (items_.chosen() != was) changed(Property::Selection);
    if (items_.chosen() >= 0) raise("Click", onClick);
}

}  // namespace ui
