// A list saved under its shopping date and opened again: the bytes of the
// file, exactly, and what opening makes of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/file_size_limit.h"
#include "platform/testing/test_folder.h"
#include "shopping/store/list_file.h"
#include "shopping/store/list_file_name.h"

namespace shopping {
namespace {

using basic::testing::ReadBytes;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

std::string Quoted(const std::vector<std::string>& items) {
    std::string bytes;
    for (const auto& item : items) bytes += "\"" + item + "\"\r\n";
    return bytes;
}

std::vector<std::string> WithEmptyItems(std::vector<std::string> items, std::size_t total) {
    items.resize(total);
    return items;
}

class ListFileTest : public ::testing::Test {
protected:
    std::filesystem::path FileFor(std::string_view dateBoxText) const {
        const auto date = ParseDateBoxText(dateBoxText);
        EXPECT_TRUE(date);
        return folder / *ListFileName(*date);
    }
    TestFolder folder;
};

TEST_F(ListFileTest, TwoItemsOnSixteenRowsSaveAsThirtyQuotedLinesUnderTheDate) {
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("Milk", "2 Gallon(s)"), ListEdit::Done);
    ASSERT_EQ(list.AppendItem("Bread"), ListEdit::Done);

    const auto path = FileFor("12/8/04");
    EXPECT_EQ(path.filename(), "08Dec04.Lst");
    ASSERT_TRUE(SaveListFile(path, list));
    EXPECT_EQ(ReadBytes(path), Quoted(WithEmptyItems({"  Milk", "2 Gallon(s)", "  Bread"}, 30)));

    ShoppingList opened;
    opened.SetOrderOption(OrderOption::Alphabetically);
    const auto result = OpenListFile(path, opened);
    EXPECT_EQ(result.result, basic::FileRead::Read);
    EXPECT_EQ(result.leftOut, 0);
    EXPECT_EQ(opened.EntryLines(), (std::vector<std::string>{"Milk                          2 Gallon(s)", "Bread"}));
    EXPECT_EQ(opened.Order(), OrderOption::AsEntered);
    EXPECT_FALSE(opened.ListChanged());
    EXPECT_EQ(opened.Rows(), 16);
}

TEST_F(ListFileTest, ItemsLongerThanTheGridShowsKeepTheirTail) {
    const std::string item = "Extra virgin olive oil bottle";  // 29 characters
    const std::string thirty = "Whole wheat spaghetti noodles!";  // 30
    ShoppingList list;
    ASSERT_EQ(list.AppendItem(item, "1 Bottle"), ListEdit::Done);
    ASSERT_EQ(list.AppendItem(thirty), ListEdit::Done);
    ASSERT_EQ(list.Row(1).item, "  Extra virgin olive oil bot");

    const auto path = folder / "01Jan05.Lst";
    ASSERT_TRUE(SaveListFile(path, list));
    EXPECT_EQ(ReadBytes(path), Quoted(WithEmptyItems({"  " + item, "1 Bottle", "  " + thirty}, 30)));
    ShoppingList opened;
    OpenListFile(path, opened);
    EXPECT_EQ(opened.EntryLines(), list.EntryLines());
}

TEST_F(ListFileTest, RowsAreWrittenInTheOrderShownAndAClearedGridWritesItsFourteenRows) {
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("pears"), ListEdit::Done);
    ASSERT_EQ(list.AppendItem("Apples", "3"), ListEdit::Done);
    list.SetOrderOption(OrderOption::Alphabetically);
    EXPECT_EQ(DecodeListFile(EncodeListFile(list)), (std::vector<ListEntry>{{"Apples", "3"}, {"pears", ""}}));

    // An amount sort that leaves empty rows between items writes them too.
    list.SetOrderOption(OrderOption::AsEntered);
    list.SortRows(1, true, 1);
    EXPECT_EQ(EncodeListFile(list), Quoted(WithEmptyItems({"  pears", ""}, 28)) + Quoted({"  Apples", "3"}));

    list.Clear();
    EXPECT_EQ(EncodeListFile(list), Quoted(std::vector<std::string>(28)));
}

TEST_F(ListFileTest, OpeningTurnsEachPairIntoALine) {
    const auto path = folder / "05Jan04.Lst";
    WriteBytes(path, Quoted({"  Milk", "2 Gallon(s)",                 // item and amount
                             "", "1 Box",                             // no item: left out
                             "     Cheese", "",                        // item alone
                             "  A name of more than thirty letters", "2",  // cut to 30
                             "  Jam  ", "  1 Jar ",                   // blanks trimmed
                             "  Tea", "   "}));                       // a blank amount is none
    ShoppingList list;
    OpenListFile(path, list);
    EXPECT_EQ(list.EntryLines(), (std::vector<std::string>{"Milk                          2 Gallon(s)", "Cheese",
                                                           "A name of more than thirty let2",
                                                           "Jam                           1 Jar", "Tea"}));
}

TEST_F(ListFileTest, OpeningClearsTheListEvenWhenTheFileCannotBeRead) {
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("Milk"), ListEdit::Done);
    EXPECT_EQ(OpenListFile(folder / "09Sep09.Lst", list).result, basic::FileRead::Missing);
    EXPECT_EQ(list.LineCount(), 0);
    EXPECT_EQ(list.Rows(), 15);
    EXPECT_FALSE(list.ListChanged());

    std::filesystem::create_directory(folder / "10Oct10.Lst");
    EXPECT_EQ(OpenListFile(folder / "10Oct10.Lst", list).result, basic::FileRead::Unreadable);
}

TEST_F(ListFileTest, AFileOfMoreThanAThousandItemsOpensTheFirstThousandAndSaysHowManyWereLeftOut) {
    std::vector<std::string> items;
    for (int i = 0; i < MaxListLines + 7; ++i) {
        items.push_back("  Item " + std::to_string(i));
        items.push_back("");
    }
    const auto path = folder / "02Feb02.Lst";
    WriteBytes(path, Quoted(items));
    ShoppingList list;
    const auto result = OpenListFile(path, list);
    EXPECT_EQ(result.result, basic::FileRead::Read);
    EXPECT_EQ(result.leftOut, 7);
    EXPECT_EQ(list.LineCount(), MaxListLines);
    EXPECT_EQ(list.EntryLines().back(), "Item 999");
}

TEST_F(ListFileTest, ASaveThatFailsMidwayIsReportedAndLeavesTheOldFile) {
    const auto path = folder / "08Dec04.Lst";
    const std::string old = Quoted(WithEmptyItems({"  Tea"}, 30));
    WriteBytes(path, old);
    ShoppingList list;
    for (int i = 0; i < 40; ++i) ASSERT_EQ(list.AppendItem("Item " + std::to_string(i), "1 Box"), ListEdit::Done);
    {
        basic::testing::FileSizeLimit diskFull(100);
        EXPECT_FALSE(SaveListFile(path, list));
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    EXPECT_FALSE(SaveListFile(folder / "no such folder" / "08Dec04.Lst", list));
}

TEST_F(ListFileTest, SavingAgainReplacesTheWholeFile) {
    const auto path = folder / "08Dec04.Lst";
    WriteBytes(path, Quoted(std::vector<std::string>(60, "old")));
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("Milk"), ListEdit::Done);
    ASSERT_TRUE(SaveListFile(path, list));
    EXPECT_EQ(ReadBytes(path), Quoted(WithEmptyItems({"  Milk"}, 30)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace shopping
