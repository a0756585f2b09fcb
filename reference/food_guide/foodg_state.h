#pragma once
#include "reference/food_guide/guide_table.h"

namespace food_guide {

// What the food guide window knows between events. Tests read it.
struct FoodgState {
    // The table in the grid; its button and menu item are the two disabled.
    GuideTable Shown = GuideTable::FoodGuide;
};

}  // namespace food_guide
