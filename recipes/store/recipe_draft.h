#pragma once
#include <array>
#include <string>

#include "recipes/store/recipe_record.h"

namespace recipes {

// One recipe as the recipe window's editor holds it: what its boxes show,
// with the type and the name, which the stored record leaves out. The
// printouts, the copy to the clipboard and the transfer files read it; the
// store keeps it as a RecipeRecord. Texts are as they stand, untrimmed.
struct RecipeDraft {
    std::string type;  // the recipe type box's text
    // The name list's text: for a stored recipe its index entry (the name,
    // then the record number from character 53); else the name alone.
    std::string name;
    // Ingredient line n (1 to 20) is index n - 1 of each.
    std::array<std::string, IngredientLineCount> amounts;  // decimal texts, as the record keeps them: ".125"
    // The amount boxes' texts: kitchen fractions while a recipe is viewed,
    // the decimals while it is modified.
    std::array<std::string, IngredientLineCount> shownAmounts;
    std::array<std::string, IngredientLineCount> units;
    std::array<std::string, IngredientLineCount> ingredients;
    std::string directions;
    std::string ovenTemperature;
    std::string cookingTime;
    std::string yield;
    std::string yieldUnit;
    // The recipe is being modified: the amount boxes hold the decimals.
    bool modifyMode = false;

    bool operator==(const RecipeDraft&) const = default;
};

// The record the store keeps of a draft, marked in use.
RecipeRecord ToRecipeRecord(const RecipeDraft& draft);

// A stored record as the editor shows it: each field without its padding,
// the amounts as kitchen fractions (a whole number without the blank after
// it). Type and name are left empty; they are not in the record.
RecipeDraft DraftFromRecord(const RecipeRecord& record);

}  // namespace recipes
