// The item master list: which items count as held, adding and deleting as
// the drop-down's buttons do, and the file they keep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/file_size_limit.h"
#include "platform/testing/test_folder.h"
#include "shopping/store/item_master_list.h"

namespace shopping {
namespace {

using basic::testing::ReadBytes;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;
using Items = std::vector<std::string>;

TEST(ItemMasterList, AnItemIsHeldWhenEqualButForCaseAndTrailingBlanks) {
    ItemMasterList list(Items{"Milk", "Bread"});
    EXPECT_EQ(list.CheckMasterItem("milk "), MasterCheck::Found);
    EXPECT_EQ(list.CheckMasterItem("BREAD"), MasterCheck::Found);
    EXPECT_EQ(list.CheckMasterItem("   "), MasterCheck::Found);
    EXPECT_EQ(list.CheckMasterItem(""), MasterCheck::Found);
    EXPECT_EQ(list.Items(), (Items{"Milk", "Bread"}));

    // Leading blanks count: the item is new, and kept as typed.
    EXPECT_EQ(list.CheckMasterItem(" Milk"), MasterCheck::Added);
    EXPECT_EQ(list.CheckMasterItem("Eggs  "), MasterCheck::Added);
    EXPECT_EQ(list.CheckMasterItem("Jam \"Deluxe\""), MasterCheck::Added);
    EXPECT_EQ(list.Items(), (Items{"Milk", "Bread", " Milk", "Eggs  ", "Jam Deluxe"}));
}

TEST(ItemMasterList, DeletingRemovesTheFirstMatchAndTheLastItemLeavesOneEmptyItem) {
    ItemMasterList list(Items{"Milk", "Bread", "milk"});
    EXPECT_TRUE(list.DeleteMasterItem("MILK"));
    EXPECT_EQ(list.Items(), (Items{"Bread", "milk"}));
    EXPECT_FALSE(list.DeleteMasterItem("milk "));  // blanks count here
    EXPECT_FALSE(list.DeleteMasterItem(""));

    ItemMasterList one(Items{"Tea"});
    EXPECT_TRUE(one.DeleteMasterItem("tea"));
    EXPECT_EQ(one.Items(), (Items{""}));
    EXPECT_EQ(one.CheckMasterItem("Coffee"), MasterCheck::Added);
    EXPECT_EQ(one.Items(), (Items{"Coffee"}));
}

TEST(ItemMasterList, AFullListAddsNothing) {
    Items items;
    for (int i = 0; i < MasterListCapacity + 3; ++i) items.push_back("Item " + std::to_string(i));
    ItemMasterList list(items);
    EXPECT_EQ(list.Count(), MasterListCapacity);
    EXPECT_EQ(list.CheckMasterItem("Something new"), MasterCheck::Full);
    EXPECT_EQ(list.Count(), MasterListCapacity);
    EXPECT_EQ(list.CheckMasterItem("item 7"), MasterCheck::Found);
}

TEST(ItemMasterListFile, WrittenOneQuotedItemALineAndReadBackTrimmed) {
    TestFolder folder;
    const basic::ProgramFolder program(folder.path());
    ItemMasterList list(Items{"Milk"});
    ASSERT_EQ(list.CheckMasterItem(" Bread "), MasterCheck::Added);
    ASSERT_TRUE(WriteMasterItems(program, list));
    EXPECT_EQ(ReadBytes(folder / "LISTNAME.Fil"), "\"Milk\"\r\n\" Bread \"\r\n");

    const auto loaded = LoadMasterItems(program);
    EXPECT_EQ(loaded.result, basic::FileRead::Read);
    EXPECT_EQ(loaded.list.Items(), (Items{"Milk", "Bread"}));

    ItemMasterList emptied(Items{"Tea"});
    ASSERT_TRUE(emptied.DeleteMasterItem("Tea"));
    ASSERT_TRUE(WriteMasterItems(program, emptied));
    EXPECT_EQ(ReadBytes(folder / "LISTNAME.Fil"), "\"\"\r\n");
}

TEST(ItemMasterListFile, TheFileIsFoundWhateverTheCaseOfItsName) {
    TestFolder folder;
    WriteBytes(folder / "listname.fil", "\"Milk\"\r\n");
    const basic::ProgramFolder program(folder.path());
    EXPECT_EQ(LoadMasterItems(program).list.Items(), (Items{"Milk"}));
    ASSERT_TRUE(WriteMasterItems(program, ItemMasterList(Items{"Milk", "Tea"})));
    EXPECT_EQ(ReadBytes(folder / "listname.fil"), "\"Milk\"\r\n\"Tea\"\r\n");
}

TEST(ItemMasterListFile, AMissingFileIsAnEmptyList) {
    TestFolder folder;
    const auto loaded = LoadMasterItems(basic::ProgramFolder(folder.path()));
    EXPECT_EQ(loaded.result, basic::FileRead::Missing);
    EXPECT_EQ(loaded.list.Count(), 0);
}

TEST(ItemMasterListFile, AWriteThatFailsMidwayIsReportedAndLeavesTheOldFile) {
    TestFolder folder;
    WriteBytes(folder / "LISTNAME.Fil", "\"Milk\"\r\n");
    Items many(500, "Another grocery item");
    {
        basic::testing::FileSizeLimit diskFull(100);
        EXPECT_FALSE(WriteMasterItems(basic::ProgramFolder(folder.path()), ItemMasterList(many)));
    }
    EXPECT_EQ(ReadBytes(folder / "LISTNAME.Fil"), "\"Milk\"\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace shopping
