#include "shopping/store/item_master_list.h"

#include <algorithm>

#include "platform/basic/atomic_write.h"
#include "platform/basic/text.h"
#include "shopping/store/list_line.h"

namespace shopping {

namespace {

std::vector<std::string> Capped(std::vector<std::string> items) {
    if (items.size() > MasterListCapacity) items.resize(MasterListCapacity);
    return items;
}

// Items as the file gives them: trimmed, quotes left out.
std::vector<std::string> Cleaned(std::vector<std::string> items) {
    for (auto& item : items) item = basic::Trim(WithoutQuotes(item));
    return items;
}

}  // namespace

ItemMasterList::ItemMasterList(std::vector<std::string> items) : items_(Capped(std::move(items))) {}

bool ItemMasterList::Holds(std::string_view text) const {
    const std::string wanted = basic::UCase(basic::RTrim(WithoutQuotes(text)));
    // The scan starts at the empty slot before the first item, so a blank
    // text is always held.
    if (wanted.empty()) return true;
    return std::any_of(items_.begin(), items_.end(),
                       [&](const std::string& item) { return basic::UCase(basic::RTrim(item)) == wanted; });
}

MasterCheck ItemMasterList::CheckMasterItem(std::string_view text) {
    return Holds(text) ? MasterCheck::Found : AppendMasterItem(text);
}

MasterCheck ItemMasterList::AppendMasterItem(std::string_view text) {
    const std::string item = WithoutQuotes(text);
    if (items_.size() == 1 && items_.front().empty()) {
        items_.front() = item;
        return MasterCheck::Added;
    }
    if (Count() >= MasterListCapacity) return MasterCheck::Full;
    items_.push_back(item);
    return MasterCheck::Added;
}

bool ItemMasterList::DeleteMasterItem(std::string_view text) {
    if (text.empty()) return false;
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const std::string& item) { return basic::EqualsNoCase(item, text); });
    if (found == items_.end()) return false;
    if (items_.size() == 1) items_.front().clear();
    else items_.erase(found);
    return true;
}

std::vector<std::string> DecodeItemMasterList(std::string_view bytes) {
    return Cleaned(basic::DecodeQuotedItems(bytes));
}

std::string EncodeItemMasterList(const ItemMasterList& list) { return basic::EncodeQuotedLines(list.Items()); }

LoadedMasterList LoadMasterItems(const basic::ProgramFolder& folder) {
    auto file = basic::ReadQuotedLineFile(folder.Resolve(ItemMasterFileName), MaxItemMasterFileBytes);
    if (file.result != basic::FileRead::Read) return {file.result, {}, 0};
    const int leftOut = std::max(0, static_cast<int>(file.items.size()) - MasterListCapacity);
    return {basic::FileRead::Read, ItemMasterList(Cleaned(std::move(file.items))), leftOut};
}

bool WriteMasterItems(const basic::ProgramFolder& folder, const ItemMasterList& list) {
    return basic::AtomicWriteFile(folder.Resolve(ItemMasterFileName), EncodeItemMasterList(list));
}

}  // namespace shopping
