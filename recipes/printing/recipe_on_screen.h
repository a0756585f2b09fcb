#pragma once
#include <array>
#include <string>

#include "recipes/store/recipe_record.h"

namespace printing {

// The recipe as the recipe window's editor boxes show it, taken by the
// printouts and the copy of the recipe on screen. Texts are the boxes' texts
// as they stand.
struct RecipeOnScreen {
    std::string type;       // the recipe type list's text
    std::string nameEntry;  // the recipe name list's text: the index entry, name then record number
    // Ingredient row n (1 to 20) is index n - 1 of each.
    std::array<std::string, recipes::IngredientLineCount> amounts;
    std::array<std::string, recipes::IngredientLineCount> units;
    std::array<std::string, recipes::IngredientLineCount> ingredients;
    std::string directions;
    std::string ovenTemperature;
    std::string cookingTime;
    std::string yield;
    std::string yieldUnit;
    // While a recipe is modified the amount boxes hold the stored decimal
    // amounts; otherwise kitchen fractions or what the user typed.
    bool modifyMode = false;
};

}  // namespace printing
