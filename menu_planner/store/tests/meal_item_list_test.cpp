// The meal item lists: which entries join a list and in what order the file
// then holds them, deletion (the last entry too), quotes, and damaged files.
#include "menu_planner/store/meal_item_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/testing/file_size_limit.h"
#include "platform/testing/test_folder.h"

namespace menu_planner {
namespace {

using basic::testing::ReadBytes;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;
using Items = std::vector<std::string>;

TEST(MealItemListTest, EachMealHasItsFile) {
    EXPECT_EQ(MealListFileName(Meal::Breakfast), "Menu1.Fil");
    EXPECT_EQ(MealListFileName(Meal::Lunch), "Menu2.Fil");
    EXPECT_EQ(MealListFileName(Meal::Dinner), "Menu3.Fil");
}

TEST(MealItemListTest, AMissingListIsEmptyAndTheFirstAdditionMakesTheFile) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    auto loaded = LoadMealList(folder, Meal::Lunch);
    EXPECT_EQ(loaded.result, ListRead::Missing);
    EXPECT_EQ(loaded.list.Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "Menu2.Fil"));

    ASSERT_EQ(loaded.list.AddTyped("Soup"), ListAdd::Added);
    ASSERT_TRUE(SaveMealList(folder, Meal::Lunch, loaded.list));
    EXPECT_EQ(ReadBytes(dir / "Menu2.Fil"), "\"Soup\"\r\n");
    EXPECT_EQ(ReadBytes(dir / "Menu1.Fil"), "");
}

TEST(MealItemListTest, AnAdditionSortsTheListWithoutRegardToCase) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "Menu1.Fil", "\"Banana\"\r\n\"Cherry\"\r\n");
    auto list = LoadMealList(folder, Meal::Breakfast).list;
    ASSERT_EQ(list.AddTyped("apple"), ListAdd::Added);
    ASSERT_TRUE(SaveMealList(folder, Meal::Breakfast, list));
    EXPECT_EQ(ReadBytes(dir / "Menu1.Fil"), "\"apple\"\r\n\"Banana\"\r\n\"Cherry\"\r\n");

    // A file written in another order is read in its own order.
    WriteBytes(dir / "Menu1.Fil", "\"Cherry\"\r\n\"Banana\"\r\n\"apple\"\r\n");
    EXPECT_EQ(LoadMealList(folder, Meal::Breakfast).list.Items(), (Items{"Cherry", "Banana", "apple"}));
}

TEST(MealItemListTest, TypedEntriesAreDuplicatesOnlyWhenEqualButForCase) {
    struct Case {
        const char* typed;
        ListAdd result;
    };
    const Case cases[] = {
        {"Pancakes", ListAdd::Duplicate},     {"PANCAKES", ListAdd::Duplicate}, {" Pancakes", ListAdd::Added},
        {"pancakes ", ListAdd::Added},        {"Waffles", ListAdd::Added},      {"", ListAdd::TooShort},
        {"\"Pancakes\"", ListAdd::Duplicate}, {"\"\"", ListAdd::TooShort},      {"W", ListAdd::Added},
    };
    for (const auto& c : cases) {
        MealItemList list(Items{"pancakes", "Toast"});
        EXPECT_EQ(list.AddTyped(c.typed), c.result) << c.typed;
        EXPECT_EQ(list.Count(), c.result == ListAdd::Added ? 3 : 2) << c.typed;
    }
}

TEST(MealItemListTest, RememberedEntriesIgnoreTrailingBlanksAndCaseAndNeedTwoCharacters) {
    struct Case {
        Items list;
        const char* box;
        ListAdd result;
        Items after;
    };
    const Case cases[] = {
        {{"TOAST"}, "Toast  ", ListAdd::Duplicate, {"TOAST"}},
        {{"Toast  "}, "toast", ListAdd::Duplicate, {"Toast  "}},
        {{"Jam"}, "Toast  ", ListAdd::Added, {"Jam", "Toast  "}},
        {{"Toast"}, " Toast", ListAdd::Added, {" Toast", "Toast"}},
        {{"Toast"}, "T", ListAdd::TooShort, {"Toast"}},
        {{"Toast"}, "\"T\"", ListAdd::TooShort, {"Toast"}},
        {{}, "Eggs", ListAdd::Added, {"Eggs"}},
        {{"Zucchini", "apple"}, "Muffin", ListAdd::Added, {"apple", "Muffin", "Zucchini"}},
        {{}, "\"Big\" Breakfast", ListAdd::Added, {"Big Breakfast"}},
    };
    for (const auto& c : cases) {
        MealItemList list(c.list);
        EXPECT_EQ(list.Remember(c.box), c.result) << c.box;
        EXPECT_EQ(list.Items(), c.after) << c.box;
    }
}

TEST(MealItemListTest, ADeletionKeepsTheStoredOrderOfTheRest) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "Menu3.Fil", "\"Cherry\"\r\n\"Banana\"\r\n\"apple\"\r\n");
    auto list = LoadMealList(folder, Meal::Dinner).list;
    EXPECT_TRUE(list.Delete("BANANA"));
    ASSERT_TRUE(SaveMealList(folder, Meal::Dinner, list));
    EXPECT_EQ(ReadBytes(dir / "Menu3.Fil"), "\"Cherry\"\r\n\"apple\"\r\n");
}

TEST(MealItemListTest, DeletionFindsOnlyTheEntryEqualButForCase) {
    struct Case {
        const char* text;
        bool deleted;
        Items after;
    };
    const Case cases[] = {
        {"toast", true, {"toast", "Jam"}},  // the first of the two
        {"Toast ", false, {"Toast", "toast", "Jam"}},
        {"Bread", false, {"Toast", "toast", "Jam"}},
        {"", false, {"Toast", "toast", "Jam"}},
        {"\"Jam\"", true, {"Toast", "toast"}},
    };
    for (const auto& c : cases) {
        MealItemList list(Items{"Toast", "toast", "Jam"});
        EXPECT_EQ(list.Delete(c.text), c.deleted) << c.text;
        EXPECT_EQ(list.Items(), c.after) << c.text;
    }
    MealItemList empty;
    EXPECT_FALSE(empty.Delete("Toast"));
}

TEST(MealItemListTest, TheLastEntryCanBeDeleted) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "Menu1.Fil", "\"Oatmeal\"\r\n");
    auto list = LoadMealList(folder, Meal::Breakfast).list;
    EXPECT_TRUE(list.Delete("oatmeal"));
    EXPECT_EQ(list.Count(), 0);
    ASSERT_TRUE(SaveMealList(folder, Meal::Breakfast, list));
    EXPECT_EQ(ReadBytes(dir / "Menu1.Fil"), "");
    const auto again = LoadMealList(folder, Meal::Breakfast);
    EXPECT_EQ(again.result, ListRead::Read);
    EXPECT_EQ(again.list.Count(), 0);
}

TEST(MealItemListTest, QuotesNeverReachTheFile) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    MealItemList list;
    ASSERT_EQ(list.AddTyped("Mom's \"famous\" chili"), ListAdd::Added);
    ASSERT_EQ(list.Remember("\"Tacos"), ListAdd::Added);
    ASSERT_TRUE(SaveMealList(folder, Meal::Dinner, list));
    EXPECT_EQ(ReadBytes(dir / "Menu3.Fil"), "\"Mom's famous chili\"\r\n\"Tacos\"\r\n");
    EXPECT_EQ(LoadMealList(folder, Meal::Dinner).list.Items(), (Items{"Mom's famous chili", "Tacos"}));
}

TEST(MealItemListTest, AListHoldsAtMostAThousandEntries) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    std::string bytes;
    for (int i = 0; i < 1005; ++i) bytes += "\"Item " + std::to_string(10000 + i) + "\"\r\n";
    WriteBytes(dir / "Menu2.Fil", bytes);
    auto loaded = LoadMealList(folder, Meal::Lunch);
    EXPECT_EQ(loaded.list.Count(), MealListCapacity);
    EXPECT_EQ(loaded.leftOut, 5);
    EXPECT_EQ(loaded.list.Items().back(), "Item 10999");
    EXPECT_EQ(loaded.list.AddTyped("Soup"), ListAdd::Full);
    EXPECT_EQ(loaded.list.Remember("Soup"), ListAdd::Full);
    EXPECT_EQ(loaded.list.Count(), MealListCapacity);
    // Once one is deleted there is room again.
    EXPECT_TRUE(loaded.list.Delete("Item 10000"));
    EXPECT_EQ(loaded.list.AddTyped("Soup"), ListAdd::Added);
}

struct DamagedList {
    const char* what;
    std::string bytes;
};

void PrintTo(const DamagedList& damaged, std::ostream* out) { *out << damaged.what; }

class DamagedMealList : public ::testing::TestWithParam<DamagedList> {};

// Whatever a file holds loads without a crash into items without quotes, and
// those items are written and load again the same.
TEST_P(DamagedMealList, LoadsWhatCanBeReadAndWritesItBackTheSame) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "Menu1.Fil", GetParam().bytes);
    const auto loaded = LoadMealList(folder, Meal::Breakfast);
    ASSERT_EQ(loaded.result, ListRead::Read);
    for (const auto& item : loaded.list.Items()) EXPECT_EQ(item.find('"'), std::string::npos) << item;
    ASSERT_TRUE(SaveMealList(folder, Meal::Breakfast, loaded.list));
    EXPECT_EQ(LoadMealList(folder, Meal::Breakfast).list.Items(), loaded.list.Items());
}

std::string Binary() {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(i * 37 % 256);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedMealList,
                         ::testing::Values(DamagedList{"unclosed quote", "\"Toast\r\n\"Jam\"\r\n\"Eggs"},
                                           DamagedList{"endless line", std::string(500000, 'x')},
                                           DamagedList{"unquoted with commas", "Toast, Jam,,Eggs\r\n"},
                                           DamagedList{"quote inside", "\"Eg\"gs\"\r\n"},
                                           DamagedList{"no line ends", "\"a\"\"b\"\"c\""},
                                           DamagedList{"binary", Binary()}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(MealItemListTest, AFileFarTooLargeIsNotRead) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "Menu1.Fil", std::string(MaxMealListFileBytes + 1, 'x'));
    const auto loaded = LoadMealList(folder, Meal::Breakfast);
    EXPECT_EQ(loaded.result, ListRead::TooLarge);
    EXPECT_EQ(loaded.list.Count(), 0);
}

TEST(MealItemListTest, ASaveThatFailsLeavesTheOldFileWholeAndSaysSo) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    WriteBytes(dir / "Menu2.Fil", "\"Soup\"\r\n\"Salad\"\r\n");
    MealItemList big;
    for (int i = 0; i < 1000; ++i) static_cast<void>(big.AddTyped("Sandwich number " + std::to_string(i)));
    {
        basic::testing::FileSizeLimit limit(4096);
        EXPECT_FALSE(SaveMealList(folder, Meal::Lunch, big));
    }
    EXPECT_EQ(ReadBytes(dir / "Menu2.Fil"), "\"Soup\"\r\n\"Salad\"\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "Menu2.Fil");
}

}  // namespace
}  // namespace menu_planner
