#pragma once
#include <array>

#include "shell/help_menu.h"

namespace menu_planner::help {

// The menu planner's help topic, claimed when the subsystem registers; the
// help file holds it under this title.
inline constexpr int MenuPlanner = 3034;

inline constexpr std::array<shell::HelpTopicEntry, 1> Topics{{
    {MenuPlanner, "Menu Planner"},
}};

}  // namespace menu_planner::help
