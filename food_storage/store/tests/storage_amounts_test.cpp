// Amounts read as kitchen amounts, the totals needed for the family, the
// bookings of amounts added and used, and the category totals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "food_storage/store/storage_amounts.h"

namespace food_storage {
namespace {

struct AmountCase {
    const char* text;
    double value;
    const char* unit;
};

TEST(StorageAmountsTest, AmountsReadAsKitchenAmounts) {
    const AmountCase cases[] = {
        {"25 lbs", 25, "lbs"},        {"2 1/2 lbs", 2.5, "lbs"},    {"63 1/2 lbs", 63.5, "lbs"},
        {"1/2 lb", 0.5, "lb"},        {"25 lbs.", 25, "lbs."},      {"2.5 gals", 2.5, "gals"},
        {".5", 0.5, ""},              {"12", 12, ""},               {"  7  cans ", 7, "cans"},
        {"", 0, ""},                  {"*", 0, "*"},                {"abc", 0, "abc"},
        {"2 1/0 cups", 2, "1/0 cups"}, {"-3 oz", -3, "oz"},          {"2.5 1/2 lbs", 2.5, "1/2 lbs"},
    };
    for (const AmountCase& c : cases) {
        const KitchenAmount amount = ReadKitchenAmount(c.text);
        EXPECT_DOUBLE_EQ(amount.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(amount.unit, c.unit) << '"' << c.text << '"';
    }
}

TEST(StorageAmountsTest, SingleTextHasSevenDigitsAndStrFormALeadingBlank) {
    EXPECT_EQ(SingleText(2.5f), "2.5");
    EXPECT_EQ(SingleText(100.0f), "100");
    EXPECT_EQ(SingleText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(SingleText(3.0f * 0.1f), "0.3");
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(StrForm(4.0f), " 4");
    EXPECT_EQ(StrForm(-2.0f), "-2");
}

struct TotalCase {
    const char* family;
    const char* perPerson;
    const char* number;
    const char* total;
};

TEST(StorageAmountsTest, TotalNeededIsFamilyTimesAmountWithItsUnit) {
    const TotalCase cases[] = {
        {"4", "25 lbs", " 4", " 100 lbs"}, {"3", "2.5 gals", " 3", " 7.5 gals"}, {"4", "12", " 4", " 48"},
        {"3", "0.1", " 3", " 0.3"},        {"3", "2 1/2 lbs", " 3", " 7.5 lbs"}, {"4", "12 cans", " 4", " 48 cans"},
        {"2", "25 lbs.", " 2", " 50 lbs."},
    };
    for (const TotalCase& c : cases) {
        StorageTable table;
        table.Cell(1, AmountPerPersonColumn) = c.perPerson;
        ComputeTotalNeeded(table, 1, c.family);
        EXPECT_EQ(table.Cell(1, NumberInFamilyColumn), c.number) << c.perPerson;
        EXPECT_EQ(table.Cell(1, TotalNeededColumn), c.total) << c.perPerson;
    }
}

struct CarryCase {
    const char* old;
    const char* typed;
    const char* result;
};

TEST(StorageAmountsTest, ATotalRowsNewAmountCarriesTheOldUnit) {
    const CarryCase cases[] = {
        {"25 lbs.", "30", "30 lbs."}, {"25", "30", "30"},        {"25 lbs", "30", "30 lbs"},
        {"2 gals", "3", "3 gals"},    {"2 1/2 lbs", "3", "3 lbs"}, {"2 oz", "4", "4 oz"},
        {"", "30", "30"},             {"25 lbs", "  30", "30 lbs"}, {"25 lbs", "30 oz", "30 oz"},
        {"25 lbs", "1 1/2", "1 1/2 lbs"},
    };
    for (const CarryCase& c : cases) EXPECT_EQ(CarryUnit(c.old, c.typed), c.result) << c.old << " + " << c.typed;
}

TEST(StorageAmountsTest, RecomputeFollowsTheFamilyOnlyOnRowsWithAnAmount) {
    StorageTable table;
    RebuildAllRows(StorageKind::Basic, table);
    table.Cell(1, AmountPerPersonColumn) = "25 lbs";
    table.Cell(13, NumberInFamilyColumn) = " 2";  // no amount: keeps its old need
    table.Cell(13, TotalNeededColumn) = " 10 qts";
    table.Cell(55, AmountPerPersonColumn) = "abc";
    RecomputeTotalsNeeded(StorageKind::Basic, table, "5");
    EXPECT_EQ(table.Cell(1, NumberInFamilyColumn), " 5");
    EXPECT_EQ(table.Cell(1, TotalNeededColumn), " 125 lbs");
    EXPECT_EQ(table.Cell(13, NumberInFamilyColumn), " 2");
    EXPECT_EQ(table.Cell(13, TotalNeededColumn), " 10 qts");
    EXPECT_EQ(table.Cell(55, TotalNeededColumn), "");
    EXPECT_EQ(table.Cell(2, TotalNeededColumn), "*");  // item rows have no need

    // The additional kind's rows 53 and 54 are not recomputed.
    StorageTable additional;
    additional.Cell(53, AmountPerPersonColumn) = "2";
    additional.Cell(52, AmountPerPersonColumn) = "2";
    RecomputeTotalsNeeded(StorageKind::Additional, additional, "3");
    EXPECT_EQ(additional.Cell(53, TotalNeededColumn), "");
    EXPECT_EQ(additional.Cell(52, TotalNeededColumn), " 6");
}

TEST(StorageAmountsTest, RowGroupsFollowTheCategoriesAndRows55To60StandAlone) {
    struct Case {
        StorageKind kind;
        int row, first, last;
    } const cases[] = {
        {StorageKind::Basic, 30, 22, 33},     {StorageKind::Basic, 34, 34, 34},     {StorageKind::Basic, 41, 40, 53},
        {StorageKind::Emergency, 11, 11, 11}, {StorageKind::Emergency, 50, 46, 54}, {StorageKind::Additional, 40, 33, 41},
        {StorageKind::Additional, 54, 47, 54},
    };
    for (const Case& c : cases) {
        const RowGroup group = GroupOfRow(c.kind, c.row);
        EXPECT_EQ(group.first, c.first) << c.row;
        EXPECT_EQ(group.last, c.last) << c.row;
    }
    for (const StorageKind kind : {StorageKind::Basic, StorageKind::Emergency, StorageKind::Additional}) {
        EXPECT_EQ(GroupOfRow(kind, 57).first, 57);
        EXPECT_EQ(GroupOfRow(kind, 57).last, 57);
    }
}

TEST(StorageAmountsTest, EmergencyBookingsCarryTheTotalNeededsUnit) {
    StorageTable table;
    RebuildAllRows(StorageKind::Emergency, table);
    table.Cell(2, TitleColumn) = "Canned Fruit";
    table.Cell(2, AmountPerPersonColumn) = "12 cans";
    RecomputeTotalsNeeded(StorageKind::Emergency, table, "4");
    EXPECT_EQ(ShownCell(StorageKind::Emergency, table, 2, NumberInFamilyColumn), "4");
    EXPECT_EQ(ShownCell(StorageKind::Emergency, table, 2, TotalNeededColumn), "48 cans");

    table.Cell(2, AmountAddedColumn) = "12";
    ASSERT_TRUE(BookAmount(StorageKind::Emergency, table, 2, Booking::Added));
    EXPECT_EQ(table.Cell(2, OnHandColumn), "12 cans");

    table.Cell(2, AmountUsedColumn) = "12";
    ASSERT_TRUE(BookAmount(StorageKind::Emergency, table, 2, Booking::Used));
    EXPECT_EQ(table.Cell(2, OnHandColumn), "");
    EXPECT_EQ(table.Cell(2, AmountAddedColumn), "");
    EXPECT_EQ(table.Cell(2, AmountUsedColumn), "12");
}

struct CellText {
    int row;
    int column;
    const char* text;
};

struct BookingCase {
    const char* what;
    StorageKind kind;
    std::vector<CellText> before;  // besides the kind's marks
    int row;
    Booking booking;
    std::vector<CellText> changed;  // every cell the booking changes, and no other
};

TEST(StorageAmountsTest, BookingsChangeTheOnHandAmountsAndNothingElse) {
    const BookingCase cases[] = {
        {"addition", StorageKind::Additional, {{40, 4, "25"}, {40, 6, "10"}, {40, 7, "3"}}, 40, Booking::Added,
         {{40, 4, "35"}, {40, 7, ""}}},
        {"use of more than is on hand", StorageKind::Additional, {{40, 4, "35"}, {40, 6, "10"}, {40, 7, "40"}}, 40,
         Booking::Used, {{40, 4, ""}, {40, 6, ""}}},
        {"grains item addition", StorageKind::Basic,
         {{1, 3, " 100 lbs"}, {2, 4, "20"}, {3, 4, "30"}, {2, 6, "5"}}, 2, Booking::Added,
         {{2, 4, "25 lbs"}, {3, 4, "30 lbs"}, {1, 4, "55 lbs"}}},
        {"grains use of everything", StorageKind::Basic,
         {{1, 3, " 100 lbs"}, {1, 4, "25 lbs"}, {2, 4, "25 lbs"}, {2, 6, "25"}, {2, 7, "99"}}, 2, Booking::Used,
         {{2, 4, ""}, {1, 4, ""}, {2, 6, ""}}},
        {"salt, a category of one row", StorageKind::Basic, {{34, 3, " 8 lbs"}, {34, 6, "2"}}, 34, Booking::Added,
         {{34, 4, "2 lbs"}}},
        {"basic misc. row without unit", StorageKind::Basic, {{57, 4, "1"}, {57, 6, "3"}}, 57, Booking::Added,
         {{57, 4, "4"}}},
        {"additional F/V item", StorageKind::Additional, {{17, 3, " 30 cans"}, {18, 4, "4"}, {20, 6, "1/2"}}, 20,
         Booking::Added, {{17, 4, "4.5 cans"}, {18, 4, "4 cans"}, {20, 4, "0.5 cans"}}},
        // Rows under the Misc. heading have no total row: only the row's own amount changes.
        {"additional misc. row", StorageKind::Additional, {{35, 4, "7"}, {40, 3, " 9 lbs"}, {40, 6, "3"}}, 40,
         Booking::Added, {{40, 4, "3"}}},
        {"emergency row", StorageKind::Emergency, {{2, 3, " 48 cans"}, {2, 6, "12"}, {2, 7, "4"}}, 2,
         Booking::Added, {{2, 4, "12 cans"}, {2, 7, ""}}},
    };
    for (const BookingCase& c : cases) {
        StorageTable table;
        RebuildAllRows(c.kind, table);
        for (const CellText& cell : c.before) table.Cell(cell.row, cell.column) = cell.text;
        StorageTable expected = table;
        for (const CellText& cell : c.changed) expected.Cell(cell.row, cell.column) = cell.text;
        ASSERT_TRUE(BookAmount(c.kind, table, c.row, c.booking)) << c.what;
        EXPECT_EQ(table, expected) << c.what;
        for (const CellText& cell : c.changed) {
            EXPECT_EQ(table.Cell(cell.row, cell.column), cell.text) << c.what << ": " << cell.row << ", " << cell.column;
        }
    }
}

TEST(StorageAmountsTest, AnAmountThatIsNotAboveZeroBooksNothing) {
    for (const char* amount : {"0", "abc", "", "-5"}) {
        StorageTable table;
        RebuildAllRows(StorageKind::Basic, table);
        table.Cell(2, OnHandColumn) = "20 lbs";
        table.Cell(2, AmountUsedColumn) = "3";
        table.Cell(2, AmountAddedColumn) = amount;
        const StorageTable before = table;
        EXPECT_FALSE(BookAmount(StorageKind::Basic, table, 2, Booking::Added)) << amount;
        EXPECT_EQ(table, before) << amount;
    }
}

}  // namespace
}  // namespace food_storage
