#include "platform/ui/list_items.h"

#include <algorithm>

#include "platform/basic/text.h"

namespace ui {

std::string EntryAsShown(std::string_view entry, int shownLength) {
    if (shownLength <= 0) return std::string(entry);
    return basic::RTrim(entry.substr(0, static_cast<std::size_t>(shownLength)));
}

std::vector<std::string> EntriesAsShown(const std::vector<std::string>& entries, int shownLength) {
    if (shownLength <= 0) return entries;
    std::vector<std::string> shown;
    shown.reserve(entries.size());
    for (const std::string& entry : entries) shown.push_back(EntryAsShown(entry, shownLength));
    return shown;
}

int ListItems::add(std::string item, int at, bool sorted) {
    std::vector<std::string>::iterator where;
    if (sorted)
        where = std::upper_bound(items_.begin(), items_.end(), item,
                                 [](const std::string& a, const std::string& b) { return basic::LessNoCase(a, b); });
    else if (at >= 0 && at < count()) where = items_.begin() + at;
    else where = items_.end();
    // Inserting may move the entries: begin() is read only after it.
    const auto inserted = items_.insert(where, std::move(item));
    const int placed = static_cast<int>(inserted - items_.begin());
    if (chosen_ >= placed) ++chosen_;
    return placed;
}

bool ListItems::remove(int at) {
    if (!valid(at)) return false;
    items_.erase(items_.begin() + at);
    if (chosen_ == at) chosen_ = -1;
    else if (chosen_ > at) --chosen_;
    return true;
}

const std::string& ListItems::at(int at) const {
    static const std::string none;
    return valid(at) ? items_[static_cast<std::size_t>(at)] : none;
}

int ListItems::find(const std::string& text) const {
    for (int i = 0; i < count(); ++i)
        if (basic::EqualsNoCase(items_[static_cast<std::size_t>(i)], text)) return i;
    return -1;
}

}  // namespace ui
