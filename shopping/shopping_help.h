#pragma once
#include <array>

#include "shell/help_menu.h"

namespace shopping::help {

// The help topics of the shopping list window, claimed when the subsystem
// registers; the help file holds each under this title.
inline constexpr int ShoppingList = 3035;
inline constexpr int QuickSelect = 3036;
inline constexpr int RecipeSelect = 3037;

inline constexpr std::array<shell::HelpTopicEntry, 3> Topics{{
    {ShoppingList, "Shopping List Maker"},
    {QuickSelect, "Quick Select"},
    {RecipeSelect, "Recipe Select"},
}};

}  // namespace shopping::help
