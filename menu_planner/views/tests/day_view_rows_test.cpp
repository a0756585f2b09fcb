// The rows of the day and range views, read from year files on disk.
#include "menu_planner/views/day_view_rows.h"

#include <gtest/gtest.h>

#include "menu_planner/store/year_menu_file.h"
#include "platform/testing/test_folder.h"

namespace menu_planner {
namespace {

using basic::CalendarDate;
using basic::testing::TestFolder;
using basic::testing::WriteBytes;

class DayViewRowsTest : public ::testing::Test {
protected:
    void save(CalendarDate day, std::initializer_list<std::pair<int, std::string>> entries) {
        DayMenuRecord record;
        for (const auto& [box, text] : entries) record.entries[static_cast<std::size_t>(box)] = text;
        ASSERT_TRUE(SaveDayMenu(program, day.year, DayKey(day), record));
    }

    TestFolder folder;
    basic::ProgramFolder program{folder.path()};
};

TEST_F(DayViewRowsTest, ARangeAcrossTheYearsEndReadsJanuaryFromTheNextYearsFile) {
    save({2004, 12, 20}, {{0, "Eggs"}});
    save({2004, 12, 31}, {{14, "Ham"}});
    const auto rows = ReadDayRows(program, {2004, 12, 20}, 31);

    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows.front().dayText, "Mon - Dec 20, 2004");
    EXPECT_EQ(rows[1].dayText, "Tue - Dec 21, 2004");
    EXPECT_EQ(rows[11].dayText, "Fri - Dec 31, 2004");
    EXPECT_EQ(rows[12].dayText, "Sat - Jan 01, 2005");
    EXPECT_EQ(rows.back().dayText, "Thu - Jan 20, 2005");
    EXPECT_EQ(rows.front().meals, (std::array<std::string, 3>{"Eggs\r", "", ""}));
    EXPECT_EQ(rows[11].meals, (std::array<std::string, 3>{"", "", "Ham\r"}));
    for (std::size_t k = 12; k < rows.size(); ++k) {
        EXPECT_FALSE(rows[k].saved) << rows[k].dayText;
        EXPECT_EQ(rows[k].meals, (std::array<std::string, 3>{"No menu items were found", "", ""}));
    }
    EXPECT_FALSE(std::filesystem::exists(folder / " 2005.Mnu")) << "the views only read";

    // A day of the next year's file, once it is there.
    save({2005, 1, 1}, {{7, "Soup"}});
    EXPECT_EQ(ReadDayRows(program, {2004, 12, 20}, 31)[12].meals[1], "Soup\r");
}

TEST_F(DayViewRowsTest, MealCellsHoldTheNonBlankEntriesInOrderAndTheRowIsAsHighAsTheLongestMeal) {
    // Breakfast in boxes 1 and 3 only, two lunch entries, five dinner entries.
    save({2004, 4, 5}, {{0, "Toast"},
                        {2, "  Tea"},
                        {7, "Soup"},
                        {13, "Salad"},
                        {14, "A"},
                        {15, "B"},
                        {17, "C"},
                        {19, "D"},
                        {20, "E"}});
    const auto rows = ReadDayRows(program, {2004, 4, 5}, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].dayText, "Mon - Apr 05, 2004");
    EXPECT_EQ(rows[0].meals, (std::array<std::string, 3>{"Toast\r  Tea\r", "Soup\rSalad\r", "A\rB\rC\rD\rE\r"}));
    EXPECT_EQ(rows[0].lines, 5);
    EXPECT_EQ(DayRowHeight(rows[0], 7000), 1120);  // 5 x 0.032 x 7000
}

TEST_F(DayViewRowsTest, ADaySavedWithBlankEntriesStillHasARowOfOneLine) {
    save({2004, 4, 6}, {});
    const auto rows = ReadDayRows(program, {2004, 4, 5}, 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[0].saved);
    EXPECT_EQ(DayRowHeight(rows[0], 7000), 0) << "the grid's own height";
    EXPECT_TRUE(rows[1].saved);
    EXPECT_EQ(rows[1].meals, (std::array<std::string, 3>{}));
    EXPECT_EQ(DayRowHeight(rows[1], 7000), 224);
}

TEST_F(DayViewRowsTest, CountsOutsideTheRange) {
    EXPECT_EQ(ReadDayRows(program, {2004, 2, 28}, 0).size(), 1u);
    EXPECT_TRUE(ReadDayRows(program, {2004, 2, 28}, -1).empty());
    EXPECT_EQ(ReadDayRows(program, {2004, 2, 28}, 45).size(), 32u) << "at most 31 days follow";
    EXPECT_EQ(ReadDayRows(program, {2004, 2, 28}, 2)[1].dayText, "Sun - Feb 29, 2004");
}

TEST_F(DayViewRowsTest, DamagedYearFilesShowTheirDaysUnsavedOrAsTheyStand) {
    const std::string full = EncodeDayRecord({});
    std::string oneDay(std::size_t(DayKey(5, 3) - 1) * DayRecordLength, '\0');
    oneDay += "Eggs" + std::string(28, ' ');
    oneDay += std::string(640, ' ') + "Full      ";
    const struct {
        const char* what;
        std::string bytes;
        bool marchFifthSaved;
    } cases[] = {
        {"empty", "", false},
        {"short: the record cut before its mark", oneDay.substr(0, oneDay.size() - 8), false},
        {"a whole record", oneDay, true},
        {"oversized", oneDay + std::string(2'000'000, 'x'), true},
        {"binary", std::string(400'000, '\xFF'), false},
        {"zeros", std::string(400'000, '\0'), false},
        {"marked in lower case", oneDay.substr(0, oneDay.size() - 10) + "full      ", false},
    };
    for (const auto& c : cases) {
        WriteBytes(folder / " 2004.Mnu", c.bytes);
        const auto rows = ReadDayRows(program, {2004, 3, 4}, 2);
        ASSERT_EQ(rows.size(), 3u) << c.what;
        EXPECT_EQ(rows[1].saved, c.marchFifthSaved) << c.what;
        if (c.marchFifthSaved) {
            EXPECT_EQ(rows[1].meals[0], "Eggs\r") << c.what;
        }
        for (const auto& row : rows)
            for (const auto& meal : row.meals) EXPECT_LE(meal.size(), 7u * 33) << c.what;
    }
    // A folder where the file should be cannot be read: its days show unsaved.
    std::filesystem::remove(folder / " 2004.Mnu");
    std::filesystem::create_directory(folder / " 2004.Mnu");
    EXPECT_FALSE(ReadDayRows(program, {2004, 3, 5}, 0)[0].saved);
}

}  // namespace
}  // namespace menu_planner
