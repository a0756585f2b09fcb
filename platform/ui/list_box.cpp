#include "platform/ui/list_box.h"

namespace ui {

void ListBox::AddItem(std::string item, int at) {
    const int placed = items_.add(std::move(item), at, sorted_);
    if (listIndex_ >= placed) ++listIndex_;
    changed(Property::Items);
}

void ListBox::RemoveItem(int at) {
    if (!items_.remove(at)) return;
    if (listIndex_ == at) listIndex_ = -1;
    else if (listIndex_ > at) --listIndex_;
    changed(Property::Items);
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    changed(Property::Items);
}

void ListBox::setListIndex(int at) {
    if (!items_.valid(at)) at = -1;
    const bool moved = at != listIndex_;
    listIndex_ = at;
    if (moved) changed(Property::Selection);
    if (at >= 0) raise("Click", onClick);
}

}  // namespace ui
