#pragma once
#include <array>

#include "shell/help_menu.h"

namespace recipes::help {

// The help topics of the recipe window and its dialogs, claimed when the
// subsystem registers; the help file holds each under this title.
inline constexpr int RecipeFile = 3030;
inline constexpr int RecipeSearchByName = 3031;
inline constexpr int RecipeSearchByIngredient = 3050;
inline constexpr int SpellCheck = 5050;

inline constexpr std::array<shell::HelpTopicEntry, 4> Topics{{
    {RecipeFile, "Recipe File"},
    {RecipeSearchByName, "Searching by Recipe Name"},
    {RecipeSearchByIngredient, "Searching by Ingredient"},
    {SpellCheck, "Spelling Check"},
}};

}  // namespace recipes::help
