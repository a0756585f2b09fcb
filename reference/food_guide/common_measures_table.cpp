// "Common Measures of Food": what a can size or a pound of a food gives in
// cups and servings. A cell of one blank has nothing to say.
#include "reference/food_guide/guide_table.h"

namespace food_guide {

GuideTableText CommonMeasuresText() {
    return {
        .title = "Common Measures of Food",
        .headers = {"Size", "Cups or Amount", "Servings"},
        .widths = {0.3, 0.3, 0.4},
        .rowHeight = 0.05,
        .rows =
            {
                {"No. 2 can", "2 1/2 cups", "5 servings"},
                {"No. 2 1/2 can", "3 1/2 cups", "7 servings"},
                {"No. 5 (juices) can", "6 cups", "12-14 servings"},
                {"No. 10 can", "12 -13 cups", "24-26 servings"},
                {"1 lb. apples", "3 cups chopped", "3 servings"},
                {"1 lb. asparagus", "20 med. stalks", "4 servings"},
                {"1 lb. cabbage (uncooked)", "4 cups shredded", "4-5 servings"},
                {"1 lb. cabbage (cooked)", "2 cups", "3-4 servings"},
                {"1 lb. carrots", "3-4 carrots", "3 servings"},
                {"1 lb. grapefruit", "fresh", "3 servings"},
                {"1 lb. green beans", "3 cups cooked", "5-6 servings"},
                {"1 lb. green pepper", "6 peppers", " "},
                {"1 lb. hamburger", " ", "4-5 servings"},
                {"1 lb. head lettuce", "head (sliced)", "5-6 servings"},
                {"1 lb. oranges", "fresh", "3 servings"},
                {"1 lb. peas", "1 cup shelled peas", "2 servings"},
                {"1 lb. peas or beans", "diced", "8-10 servings"},
                {"1 lb. baking potatoes", "2-3 large", "2-3 servings"},
                {"1 lb. sweet potatoes", "2-3 medium", "2-3 servings"},
                {"1 lb. white potatoes", "4 medium sized", "4 servings"},
                {"1 lb. poultry", " ", "2-3 servings"},
                {"1 lb. raisins", "3 cups", " "},
                {"1 lb. roast", " ", "3 servings"},
                {"1 lb. ground beef or veal", " ", "4-5 servings"},
                {"1 lb. spinach", "1 1/2 cups (cooked)", "3 servings"},
                {"1 lb. sugar", "2 1/4 cups", " "},
                {"1 lb. tomatoes", "fresh", "4 servings"},
            },
    };
}

}  // namespace food_guide
