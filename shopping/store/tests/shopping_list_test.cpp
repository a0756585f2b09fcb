// The list behind the item grid: its two line formats, the rows it shows,
// and edits that always reach the line of the row the user picked, in
// either order and after a heading sort.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shopping/store/shopping_list.h"

namespace shopping {
namespace {

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

ShoppingList ListOf(const std::vector<ListEntry>& entries) {
    ShoppingList list;
    list.ReplaceLines(entries);
    return list;
}

std::vector<std::string> ShownItems(const ShoppingList& list) {
    std::vector<std::string> items;
    for (int r = 1; r < list.Rows(); ++r)
        if (!list.Row(r).item.empty()) items.push_back(list.Row(r).item);
    return items;
}

// Every row showing a line shows that line's cells.
void ExpectRowsMatchLines(const ShoppingList& list) {
    for (int r = 1; r < list.Rows(); ++r) {
        const auto line = list.LineAtRow(r);
        if (!line) {
            EXPECT_EQ(list.Row(r), GridRow{}) << "row " << r;
            continue;
        }
        const std::string& text = list.EntryLines()[static_cast<std::size_t>(*line)];
        EXPECT_EQ(list.Row(r).item, "  " + ItemOfLine(text).substr(0, 26)) << "row " << r;
        EXPECT_EQ(list.Row(r).amount, AmountOfLine(text)) << "row " << r;
    }
}

TEST(ShoppingListLines, ItemPaddedToThirtyThenAmountAndSortedCopyAtSixtyWithItsIndex) {
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("Milk", "2 Gallon(s)"), ListEdit::Done);
    ASSERT_EQ(list.AppendItem("  Bread  "), ListEdit::Done);

    EXPECT_EQ(list.EntryLines(), (std::vector<std::string>{Padded("Milk", 30) + "2 Gallon(s)", "Bread"}));
    EXPECT_EQ(list.SortedLines(),
              (std::vector<std::string>{Padded("Bread", 60) + "1", Padded(Padded("Milk", 30) + "2 Gallon(s)", 60) + "0"}));
}

TEST(ShoppingListLines, ItemsAndAmountsAreCutToThirtyAndNeverHoldQuotes) {
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("\"Ice\" cream of a very long name indeed", "2 \"big\" tubs"), ListEdit::Done);
    EXPECT_EQ(list.EntryLines().front(), "Ice cream of a very long name " "2 big tubs");

    ASSERT_EQ(list.StoreEntryAtRow(1, "\"Sherbet\""), ListEdit::Done);
    ASSERT_EQ(list.StoreAmountAtRow(1, std::string(40, '9') + "\""), ListEdit::Done);
    EXPECT_EQ(list.EntryLines().front(), Padded("Sherbet", 30) + std::string(30, '9'));
    for (const auto& line : list.EntryLines()) EXPECT_EQ(line.find('"'), std::string::npos);

    EXPECT_EQ(list.AppendItem("\"\"  \""), ListEdit::NoItem);
    EXPECT_EQ(list.StoreEntryAtRow(2, "   "), ListEdit::NoItem);
    EXPECT_EQ(list.LineCount(), 1);
}

TEST(ShoppingListGrid, ShowsAtLeastSixteenRowsUnderTheCountHeading) {
    ShoppingList list;
    EXPECT_EQ(list.Rows(), 16);
    EXPECT_EQ(list.ItemHeading(), "Grocery Item");

    list = ListOf({{"Milk", "2 Gallon(s)"}, {"Bread", ""}, {"A bag of twenty-eight letter", ""}});
    EXPECT_EQ(list.Rows(), 16);
    EXPECT_EQ(list.ItemHeading(), "Grocery Items = 3");
    EXPECT_EQ(list.Row(1), (GridRow{"  Milk", "2 Gallon(s)"}));
    EXPECT_EQ(list.Row(2), (GridRow{"  Bread", ""}));
    EXPECT_EQ(list.Row(3).item, "  A bag of twenty-eight lett");  // the first 26 of 28 characters
    EXPECT_EQ(list.Row(4), GridRow{});
    EXPECT_FALSE(list.LineAtRow(4));
    EXPECT_TRUE(list.ListChanged());

    std::vector<ListEntry> twenty;
    for (int i = 0; i < 20; ++i) twenty.push_back({"Item " + std::to_string(i), ""});
    list = ListOf(twenty);
    EXPECT_EQ(list.Rows(), 21);
    EXPECT_EQ(list.ItemHeading(), "Grocery Items = 20");
}

TEST(ShoppingListGrid, ClearLeavesFifteenEmptyRowsUnderTheSetUpHeading) {
    auto list = ListOf({{"Milk", "2"}});
    list.Clear();
    EXPECT_EQ(list.Rows(), 15);
    EXPECT_EQ(list.ItemHeading(), "Grocery Item");
    EXPECT_EQ(list.LineCount(), 0);
    EXPECT_TRUE(list.SortedLines().empty());
    EXPECT_FALSE(list.ListChanged());
    EXPECT_FALSE(list.LineAtRow(1));
}

TEST(ShoppingListOrder, AlphabeticalIgnoresCaseAndSwitchingBackShowsTheEntryOrder) {
    auto list = ListOf({{"carrots", ""}, {"Bread", ""}, {"apples", "3 lbs"}});
    list.SetOrderOption(OrderOption::Alphabetically);
    EXPECT_EQ(ShownItems(list), (std::vector<std::string>{"  apples", "  Bread", "  carrots"}));
    EXPECT_EQ(list.LineAtRow(1), 2);
    ExpectRowsMatchLines(list);
    list.SetOrderOption(OrderOption::AsEntered);
    EXPECT_EQ(ShownItems(list), (std::vector<std::string>{"  carrots", "  Bread", "  apples"}));
}

TEST(ShoppingListEdits, AnItemOnARowReplacesThatRowsItemAndKeepsItsAmountOrIsAddedOnAnEmptyRow) {
    auto list = ListOf({{"Milk", "2 Gallon(s)"}, {"Bread", ""}});
    ASSERT_EQ(list.StoreEntryAtRow(1, "Eggs"), ListEdit::Done);
    EXPECT_EQ(list.EntryLines()[0], Padded("Eggs", 30) + "2 Gallon(s)");
    ASSERT_EQ(list.StoreEntryAtRow(9, "Jam"), ListEdit::Done);
    EXPECT_EQ(list.EntryLines(), (std::vector<std::string>{Padded("Eggs", 30) + "2 Gallon(s)", "Bread", "Jam"}));
    ASSERT_EQ(list.StoreEntryAtRow(0, "Cream"), ListEdit::Done);  // the heading row counts as row 1
    EXPECT_EQ(list.EntryLines()[0], Padded("Cream", 30) + "2 Gallon(s)");
}

TEST(ShoppingListEdits, AnAmountGoesToTheRowsLineKeepingAllThirtyCharactersOfItsItem) {
    const std::string longItem = "Extra virgin olive oil bottle";  // 29 characters, 26 shown
    auto list = ListOf({{longItem, ""}});
    ASSERT_EQ(list.StoreAmountAtRow(1, "1 Bottle"), ListEdit::Done);
    EXPECT_EQ(list.EntryLines()[0], Padded(longItem, 30) + "1 Bottle");
    ASSERT_EQ(list.StoreAmountAtRow(1, ""), ListEdit::Done);
    EXPECT_EQ(list.EntryLines()[0], longItem);
    EXPECT_EQ(list.StoreAmountAtRow(2, "3"), ListEdit::NoItem);
    EXPECT_EQ(list.LineCount(), 1);
}

// Each edit is made on a row and must land on the line that row shows, in
// either order and after heading sorts that reorder the rows.
struct RowView {
    const char* what;
    OrderOption order;
    int sortCol;  // -1: no heading sort
    bool ascending;
};

class EditsFollowTheShownRow : public ::testing::TestWithParam<RowView> {
protected:
    void SetUp() override {
        list = ListOf({{"pears", "4"}, {"Apples", "10 lbs"}, {"milk", "1 Gallon"}, {"Bread", ""}, {"eggs", "2 Dozen"}});
        list.SetOrderOption(GetParam().order);
        if (GetParam().sortCol >= 0) list.SortRows(GetParam().sortCol, GetParam().ascending, GetParam().sortCol);
        ExpectRowsMatchLines(list);
    }
    int RowShowing(std::string_view item) const {
        for (int r = 1; r < list.Rows(); ++r)
            if (list.Row(r).item == "  " + std::string(item)) return r;
        return 0;
    }
    ShoppingList list;
};

TEST_P(EditsFollowTheShownRow, RemoveReplaceAndAmountReachTheLineShown) {
    const int milk = RowShowing("milk");
    ASSERT_GT(milk, 0);
    ASSERT_TRUE(list.RemoveListLine(milk));
    EXPECT_EQ(list.LineCount(), 4);
    for (const auto& line : list.EntryLines()) EXPECT_NE(ItemOfLine(line), "milk");

    ASSERT_EQ(list.StoreEntryAtRow(RowShowing("Bread"), "Rye bread"), ListEdit::Done);
    ASSERT_EQ(list.StoreAmountAtRow(RowShowing("pears"), "6"), ListEdit::Done);
    EXPECT_EQ(list.EntryLines(), (std::vector<std::string>{Padded("pears", 30) + "6", Padded("Apples", 30) + "10 lbs",
                                                           "Rye bread", Padded("eggs", 30) + "2 Dozen"}));
    ExpectRowsMatchLines(list);
}

INSTANTIATE_TEST_SUITE_P(
    Views, EditsFollowTheShownRow,
    ::testing::Values(RowView{"as_entered", OrderOption::AsEntered, -1, true},
                      RowView{"alphabetically", OrderOption::Alphabetically, -1, true},
                      RowView{"items_ascending", OrderOption::AsEntered, 0, true},
                      RowView{"items_descending", OrderOption::Alphabetically, 0, false},
                      RowView{"amounts_ascending", OrderOption::AsEntered, 1, true},
                      RowView{"amounts_descending", OrderOption::Alphabetically, 1, false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ShoppingListHeadingSort, AscendingDropsTheEmptyRowsItBroughtUpAndMarksTheListChanged) {
    auto list = ListOf({{"pears", ""}, {"Apples", ""}, {"milk", ""}});
    list.SetListChanged(false);
    list.SortRows(0, true, 0);
    EXPECT_TRUE(list.ListChanged());
    EXPECT_EQ(list.Rows(), 16);
    EXPECT_EQ(ShownItems(list), (std::vector<std::string>{"  Apples", "  milk", "  pears"}));
    EXPECT_EQ(list.Row(1).item, "  Apples");

    list.SetListChanged(false);
    list.SortRows(0, false, 0);
    EXPECT_FALSE(list.ListChanged());
    EXPECT_EQ(list.Row(1).item, "  pears");
    EXPECT_EQ(list.Row(3).item, "  Apples");
}

TEST(ShoppingListHeadingSort, AnAmountSortFromTheAmountColumnOnlyDropsEmptyRowsAboveTheFirstItem) {
    // Items without an amount sort among the empty rows; the rows between
    // them stay, as the grid leaves them.
    auto list = ListOf({{"Salt", ""}, {"Milk", "2"}, {"Eggs", "1"}});
    list.SortRows(1, true, 1);
    EXPECT_EQ(list.Row(1).item, "  Salt");
    EXPECT_EQ(list.Row(list.Rows() - 2).item, "  Eggs");
    EXPECT_EQ(list.Row(list.Rows() - 1).item, "  Milk");
    EXPECT_EQ(list.Rows(), 16);
    ExpectRowsMatchLines(list);

    list = ListOf({{"Milk", "2"}, {"Eggs", "1"}});
    list.SortRows(1, true, 1);
    EXPECT_EQ(list.Row(1).item, "  Eggs");
    EXPECT_EQ(list.Row(2).item, "  Milk");
    EXPECT_EQ(list.Rows(), 16);
}

TEST(ShoppingListHeadingSort, TheNextChangeShowsTheChosenOrderAgain) {
    auto list = ListOf({{"pears", ""}, {"Apples", ""}});
    list.SortRows(0, true, 0);
    ASSERT_EQ(list.AppendItem("Figs"), ListEdit::Done);
    EXPECT_EQ(ShownItems(list), (std::vector<std::string>{"  pears", "  Apples", "  Figs"}));
}

TEST(ShoppingListCapacity, TheThousandAndFirstLineIsRefusedAndEveryIndexStaysExact) {
    std::vector<ListEntry> entries;
    // Amounts of 30 characters ending in digits fill the sorted line to its
    // last character, where the index digits follow at once.
    for (int i = 0; i < MaxListLines; ++i)
        entries.push_back({"Item " + std::to_string(MaxListLines - i), std::string(28, 'x') + "12"});
    auto list = ListOf(entries);
    ASSERT_EQ(list.LineCount(), MaxListLines);

    EXPECT_EQ(list.AppendItem("One more"), ListEdit::ListFull);
    EXPECT_EQ(list.StoreEntryAtRow(list.Rows() + 3, "One more"), ListEdit::ListFull);
    EXPECT_EQ(list.LineCount(), MaxListLines);

    list.SetOrderOption(OrderOption::Alphabetically);
    ExpectRowsMatchLines(list);
    const int row = 500;
    const std::string shown = list.Row(row).item;
    ASSERT_EQ(list.StoreEntryAtRow(row, "Replaced"), ListEdit::Done);
    EXPECT_EQ(list.LineCount(), MaxListLines);
    int replaced = 0;
    for (const auto& line : list.EntryLines()) {
        EXPECT_NE("  " + ItemOfLine(line), shown);
        replaced += ItemOfLine(line) == "Replaced";
    }
    EXPECT_EQ(replaced, 1);

    EXPECT_EQ(ListOf(std::vector<ListEntry>(MaxListLines + 5, {"Tea", ""})).LineCount(), MaxListLines);
}

}  // namespace
}  // namespace shopping
