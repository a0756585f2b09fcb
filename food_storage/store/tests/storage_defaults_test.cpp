// The default titles and amounts that come with the program, and the
// clearing of the last-action columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "food_storage/store/storage_defaults.h"
#include "food_storage/store/storage_files.h"
#include "platform/testing/test_folder.h"

namespace food_storage {
namespace {

using basic::testing::TestFolder;
using basic::testing::WriteBytes;

std::string QuotedLines(const std::vector<std::string>& items) {
    std::string bytes;
    for (const auto& item : items) bytes += "\"" + item + "\"\r\n";
    return bytes;
}

TEST(StorageDefaultsTest, DefaultTitlesReplaceTheRowsTheFileHas) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    StorageTable table;
    RebuildAllRows(StorageKind::Basic, table);
    for (int r = 1; r <= StorageRows; ++r) table.Cell(r, TitleColumn) = "old";

    // Missing: nothing changes.
    EXPECT_FALSE(LoadDefaultTitles(folder, StorageKind::Basic, table));
    EXPECT_EQ(table.Cell(1, TitleColumn), "old");

    WriteBytes(dir / "FdsB3.Fil", QuotedLines({"Grains", " Wheat", "Rice"}));
    ASSERT_TRUE(LoadDefaultTitles(folder, StorageKind::Basic, table));
    EXPECT_EQ(ShownTitle(StorageKind::Basic, table, 1), "Grains");
    EXPECT_EQ(ShownTitle(StorageKind::Basic, table, 2), "    Wheat");  // under a marked total row
    EXPECT_EQ(ShownTitle(StorageKind::Basic, table, 3), "    Rice");
    EXPECT_EQ(table.Cell(4, TitleColumn), "old");

    // Sixty titles and more: each row takes its own, the rest is ignored.
    std::vector<std::string> titles;
    for (int i = 1; i <= 65; ++i) titles.push_back("Title " + std::to_string(i));
    WriteBytes(dir / "EmerE3.Fil", QuotedLines(titles));
    StorageTable emergency;
    ASSERT_TRUE(LoadDefaultTitles(folder, StorageKind::Emergency, emergency));
    EXPECT_EQ(emergency.Cell(1, TitleColumn), "Title 1");
    EXPECT_EQ(emergency.Cell(60, TitleColumn), "Title 60");
}

TEST(StorageDefaultsTest, DefaultAmountsGoToTheKindsAmountRowsAndTheTotalsFollow) {
    struct Case {
        StorageKind kind;
        std::vector<int> rows;
    } const cases[] = {
        {StorageKind::Basic, {1, 13, 22, 34, 35, 40, 54, 55}},
        {StorageKind::Emergency, {2, 3, 4, 5, 6, 7, 11}},
        {StorageKind::Additional, {1, 17}},
    };
    for (const Case& c : cases) {
        const auto rows = DefaultAmountRows(c.kind);
        EXPECT_EQ(std::vector<int>(rows.begin(), rows.end()), c.rows);

        TestFolder dir;
        const basic::ProgramFolder folder(dir.path());
        std::vector<std::string> amounts;
        for (std::size_t i = 0; i < c.rows.size(); ++i) amounts.push_back("  " + std::to_string(i + 1) + " lbs");
        WriteBytes(dir / std::string(FileNamesOf(c.kind).defaultAmounts), QuotedLines(amounts));
        StorageTable table;
        RebuildAllRows(c.kind, table);
        ASSERT_TRUE(LoadDefaultAmounts(folder, c.kind, table, "3"));
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const int row = c.rows[i];
            EXPECT_EQ(table.Cell(row, AmountPerPersonColumn), std::to_string(i + 1) + " lbs") << row;
            EXPECT_EQ(table.Cell(row, TotalNeededColumn), " " + std::to_string(3 * (i + 1)) + " lbs") << row;
        }
    }
}

TEST(StorageDefaultsTest, AShortOrMissingAmountsFileReplacesOnlyWhatItHas) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    StorageTable table;
    table.Cell(13, AmountPerPersonColumn) = "8 qts";
    EXPECT_FALSE(LoadDefaultAmounts(folder, StorageKind::Basic, table, "2"));
    EXPECT_EQ(table.Cell(13, TotalNeededColumn), "");  // nothing recomputed either

    WriteBytes(dir / "FdsB4.Fil", QuotedLines({"25 lbs"}));
    ASSERT_TRUE(LoadDefaultAmounts(folder, StorageKind::Basic, table, "2"));
    EXPECT_EQ(table.Cell(1, TotalNeededColumn), " 50 lbs");
    EXPECT_EQ(table.Cell(13, AmountPerPersonColumn), "8 qts");
    EXPECT_EQ(table.Cell(13, TotalNeededColumn), " 16 qts");
}

TEST(StorageDefaultsTest, ClearingEmptiesTheLastActionsOfEveryRowButMarkedOnes) {
    struct Case {
        StorageKind kind;
        int row;
        bool marked;
    } const cases[] = {
        {StorageKind::Basic, 1, true},       {StorageKind::Basic, 2, false},      {StorageKind::Basic, 34, false},
        {StorageKind::Emergency, 1, true},   {StorageKind::Emergency, 11, false}, {StorageKind::Additional, 42, true},
        {StorageKind::Additional, 43, false}, {StorageKind::Additional, 59, false},
    };
    for (const Case& c : cases) {
        StorageTable table;
        RebuildAllRows(c.kind, table);
        for (int r = 1; r <= StorageRows; ++r) {
            table.Cell(r, OnHandColumn) = "3";
            if (r == c.row + 1 || IsMark(table.Cell(r, LastActionDateColumn))) continue;
            table.Cell(r, LastActionDateColumn) = "04/12/04";
            table.Cell(r, AmountAddedColumn) = "5";
            table.Cell(r, AmountUsedColumn) = "2";
        }
        ClearLastActionColumns(table);
        for (int col = LastActionDateColumn; col <= AmountUsedColumn; ++col) {
            EXPECT_EQ(table.Cell(c.row, col), c.marked ? "*" : "") << c.row << ", " << col;
            EXPECT_TRUE(table.Cell(c.row + 1, col).empty() || IsMark(table.Cell(c.row + 1, col))) << c.row + 1;
        }
        EXPECT_EQ(table.Cell(c.row, OnHandColumn), "3");
    }
}

}  // namespace
}  // namespace food_storage
