#pragma once
#include <array>
#include <string>

#include "food_storage/store/storage_table.h"

// What the basic kind's rollup and category charts show: how much of each
// category's need is on hand.
namespace food_storage {

// The first rows of the basic categories Grains to Water, in rollup order.
inline constexpr std::array<int, 7> RollupRows{1, 13, 22, 34, 35, 40, 54};

struct RollupLine {
    std::string item;     // the category's title
    std::string need;     // the total needed as shown, or "0"
    std::string onHand;   // rounded to a whole number, without unit
    std::string percent;  // eight blanks, then the percent of need ("        55%")
    double percentValue = 0;
};

// One rollup line from a row of the basic table.
RollupLine RollupLineOf(const StorageTable& table, int row);

// The category chart's two bars: the part on hand and the part still
// needed, with their labels ("On Hand (25.0%)", "Need (75.0%)").
struct CategoryChartValues {
    double onHand = 0;
    double stillNeeded = 0;
    std::string onHandLabel;
    std::string needLabel;
};
CategoryChartValues CategoryChartOf(double need, double onHand);

}  // namespace food_storage
