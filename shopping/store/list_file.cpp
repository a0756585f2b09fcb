#include "shopping/store/list_file.h"

#include "platform/basic/atomic_write.h"
#include "platform/basic/text.h"

namespace shopping {

std::string EncodeListFile(const ShoppingList& list) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list.Rows()) * 2);
    for (int r = 1; r < list.Rows(); ++r) {
        const auto line = list.LineAtRow(r);
        if (!line) {
            items.emplace_back();
            items.emplace_back();
            continue;
        }
        const std::string& text = list.EntryLines()[static_cast<std::size_t>(*line)];
        items.push_back("  " + ItemOfLine(text));
        items.push_back(AmountOfLine(text));
    }
    return basic::EncodeQuotedLines(items);
}

namespace {

std::vector<ListEntry> EntriesOf(const std::vector<std::string>& items) {
    std::vector<ListEntry> entries;
    for (std::size_t i = 0; i < items.size(); i += 2) {
        ListEntry entry{ItemText(items[i]), i + 1 < items.size() ? AmountText(items[i + 1]) : std::string()};
        if (!entry.item.empty()) entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

std::vector<ListEntry> DecodeListFile(std::string_view bytes) { return EntriesOf(basic::DecodeQuotedItems(bytes)); }

OpenedList OpenListFile(const std::filesystem::path& path, ShoppingList& list) {
    list.Clear();
    const auto file = basic::ReadQuotedLineFile(path, MaxListFileBytes);
    if (file.result != basic::FileRead::Read) return {file.result, 0};
    list.SetOrderOption(OrderOption::AsEntered);
    const int leftOut = list.ReplaceLines(EntriesOf(file.items));
    list.SetListChanged(false);
    return {basic::FileRead::Read, leftOut};
}

bool SaveListFile(const std::filesystem::path& path, const ShoppingList& list) {
    return basic::AtomicWriteFile(path, EncodeListFile(list));
}

}  // namespace shopping
