#pragma once
#include <array>

#include "shell/settings_files.h"
#include "shopping/select/list_cookbook.h"

namespace shopping {

// The shopping list window's settings records, claimed when the subsystem registers.
inline constexpr shell::settings::RecordRef ShoppingPanelColorRecord{shell::settings::GColor1, 27};
inline constexpr shell::settings::RecordRef ShoppingGuideLinesRecord{shell::settings::GColor3, 50};

inline constexpr std::array<shell::settings::RecordMapEntry, 3> ShoppingSettingsRecords{{
    {ShoppingPanelColorRecord, "shopping list panel colour"},
    {ShoppingGuideLinesRecord, "shopping list print guide lines"},
    {ListCookbookRecord, "shopping list's own cookbook"},
}};

}  // namespace shopping
