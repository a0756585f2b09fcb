#pragma once
#include <array>

#include "shell/help_menu.h"

namespace conversions::help {

// The conversion window's help topic, claimed when the subsystem registers;
// the help file holds it under this title.
inline constexpr int MeasurementGuide = 3033;

inline constexpr std::array<shell::HelpTopicEntry, 1> Topics{{
    {MeasurementGuide, "Food Measurement Guide"},
}};

}  // namespace conversions::help
