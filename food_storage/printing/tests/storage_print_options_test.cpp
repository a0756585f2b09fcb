// Which print ranges the storage table's preview offers.
#include "food_storage/printing/storage_print_options.h"

#include <gtest/gtest.h>

namespace food_storage {
namespace {

using enum StoragePrintRange;

TEST(StoragePrintRangeCheck, WithoutOnHandDataOnlyTheCompleteFormsAndAllColumnsChosen) {
    StorageTable table;
    RebuildAllRows(StorageKind::Emergency, table);  // heading rows hold the mark in On Hand
    table.Cell(2, TitleColumn) = "Wheat";
    table.Cell(2, AmountAddedColumn) = " 12 cans";
    table.Cell(3, OnHandColumn) = "   ";
    for (const StoragePrintRange chosen : {OnHandFiveColumns, OnHandAllColumns, CompleteFiveColumns}) {
        const PrintRangeCheck check = CheckOnHandForPrint(table, chosen);
        EXPECT_FALSE(check.onHandRangesEnabled);
        EXPECT_EQ(check.range, CompleteAllColumns);
    }
    EXPECT_FALSE(HasOnHandData(StorageTable()));
}

TEST(StoragePrintRangeCheck, OneOnHandAmountAnywhereOffersAllFourAndKeepsTheChoice) {
    for (const int row : {1, 37, 60}) {
        StorageTable table;
        RebuildAllRows(StorageKind::Emergency, table);
        table.Cell(row, OnHandColumn) = " 3 gals";
        const PrintRangeCheck check = CheckOnHandForPrint(table, OnHandFiveColumns);
        EXPECT_TRUE(check.onHandRangesEnabled) << row;
        EXPECT_EQ(check.range, OnHandFiveColumns) << row;
    }
}

TEST(StoragePrintRange, OptionIndexesCaptionsAndColumns) {
    EXPECT_EQ(OptionIndexOf(CompleteAllColumns), 3);
    EXPECT_EQ(RangeOfOption(0), OnHandFiveColumns);
    EXPECT_EQ(RangeOfOption(2), CompleteFiveColumns);
    EXPECT_EQ(RangeOfOption(7), CompleteAllColumns);
    EXPECT_EQ(StoragePrintRangeCaptions[static_cast<std::size_t>(OptionIndexOf(CompleteAllColumns))],
              "Complete Form (All 8 Columns)");
    EXPECT_TRUE(PrintsFiveColumns(OnHandFiveColumns));
    EXPECT_TRUE(PrintsFiveColumns(CompleteFiveColumns));
    EXPECT_FALSE(PrintsFiveColumns(OnHandAllColumns));
    EXPECT_TRUE(PrintsOnlyOnHandRows(OnHandAllColumns));
    EXPECT_FALSE(PrintsOnlyOnHandRows(CompleteFiveColumns));
}

}  // namespace
}  // namespace food_storage
