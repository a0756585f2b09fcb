// The pieces of the window that need no window: category ranges, the
// rollup's figures, the chart's values and the last action's dates.
#include <gtest/gtest.h>

#include "food_storage/last_action_date.h"
#include "food_storage/rollup_values.h"
#include "food_storage/storage_categories.h"

namespace food_storage {
namespace {

TEST(StorageCategoriesTest, RangesOfEachKind) {
    const struct {
        StorageKind kind;
        int category;
        int first;
        int last;
    } cases[] = {{StorageKind::Basic, 0, 1, 60},      {StorageKind::Basic, 3, 22, 33},
                 {StorageKind::Basic, 6, 40, 53},     {StorageKind::Emergency, 7, 46, 54},
                 {StorageKind::Emergency, 8, 55, 60}, {StorageKind::Additional, 5, 47, 54}};
    for (const auto& c : cases) {
        const auto range = CategoryRange(c.kind, c.category);
        ASSERT_TRUE(range) << c.category;
        EXPECT_EQ(range->first, c.first);
        EXPECT_EQ(range->last, c.last);
    }
    EXPECT_FALSE(CategoryRange(StorageKind::Additional, 7));
    EXPECT_FALSE(CategoryRange(StorageKind::Basic, 9));
    EXPECT_FALSE(CategoryRange(StorageKind::Basic, -1));
    EXPECT_EQ(CategoryCaptions(StorageKind::Additional)[8], nullptr);
}

StorageTable GrainsWith(const char* need, const char* onHand) {
    StorageTable table;
    table.Cell(1, TitleColumn) = "Grains";
    table.Cell(1, TotalNeededColumn) = need;
    table.Cell(1, OnHandColumn) = onHand;
    return table;
}

TEST(RollupValuesTest, ALineShowsTheRoundedAmountAndItsShare) {
    const struct {
        const char* need;
        const char* onHand;
        const char* shownNeed;
        const char* shownOnHand;
        const char* percent;
    } cases[] = {
        {" 100 lbs", "55 lbs", "100 lbs", "55", "        55%"},
        {" 100", "0.4", "100", "0", "        0%"},
        {" 100", "0.6", "100", "1", "        1%"},
        {" 1000", "1", "1000", "1", "        1%"},
        {"", "", "0", "0", "        0%"},
        {"", "5", "0", "5", "        100%"},
    };
    for (const auto& c : cases) {
        const RollupLine line = RollupLineOf(GrainsWith(c.need, c.onHand), 1);
        EXPECT_EQ(line.item, "Grains");
        EXPECT_EQ(line.need, c.shownNeed) << c.need;
        EXPECT_EQ(line.onHand, c.shownOnHand) << c.onHand;
        EXPECT_EQ(line.percent, c.percent) << c.need << " / " << c.onHand;
    }
}

TEST(RollupValuesTest, TheCategoryChartSplitsTheNeed) {
    const struct {
        double need;
        double onHand;
        double first;
        double second;
        const char* firstLabel;
        const char* secondLabel;
    } cases[] = {{200, 50, 50, 150, "On Hand (25.0%)", "Need (75.0%)"},
                 {200, 300, 200, 0, "On Hand (150.0%)", "Need (0.0%)"},
                 {0, 0, 0, 0, "On Hand (0.0%)", "Need (100.0%)"}};
    for (const auto& c : cases) {
        const CategoryChartValues chart = CategoryChartOf(c.need, c.onHand);
        EXPECT_EQ(chart.onHand, c.first);
        EXPECT_EQ(chart.stillNeeded, c.second);
        EXPECT_EQ(chart.onHandLabel, c.firstLabel);
        EXPECT_EQ(chart.needLabel, c.secondLabel);
    }
}

TEST(LastActionDateTest, OnlyDaysThatExistAreRead) {
    EXPECT_EQ(LastActionDateText(*ReadLastActionDate("4/12/04")), "04/12/04");
    EXPECT_EQ(LastActionDateText(*ReadLastActionDate(" 04/12/2004 ")), "04/12/04");
    EXPECT_EQ(ReadLastActionDate("1/1/45")->year, 1945);
    for (const char* bad :
         {"", "/", "12/14", "2/29/03", "0/1/04", "1/32/04", "1/1/04/1", "99999/1/1", "1.5/2/04", "a/b/c"})
        EXPECT_FALSE(ReadLastActionDate(bad)) << bad;
    EXPECT_TRUE(ReadLastActionDate("2/29/04"));
}

}  // namespace
}  // namespace food_storage
