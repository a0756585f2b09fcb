// List files and master lists damaged or made by hand: each opens without a
// crash and gives what can be read of it; files far too large are refused.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/testing/test_folder.h"
#include "shopping/store/item_master_list.h"
#include "shopping/store/list_file.h"

namespace shopping {
namespace {

using basic::testing::TestFolder;
using basic::testing::WriteBytes;
using Lines = std::vector<std::string>;

std::string Binary() {
    std::string bytes;
    for (int i = 0; i < 512; ++i) bytes += static_cast<char>(i * 37 % 256);
    return bytes;
}

struct DamagedList {
    const char* what;
    std::string bytes;
    std::optional<Lines> lines;  // what opening it puts in the list, where that is plain
};

void PrintTo(const DamagedList& damaged, std::ostream* out) { *out << damaged.what; }

class DamagedListFile : public ::testing::TestWithParam<DamagedList> {};

TEST_P(DamagedListFile, OpensWithWhatCanBeRead) {
    TestFolder folder;
    const auto path = folder / "08Dec04.Lst";
    WriteBytes(path, GetParam().bytes);
    ShoppingList list;
    EXPECT_EQ(OpenListFile(path, list).result, basic::FileRead::Read);
    if (GetParam().lines) {
        EXPECT_EQ(list.EntryLines(), *GetParam().lines);
    }
    EXPECT_EQ(list.Rows(), std::max(16, list.LineCount() + 1));

    // What it gives is saved and opened again unchanged.
    ASSERT_TRUE(SaveListFile(path, list));
    ShoppingList again;
    OpenListFile(path, again);
    EXPECT_EQ(again.EntryLines(), list.EntryLines());
}

std::string Padded(std::string item) {
    item.resize(30, ' ');
    return item;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedListFile,
    ::testing::Values(
        DamagedList{"empty", "", Lines{}},
        DamagedList{"line_breaks_only", "\r\n\r\n\n", Lines{}},
        // The last item of an odd count has no amount, not the one before it.
        DamagedList{"odd_item_count", "\"  Milk\"\r\n\"2 Gallon(s)\"\r\n\"  Bread\"\r\n", Lines{Padded("Milk") + "2 Gallon(s)", "Bread"}},
        // The quoted amount runs on to the next quote; the rest of that line is skipped.
        DamagedList{"unclosed_quote", "\"  Milk\"\r\n\"2 Gal\r\n\"  Bread\"\r\n\"\"\r\n", Lines{Padded("Milk") + "2 Gal\r\n"}},
        DamagedList{"unclosed_last_quote", "\"  Milk\"\r\n\"2 Gallon(s", Lines{Padded("Milk") + "2 Gallon(s"}},
        DamagedList{"long_line", "\"  " + std::string(100000, 'a') + "\"\r\n\"" + std::string(100000, '1') + "\"\r\n",
                    Lines{std::string(30, 'a') + std::string(30, '1')}},
        DamagedList{"long_line_unquoted", std::string(100000, 'b'), Lines{std::string(30, 'b')}},
        DamagedList{"unquoted_with_commas", "  Milk, 2 Gallon(s)\r\nBread,\r\n\"Jam\",\"1 \"Jar\"\r\n",
                    Lines{Padded("Milk") + "2 Gallon(s)", "Bread", Padded("Jam") + "1"}},
        DamagedList{"quotes_in_unquoted_items", "Ice \"cream\"\r\n2 \"tubs\"\r\n", Lines{Padded("Ice cream") + "2 tubs"}},
        DamagedList{"zero_bytes", std::string("\"  Mi\0lk\"\r\n\"\0\"\r\n", 16),
                    Lines{Padded(std::string("Mi\0lk", 5)) + std::string(1, '\0')}},
        DamagedList{"binary", Binary(), std::nullopt}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(DamagedListFile, AFileFarLargerThanAnyListIsNotRead) {
    TestFolder folder;
    const auto path = folder / "08Dec04.Lst";
    WriteBytes(path, std::string(MaxListFileBytes + 1, 'x'));
    ShoppingList list;
    ASSERT_EQ(list.AppendItem("Milk"), ListEdit::Done);
    EXPECT_EQ(OpenListFile(path, list).result, basic::FileRead::TooLarge);
    EXPECT_EQ(list.LineCount(), 0);
}

struct DamagedMasterList {
    const char* what;
    std::string bytes;
    Lines items;
};

void PrintTo(const DamagedMasterList& damaged, std::ostream* out) { *out << damaged.what; }

class DamagedMasterListFile : public ::testing::TestWithParam<DamagedMasterList> {};

TEST_P(DamagedMasterListFile, LoadsWhatItCan) {
    TestFolder folder;
    WriteBytes(folder / "LISTNAME.Fil", GetParam().bytes);
    const auto loaded = LoadMasterItems(basic::ProgramFolder(folder.path()));
    EXPECT_EQ(loaded.result, basic::FileRead::Read);
    EXPECT_EQ(loaded.list.Items(), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedMasterListFile,
    ::testing::Values(DamagedMasterList{"empty", "", {}},
                      DamagedMasterList{"no_line_end", "\"Milk\"\r\n\"Bread\"", {"Milk", "Bread"}},
                      DamagedMasterList{"unclosed_quote", "\"Milk\"\r\n\"Bre", {"Milk", "Bre"}},
                      DamagedMasterList{"unquoted", "  Milk  \r\nBread,Jam\r\n", {"Milk", "Bread", "Jam"}},
                      DamagedMasterList{"quotes_inside", "Ice \"cream\"\r\n", {"Ice cream"}},
                      DamagedMasterList{"blank_lines", "\"Milk\"\r\n\r\n\"  \"\r\n", {"Milk", "", ""}},
                      DamagedMasterList{"long_line", std::string(100000, 'z'), {std::string(100000, 'z')}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(DamagedMasterListFile, ItemsPastTheCapacityAreLeftOutAndCounted) {
    TestFolder folder;
    std::string bytes;
    for (int i = 0; i < MasterListCapacity + 4; ++i) bytes += "\"Item " + std::to_string(i) + "\"\r\n";
    WriteBytes(folder / "LISTNAME.Fil", bytes);
    const auto loaded = LoadMasterItems(basic::ProgramFolder(folder.path()));
    EXPECT_EQ(loaded.list.Count(), MasterListCapacity);
    EXPECT_EQ(loaded.leftOut, 4);
    EXPECT_EQ(loaded.list.Items().back(), "Item 8999");
}

TEST(DamagedMasterListFile, AFileFarLargerThanAnyMasterListIsNotRead) {
    TestFolder folder;
    WriteBytes(folder / "LISTNAME.Fil", std::string(MaxItemMasterFileBytes + 1, 'x'));
    const auto loaded = LoadMasterItems(basic::ProgramFolder(folder.path()));
    EXPECT_EQ(loaded.result, basic::FileRead::TooLarge);
    EXPECT_EQ(loaded.list.Count(), 0);
}

}  // namespace
}  // namespace shopping
