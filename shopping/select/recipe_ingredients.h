#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "recipes/store/recipe_record.h"
#include "shopping/store/list_line.h"

// A recipe's ingredient lines as Recipe Select offers them: one check box
// each, captioned with the ingredient's name and the amount needed, and the
// list entries a ticked box adds.
namespace shopping {

struct IngredientChoice {
    std::string name;    // "Flour ": the ingredient up to its first "(", first letter capital
    std::string amount;  // "2 1/2" in kitchen fractions; "" without an amount
    std::string unit;    // the unit field as stored, 10 characters
    // "Flour  => 2 1/2 cups      ": the name, " => " and the amount when
    // there is one, a blank and the unit field.
    std::string caption() const;
    // The name alone, trimmed, at most ItemWidth characters.
    ListEntry nameOnly() const;
    // The name with the amount and unit ("2 1/2 cups") as the amount; the
    // name alone when there is no amount.
    ListEntry withAmount() const;
};

// The line's choice, or nothing for a line with neither an ingredient nor
// an amount.
std::optional<IngredientChoice> IngredientOfLine(std::string_view ingredient, std::string_view amount,
                                                 std::string_view unit);

// The choices of a recipe's lines in line order, empty lines left out.
std::vector<IngredientChoice> IngredientChoices(const recipes::RecipeRecord& record);

}  // namespace shopping
