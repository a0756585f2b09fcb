#pragma once
#include <array>

#include "shell/help_menu.h"

namespace food_storage::help {

// The food storage window's help topic, claimed when the subsystem
// registers; the help file holds it under this title.
inline constexpr int FoodStorage = 3024;

inline constexpr std::array<shell::HelpTopicEntry, 1> Topics{{
    {FoodStorage, "Food Storage"},
}};

}  // namespace food_storage::help
