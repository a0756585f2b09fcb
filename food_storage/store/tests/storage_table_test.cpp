// The row layout of each storage kind (which cells are marked unused) and the
// way the grid shows titles and numbers.
#include <gtest/gtest.h>

#include <string>

#include "food_storage/store/storage_table.h"

namespace food_storage {
namespace {

std::string MarkedColumns(const StorageTable& table, int row) {
    std::string columns;
    for (int c = 0; c < StorageColumns; ++c) {
        if (table.Cell(row, c) == StorageRowMark) columns += static_cast<char>('0' + c);
    }
    return columns;
}

struct LayoutCase {
    StorageKind kind;
    int row;
    const char* marked;
};

TEST(StorageTableTest, RebuildAllRowsMarksEachKindsLayout) {
    const LayoutCase cases[] = {
        {StorageKind::Basic, 1, "567"},      {StorageKind::Basic, 2, "123"},       {StorageKind::Basic, 33, "123"},
        {StorageKind::Basic, 34, ""},        {StorageKind::Basic, 35, "567"},      {StorageKind::Basic, 53, "123"},
        {StorageKind::Basic, 54, ""},        {StorageKind::Basic, 60, ""},         {StorageKind::Emergency, 1, "1234567"},
        {StorageKind::Emergency, 2, ""},     {StorageKind::Emergency, 11, ""},     {StorageKind::Emergency, 46, "1234567"},
        {StorageKind::Emergency, 60, ""},    {StorageKind::Additional, 1, "567"},  {StorageKind::Additional, 16, "123"},
        {StorageKind::Additional, 17, "567"}, {StorageKind::Additional, 33, "1234567"},
        {StorageKind::Additional, 34, ""},   {StorageKind::Additional, 42, "567"}, {StorageKind::Additional, 47, "1234567"},
        {StorageKind::Additional, 54, ""},
    };
    for (const LayoutCase& c : cases) {
        StorageTable table;
        RebuildAllRows(c.kind, table);
        EXPECT_EQ(MarkedColumns(table, c.row), c.marked) << "kind " << static_cast<int>(c.kind) << " row " << c.row;
    }
}

TEST(StorageTableTest, RebuildAllRowsOverwritesMarkedCellsAndKeepsUsedOnes) {
    StorageTable table;
    table.Cell(1, AmountAddedColumn) = "12";        // a total row's last action is not used
    table.Cell(1, TotalNeededColumn) = " 100 lbs";  // its need is
    table.Cell(2, NumberInFamilyColumn) = " 4";
    RebuildAllRows(StorageKind::Basic, table);
    EXPECT_EQ(table.Cell(1, AmountAddedColumn), "*");
    EXPECT_EQ(table.Cell(1, TotalNeededColumn), " 100 lbs");
    EXPECT_EQ(table.Cell(2, NumberInFamilyColumn), "*");
}

struct TitleCase {
    const char* what;
    StorageKind kind;
    int row;
    bool marked;  // the layout's marks are set
    const char* stored;
    const char* shown;
};

TEST(StorageTableTest, TitlesAreShownByTheKindsRule) {
    const TitleCase cases[] = {
        {"basic item row, marked", StorageKind::Basic, 2, true, " Wheat", "    Wheat"},
        {"basic item row, many blanks", StorageKind::Basic, 41, true, "        Beans", "    Beans"},
        {"basic item row before the first save", StorageKind::Basic, 2, false, "  Wheat", "Wheat"},
        {"basic total row", StorageKind::Basic, 1, true, "  Grains", "Grains"},
        {"basic plain row", StorageKind::Basic, 55, true, "  Vitamins", "Vitamins"},
        {"basic empty item title", StorageKind::Basic, 3, true, "", ""},
        {"emergency keeps its blanks", StorageKind::Emergency, 2, true, "  Candles", "  Candles"},
        {"additional item row", StorageKind::Additional, 2, true, "Beef", "    Beef"},
        {"additional item row unmarked", StorageKind::Additional, 18, false, "  Peas", "Peas"},
        {"additional total row", StorageKind::Additional, 17, true, "F/V", "F/V"},
        {"additional Misc. heading", StorageKind::Additional, 33, true, "  Misc.", "Misc."},
        {"additional Misc. row", StorageKind::Additional, 35, false, "Rice", "    Rice"},
        {"additional Water row", StorageKind::Additional, 42, true, "  Water", "Water"},
        {"additional row under Water", StorageKind::Additional, 43, true, "Jugs", "    Jugs"},
        {"additional Equip. heading", StorageKind::Additional, 47, true, "Equip.", "Equip."},
        {"additional last Equip. row", StorageKind::Additional, 54, true, "Stove", "    Stove"},
        {"additional Other row", StorageKind::Additional, 57, true, "Tent", "    Tent"},
        {"additional empty title", StorageKind::Additional, 57, true, "  ", ""},
    };
    for (const TitleCase& c : cases) {
        StorageTable table;
        if (c.marked) RebuildAllRows(c.kind, table);
        table.Cell(c.row, TitleColumn) = c.stored;
        EXPECT_EQ(ShownTitle(c.kind, table, c.row), c.shown) << c.what;
        EXPECT_EQ(ShownCell(c.kind, table, c.row, TitleColumn), c.shown) << c.what;
    }
}

TEST(StorageTableTest, NumbersAreShownWithoutTheirLeadingBlankInEveryKind) {
    for (const StorageKind kind : {StorageKind::Basic, StorageKind::Emergency, StorageKind::Additional}) {
        StorageTable table;
        table.Cell(5, NumberInFamilyColumn) = " 4";
        table.Cell(5, TotalNeededColumn) = " 100 lbs";
        EXPECT_EQ(ShownCell(kind, table, 5, NumberInFamilyColumn), "4");
        EXPECT_EQ(ShownCell(kind, table, 5, TotalNeededColumn), "100 lbs");
    }
}

}  // namespace
}  // namespace food_storage
