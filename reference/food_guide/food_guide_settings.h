#pragma once
#include <array>

#include "shell/settings_files.h"

namespace food_guide {

// The food guide window's settings records, claimed when the subsystem registers.
inline constexpr shell::settings::RecordRef FoodGuidePanelColorRecord{shell::settings::GColor2, 9};

inline constexpr std::array<shell::settings::RecordMapEntry, 1> FoodGuideSettingsRecords{{
    {FoodGuidePanelColorRecord, "food guide panel colour"},
}};

}  // namespace food_guide
