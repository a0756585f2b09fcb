#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "printing/text_measure.h"
#include "recipes/recipe_record.h"

namespace printing {

// A recipe as the recipe window's editor shows it, each text as its box
// holds it (amounts as kitchen fractions, or decimal while modified).
struct RecipeOnScreen {
    std::string type;
    // The recipe list's entry: the name blank-filled to 52 characters, then
    // the record number.
    std::string entry;
    std::array<std::string, recipes::IngredientLineCount> amounts;
    std::array<std::string, recipes::IngredientLineCount> units;
    std::array<std::string, recipes::IngredientLineCount> ingredients;
    std::string directions;
    std::string ovenTemperature;
    std::string cookingTime;
    std::string yield;
    std::string yieldUnit;
};

// The recipe as clipboard text (Windows-1252, lines ending in CR LF): type,
// name, the ingredients in two columns (lines 1-10 left, 11-20 after a tab)
// or in one (CopyHandOver's layouts), directions, cooking and serving
// information. Columns are lined up with blanks to widths in the measure's font.
std::string RecipeCopyText(const RecipeOnScreen& recipe, std::int16_t layout, const TextMeasure& measure);

}  // namespace printing
