#include "food_storage/store/storage_files.h"

#include <algorithm>
#include <cstddef>

#include "food_storage/store/storage_amounts.h"
#include "platform/basic/atomic_write.h"
#include "platform/basic/text.h"

namespace food_storage {

namespace {

// The item format has no escape for a double quote, so one typed into a box
// is kept as a single quote; a line break (only a damaged file gives one)
// becomes a blank, so the file keeps one item a line.
std::string Writable(std::string_view text) {
    std::string item(text);
    for (char& c : item) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    return item;
}

}  // namespace

StorageFileNames FileNamesOf(StorageKind kind) {
    switch (kind) {
        case StorageKind::Basic: return {"FdsB1.Fil", "FdsB3.Fil", "FdsB4.Fil"};
        case StorageKind::Emergency: return {"EmerE1.Fil", "EmerE3.Fil", "EmerE4.Fil"};
        case StorageKind::Additional: return {"AddA1.Fil", "AddA3.Fil", "AddA4.Fil"};
    }
    return {"FdsB1.Fil", "FdsB3.Fil", "FdsB4.Fil"};
}

StorageItemsRead ReadStorageItems(const basic::ProgramFolder& folder, std::string_view name) {
    return basic::ReadQuotedLineFile(folder.Resolve(name), MaxStorageFileBytes);
}

std::string EncodeStorageTable(StorageKind kind, const StorageTable& table) {
    // Made writable before the title rule, so what is written reads back as the same cells.
    StorageTable writable;
    for (int r = 1; r <= StorageRows; ++r) {
        for (int c = 0; c < StorageColumns; ++c) writable.Cell(r, c) = Writable(table.Cell(r, c));
    }
    std::string bytes;
    for (int r = 1; r <= StorageRows; ++r) {
        for (int c = 0; c < StorageColumns; ++c) basic::AppendQuotedLine(bytes, ShownCell(kind, writable, r, c));
    }
    return bytes;
}

StorageTable TableOfItems(const std::vector<std::string>& items) {
    StorageTable table;
    const std::size_t count = std::min(items.size(), static_cast<std::size_t>(StorageItems));
    for (std::size_t i = 0; i < count; ++i) {
        const int index = static_cast<int>(i);
        table.Cell(1 + index / StorageColumns, index % StorageColumns) = items[i];
    }
    return table;
}

StorageTable DecodeStorageTable(std::string_view bytes) { return TableOfItems(basic::DecodeQuotedItems(bytes)); }

std::string NumberInFamilyOfItems(const std::vector<std::string>& items) {
    if (items.empty() || !(ReadKitchenAmount(items.front()).value > 0)) return "1";
    return items.front();
}

std::string EncodeNumberInFamily(std::string_view numberInFamily) {
    std::string bytes;
    basic::AppendQuotedLine(bytes, Writable(numberInFamily));
    return bytes;
}

LoadedStorage LoadStorage(const basic::ProgramFolder& folder, StorageKind kind) {
    LoadedStorage loaded;
    const auto file = ReadStorageItems(folder, FileNamesOf(kind).table);
    loaded.tableResult = file.result;
    loaded.table = TableOfItems(file.items);
    loaded.numberInFamily = NumberInFamilyOfItems(ReadStorageItems(folder, NumberInFamilyFileName).items);
    RecomputeTotalsNeeded(kind, loaded.table, loaded.numberInFamily);
    return loaded;
}

bool SaveStorage(const basic::ProgramFolder& folder, StorageKind kind, const StorageTable& table,
                 std::string_view numberInFamily) {
    const bool tableSaved =
        basic::AtomicWriteFile(folder.Resolve(FileNamesOf(kind).table), EncodeStorageTable(kind, table));
    const bool numberSaved =
        basic::AtomicWriteFile(folder.Resolve(NumberInFamilyFileName), EncodeNumberInFamily(numberInFamily));
    return tableSaved && numberSaved;
}

bool SaveStorageDocument(const basic::ProgramFolder& folder, StorageDocument& document, bool fromAllView) {
    if (fromAllView) RebuildAllRows(document.kind, document.table);
    if (!SaveStorage(folder, document.kind, document.table, document.numberInFamily)) return false;
    document.changed = false;
    return true;
}

void RemoveStorageLeftovers(const basic::ProgramFolder& folder) {
    std::vector<std::filesystem::path> targets{folder.Resolve(NumberInFamilyFileName)};
    for (const StorageKind kind : {StorageKind::Basic, StorageKind::Emergency, StorageKind::Additional}) {
        targets.push_back(folder.Resolve(FileNamesOf(kind).table));
    }
    basic::RemoveLeftoverTemporaries(targets);
}

}  // namespace food_storage
