#include "food_storage/store/storage_defaults.h"

#include <algorithm>
#include <cstddef>

#include "food_storage/store/storage_amounts.h"
#include "food_storage/store/storage_files.h"
#include "platform/basic/text.h"

namespace food_storage {

std::span<const int> DefaultAmountRows(StorageKind kind) {
    static constexpr int basic[] = {1, 13, 22, 34, 35, 40, 54, 55};
    static constexpr int emergency[] = {2, 3, 4, 5, 6, 7, 11};
    static constexpr int additional[] = {1, 17};
    switch (kind) {
        case StorageKind::Basic: return basic;
        case StorageKind::Emergency: return emergency;
        case StorageKind::Additional: return additional;
    }
    return {};
}

void PutDefaultTitles(const std::vector<std::string>& titles, StorageTable& table) {
    const std::size_t count = std::min(titles.size(), static_cast<std::size_t>(StorageRows));
    for (std::size_t i = 0; i < count; ++i) table.Cell(static_cast<int>(i) + 1, TitleColumn) = titles[i];
}

void PutDefaultAmounts(StorageKind kind, const std::vector<std::string>& amounts, StorageTable& table,
                       std::string_view numberInFamily) {
    const auto rows = DefaultAmountRows(kind);
    const std::size_t count = std::min(amounts.size(), rows.size());
    for (std::size_t i = 0; i < count; ++i) table.Cell(rows[i], AmountPerPersonColumn) = basic::LTrim(amounts[i]);
    RecomputeTotalsNeeded(kind, table, numberInFamily);
}

bool LoadDefaultTitles(const basic::ProgramFolder& folder, StorageKind kind, StorageTable& table) {
    const auto file = ReadStorageItems(folder, FileNamesOf(kind).defaultTitles);
    if (file.items.empty()) return false;
    PutDefaultTitles(file.items, table);
    return true;
}

bool LoadDefaultAmounts(const basic::ProgramFolder& folder, StorageKind kind, StorageTable& table,
                        std::string_view numberInFamily) {
    const auto file = ReadStorageItems(folder, FileNamesOf(kind).defaultAmounts);
    if (file.items.empty()) return false;
    PutDefaultAmounts(kind, file.items, table, numberInFamily);
    return true;
}

void ClearLastActionColumns(StorageTable& table) {
    for (int r = 1; r <= StorageRows; ++r) {
        if (IsMark(table.Cell(r, LastActionDateColumn))) continue;
        for (int c = LastActionDateColumn; c <= AmountUsedColumn; ++c) table.Cell(r, c).clear();
    }
}

}  // namespace food_storage
