#include "food_storage/printing/storage_print_options.h"

#include "platform/basic/text.h"

namespace food_storage {

StoragePrintRange RangeOfOption(int index) {
    if (index < 0 || index > 3) return StoragePrintRange::CompleteAllColumns;
    return static_cast<StoragePrintRange>(index + 1);
}

bool PrintsFiveColumns(StoragePrintRange range) {
    return range == StoragePrintRange::OnHandFiveColumns || range == StoragePrintRange::CompleteFiveColumns;
}

bool PrintsOnlyOnHandRows(StoragePrintRange range) {
    return range == StoragePrintRange::OnHandFiveColumns || range == StoragePrintRange::OnHandAllColumns;
}

bool HasOnHandData(const StorageTable& table) {
    for (int r = 1; r <= StorageRows; ++r) {
        const std::string& onHand = table.Cell(r, OnHandColumn);
        if (!basic::Trim(onHand).empty() && !IsMark(onHand)) return true;
    }
    return false;
}

PrintRangeCheck CheckOnHandForPrint(const StorageTable& table, StoragePrintRange chosen) {
    if (HasOnHandData(table)) return {true, chosen};
    return {false, StoragePrintRange::CompleteAllColumns};
}

}  // namespace food_storage
