// "Daily Food Guide Requirements": the food groups, the servings a day and
// what one serving is.
#include "reference/food_guide/guide_table.h"

namespace food_guide {

GuideTableText DailyRequirementsText() {
    return {
        .title = "Daily Food Guide Requirements",
        .headers = {"Food Group", "Daily Requirements", "Approximate Portion Size for One Serving"},
        .widths = {0.2, 0.4, 0.4},
        .rowHeight = 0.189,
        .rows =
            {
                {"Milk", Lines({"Adults - 2 servings", "Children - 3 servings", "Teenages - 4 servings"}),
                 Lines({"8 oz. (1 cup) milk.", "1 1/2 oz. cheddar cheese.", "1 1/2 slices american cheese.",
                        "1 1/2 cups cottage cheese."})},
                {"Meat", Lines({"2 servings", "(meat, fish, poultry, eggs, nuts, dry beans)"}),
                 Lines({"2-3 oz. lean cooked meat, fish or poultry.", "2 eggs.", "4 Tablespoons peanut butter.",
                        "1 cup cooked dry beans or lentils."})},
                {"Fruits and Vegetables",
                 Lines({"4 servings", "(One dark green or yellow vegetable, One high in vitamin C such as oranges, "
                                      "grapefruit, cantaloupe, tomatoes, etc.)"}),
                 Lines({"1/2 cup cooked.", "1 medium raw.", "1/2 grapefruit or cantaloupe.",
                        "4 oz. (1/2 cup) fruit juice."})},
                {"Breads and Cereals", Lines({"4 servings", "(enriched or whole grain)"}),
                 Lines({"1 slice bread.", "1 cup dry cereal.", "1/2 cup cooked cereal, rice, noodles, or macaroni.",
                        "1 tortilla."})},
                {" ", "Use extra food from any of the above or from fats and starches as needed for activity.",
                 "Get as much variety in each group as possible."},
            },
    };
}

}  // namespace food_guide
