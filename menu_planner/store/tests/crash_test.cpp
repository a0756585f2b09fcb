// A day and a meal list saved in a child process killed at each durable
// step: after every kill each day of the year file and the list read as
// before or as saved, and nothing but a temporary file of ours is left.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "menu_planner/store/meal_item_list.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/basic/atomic_write.h"
#include "platform/testing/kill_points.h"
#include "platform/testing/test_folder.h"

namespace menu_planner {
namespace {

using basic::testing::ReadBytes;
using basic::testing::RunUntilKilled;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

DayMenuRecord Menu(std::string first) {
    DayMenuRecord record;
    record.entries[0] = std::move(first);
    record.inUse = true;
    return record;
}

void ExpectOnlyOurTemporariesBeside(const std::filesystem::path& target, int stopAt) {
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path())) {
        if (entry.path() == target) continue;
        EXPECT_TRUE(entry.path().filename().string().starts_with(basic::TemporaryNamePrefix(target)))
            << entry.path().filename() << " after step " << stopAt;
    }
}

TEST(MenuPlannerCrashTest, ADaySaveLosesNoOtherDayAtAnyStopPoint) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    const auto target = dir / " 2004.Mnu";
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 11, Menu("Toast")));
    ASSERT_TRUE(SaveDayMenu(folder, 2004, 431, Menu("Ham")));
    const std::string before = ReadBytes(target);
    int stops = 0;
    for (int stopAt = 1; stopAt < 50 && stops == 0; ++stopAt) {
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove(entry.path());
        WriteBytes(target, before);
        const bool finished = RunUntilKilled([&] { EXPECT_TRUE(SaveDayMenu(folder, 2004, 53, Menu("Eggs"))); }, stopAt);
        EXPECT_EQ(ReadDayMenu(folder, 2004, 11).record, Menu("Toast")) << "after step " << stopAt;
        EXPECT_EQ(ReadDayMenu(folder, 2004, 431).record, Menu("Ham")) << "after step " << stopAt;
        const auto day = ReadDayMenu(folder, 2004, 53);
        EXPECT_TRUE(day.result == DayRead::NotInUse || day.record == Menu("Eggs")) << "after step " << stopAt;
        ExpectOnlyOurTemporariesBeside(target, stopAt);
        if (finished) stops = stopAt - 1;
    }
    EXPECT_GT(stops, 0);
}

TEST(MenuPlannerCrashTest, AMealListSaveLeavesTheOldListOrTheNewAtEveryStopPoint) {
    TestFolder dir;
    const basic::ProgramFolder folder(dir.path());
    const auto target = dir / "Menu1.Fil";
    MealItemList list(std::vector<std::string>{"Oatmeal", "Toast"});
    ASSERT_EQ(list.AddTyped("Bagel"), ListAdd::Added);
    int stops = 0;
    for (int stopAt = 1; stopAt < 50 && stops == 0; ++stopAt) {
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove(entry.path());
        WriteBytes(target, "\"Oatmeal\"\r\n\"Toast\"\r\n");
        const bool finished = RunUntilKilled([&] { EXPECT_TRUE(SaveMealList(folder, Meal::Breakfast, list)); }, stopAt);
        const std::string now = ReadBytes(target);
        EXPECT_TRUE(now == EncodeMealList(list) || now == "\"Oatmeal\"\r\n\"Toast\"\r\n") << "after step " << stopAt;
        ExpectOnlyOurTemporariesBeside(target, stopAt);
        if (finished) stops = stopAt - 1;
    }
    EXPECT_GT(stops, 0);
}

}  // namespace
}  // namespace menu_planner
