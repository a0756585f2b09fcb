#pragma once
#include <cstdint>
#include <string>

namespace recipes {

// What the recipe file keeps between openings of its window, and shares
// with the other windows (the backup names the cookbook's files by it).
struct RecipeFileState {
    // The current cookbook, 1-8.
    std::int16_t CookbookNumber = 1;
    // The recipe type last chosen.
    std::string CurrentRecipeType;
    // Print settings the recipe printouts share with the window.
    std::int16_t AmountFormat = 0;  // 0: kitchen fractions, 1: decimals
    std::int16_t PrintOption = 1;   // 1 full page two columns, 2 one column, 3 top half, 4 bottom half
    std::int16_t PrintDateOff = 0;
};

}  // namespace recipes
