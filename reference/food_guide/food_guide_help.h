#pragma once
#include <array>

#include "shell/help_menu.h"

namespace food_guide::help {

// The food guide window's help topic, claimed when the subsystem registers;
// the help file holds it under this title.
inline constexpr int FoodGuide = 3032;

inline constexpr std::array<shell::HelpTopicEntry, 1> Topics{{
    {FoodGuide, "Food Guide"},
}};

}  // namespace food_guide::help
