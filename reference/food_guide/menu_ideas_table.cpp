// "Suggested Menu Ideas": two balanced menus a row, six rows for each meal,
// each dish or drink on a line of its own.
#include "reference/food_guide/guide_table.h"

namespace food_guide {

namespace {

// The meal of a data row: six rows each, breakfast first.
const char* MealOfRow(int row) {
    if (row < 7) return "Breakfast";
    if (row < 13) return "Lunch";
    return "Dinner";
}

}  // namespace

GuideTableText MenuIdeasText() {
    const std::initializer_list<const char*> menus[][2] = {
        // Breakfast
        {{"Orange juice", "Scrambled eggs", "Whole wheat toast", "Milk"},
         {"Half a grapefruit", "Oatmeal with raisins", "Bran muffin", "Milk"}},
        {{"Apple juice", "Pancakes with syrup", "Turkey sausage", "Milk"},
         {"Sliced banana", "Whole grain cereal", "English muffin", "Milk"}},
        {{"Tomato juice", "Poached egg on toast", "Fresh strawberries", "Milk"},
         {"Cantaloupe wedge", "French toast", "Crisp bacon", "Hot cocoa"}},
        {{"Orange slices", "Cheese omelet", "Rye toast", "Milk"},
         {"Grape juice", "Waffles with blueberries", "Yogurt", "Milk"}},
        {{"Pineapple chunks", "Cream of wheat", "Raisin toast", "Milk"},
         {"Cranberry juice", "Egg and cheese burrito", "Melon cubes", "Milk"}},
        {{"Mixed fruit cup", "Granola with yogurt", "Whole wheat bagel", "Milk"},
         {"Orange juice", "Ham and egg biscuit", "Fresh peach slices", "Milk"}},
        // Lunch
        {{"Vegetable soup", "Grilled cheese sandwich", "Apple", "Milk"},
         {"Tuna salad sandwich", "Carrot and celery sticks", "Oatmeal cookie", "Milk"}},
        {{"Chicken noodle soup", "Crackers", "Fresh pear", "Milk"},
         {"Turkey sandwich on whole wheat", "Tossed green salad", "Fruit gelatin", "Iced tea"}},
        {{"Bean and cheese burrito", "Spanish rice", "Orange wedges", "Milk"},
         {"Chef salad with egg and ham", "Bread sticks", "Fresh grapes", "Milk"}},
        {{"Peanut butter sandwich", "Cucumber slices", "Banana", "Milk"},
         {"Split pea soup", "Corn muffin", "Coleslaw", "Milk"}},
        {{"Chili with beans", "Cornbread", "Apple slices", "Milk"},
         {"Egg salad sandwich", "Tomato soup", "Fresh plums", "Milk"}},
        {{"Pita with hummus and vegetables", "Cottage cheese with peaches", "Lemonade"},
         {"Baked potato with broccoli and cheese", "Spinach salad", "Milk"}},
        // Dinner
        {{"Roast chicken", "Mashed potatoes", "Green beans", "Dinner roll", "Milk"},
         {"Broiled fish", "Brown rice", "Steamed broccoli", "Fruit salad", "Milk"}},
        {{"Spaghetti with meat sauce", "Tossed salad", "Garlic bread", "Milk"},
         {"Beef stew with vegetables", "Biscuits", "Baked apple", "Milk"}},
        {{"Baked pork chops", "Sweet potatoes", "Green peas", "Applesauce", "Milk"},
         {"Turkey meat loaf", "Baked potato", "Glazed carrots", "Milk"}},
        {{"Chicken and vegetable stir-fry", "Steamed rice", "Orange slices", "Milk"},
         {"Beef tacos", "Refried beans", "Shredded lettuce and tomato", "Milk"}},
        {{"Pot roast", "Potatoes and carrots", "Green salad", "Rice pudding"},
         {"Baked salmon", "Parsley potatoes", "Asparagus", "Whole wheat roll", "Milk"}},
        {{"Vegetable lasagna", "Caesar salad", "Fresh melon", "Milk"},
         {"Hamburger on a bun", "Baked beans", "Corn on the cob", "Watermelon"}},
    };
    GuideTableText text{
        .title = "Suggested Menu Ideas",
        .headers = {"Meal", "Suggested Menu", "Suggested Menu"},
        .widths = {0.2, 0.4, 0.4},
        .rowHeight = 0.211,
        .rows = {},
    };
    int row = 1;
    for (const auto& pair : menus) text.rows.push_back({MealOfRow(row++), Lines(pair[0]), Lines(pair[1])});
    return text;
}

}  // namespace food_guide
