#include "recipes/store/recipe_lists.h"

#include "platform/basic/text.h"

namespace recipes {

const std::array<std::string_view, RecipeTypeCount> RecipeTypeList = {
    "Appetizers and beverages",
    "Barbecues",
    "Breads",
    "Cakes, frostings, and fillings",
    "Candies",
    "Canning and freezing",
    "Casseroles",
    "Cookies",
    "Desserts",
    "Dips",
    "Easy Meals",
    "Entrees",
    "Fruits",
    "Lowin fat or calorie meals",
    "Meats",
    "Pastry and Pies",
    "Poultry, fish and eggs",
    "Salads and salad dressings",
    "Soups and sauces",
    "Special or miscellaneous",
    "Stews",
    "Vegetables",
};

std::string_view RecipeTypeName(int type) {
    if (type < 1 || type > RecipeTypeCount) return {};
    return RecipeTypeList[static_cast<std::size_t>(type - 1)];
}

std::string RecipeTypePrefix(std::string_view typeName) { return basic::Left(typeName, 4); }

std::optional<int> RecipeTypeNumber(std::string_view typeName) {
    for (int type = 1; type <= RecipeTypeCount; ++type)
        if (RecipeTypeName(type) == typeName) return type;
    return std::nullopt;
}

const std::array<std::string_view, 17> SingularUnitList = {
    "bottle", "can",  "cup",   "dash",  "gallon", "large", "lb.",  "medium", "oz.",
    "piece",  "pkg.", "quart", "slice", "small",  "Tbsp.", "tsp.", "whole",
};

const std::array<std::string_view, 17> PluralUnitList = {
    "bottles", "cans",  "cups",   "dashes", "gallons", "large",  "lbs.",  "medium", "ozs.",
    "pieces",  "pkgs.", "quarts", "slices", "small",   "Tbsps.", "tsps.", "whole",
};

const std::array<std::string_view, 14> FractionList = {
    "1/8", "1/4", "1/3", "1/2", "2/3", "3/4", "1", "1 1/8", "1 1/4", "1 1/3", "1 1/2", "1 2/3", "1 3/4", "2",
};

const std::array<std::string_view, 14> FractionValueText = {
    ".125", ".25", ".34", ".5", ".67", ".75", "1", "1.125", "1.25", "1.34", "1.5", "1.67", "1.75", "2",
};

const std::array<std::string_view, 8> YieldUnitList = {
    "Serving(s)", "Casserole(s)", "Cake(s)", "Pie(s)", "Dozen", "Loaf(s)", "Pieces", "Gallon(s)",
};

}  // namespace recipes
