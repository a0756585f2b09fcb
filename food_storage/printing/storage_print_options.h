#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "food_storage/store/storage_table.h"

// What the storage table's print preview offers: the four print ranges, the
// "As of" date and the grid lines, and which ranges the table allows.
namespace food_storage {

// The range option picked on the preview; its option index is the code less 1.
enum class StoragePrintRange : std::int16_t {
    OnHandFiveColumns = 1,    // only the rows with an amount on hand, columns 1 to 5
    OnHandAllColumns = 2,     // only the rows with an amount on hand, all 8 columns
    CompleteFiveColumns = 3,  // every row, columns 1 to 5
    CompleteAllColumns = 4,   // every row, all 8 columns
};

// The range options' captions, by option index.
inline constexpr std::array<std::string_view, 4> StoragePrintRangeCaptions = {
    "Only Lines w/OnHand Data(5 Cols.)", "Only Lines w/OnHand Data(All Cols.)", "Complete Form (First 5 Columns)",
    "Complete Form (All 8 Columns)"};

inline constexpr int OptionIndexOf(StoragePrintRange range) { return static_cast<int>(range) - 1; }
// Indexes outside 0 to 3 give the complete form with all columns.
StoragePrintRange RangeOfOption(int index);

bool PrintsFiveColumns(StoragePrintRange range);
bool PrintsOnlyOnHandRows(StoragePrintRange range);

// The preview's options as the window loads them: the complete form, the
// date and the grid lines on.
struct StoragePrintOptions {
    StoragePrintRange range = StoragePrintRange::CompleteAllColumns;
    bool AsOfDate = true;   // "Print 'As of' date on each page"
    bool GridLines = true;  // "Print Grid Lines on each page"
};

// Whether some row holds an amount on hand: an On Hand cell that is neither
// empty nor the mark.
bool HasOnHandData(const StorageTable& table);

// What the preview offers when it opens: the two on-hand ranges only when
// the table has on-hand data; without it the complete form with all columns
// is chosen, otherwise the chosen range stays.
struct PrintRangeCheck {
    bool onHandRangesEnabled = true;
    StoragePrintRange range = StoragePrintRange::CompleteAllColumns;
};
PrintRangeCheck CheckOnHandForPrint(const StorageTable& table, StoragePrintRange chosen);

}  // namespace food_storage
