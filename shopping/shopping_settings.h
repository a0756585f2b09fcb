#pragma once
#include <array>

#include "shell/settings_files.h"

namespace shopping {

// The shopping list window's settings records, claimed when the subsystem registers.
inline constexpr shell::settings::RecordRef ShoppingPanelColorRecord{shell::settings::GColor1, 27};
inline constexpr shell::settings::RecordRef ShoppingGuideLinesRecord{shell::settings::GColor3, 50};
inline constexpr shell::settings::RecordRef ListCookbookRecord{shell::settings::GColor4, 11};
// The recipe window's cookbook titles, which the cookbook menu shows: cookbooks 1 to 8.
inline constexpr shell::settings::RecordRef CookbookTitleRecord(int cookbook) {
    return {shell::settings::GColor4, cookbook + 1};
}

inline constexpr std::array<shell::settings::RecordMapEntry, 3> ShoppingSettingsRecords{{
    {ShoppingPanelColorRecord, "shopping list panel colour"},
    {ShoppingGuideLinesRecord, "shopping list print guide lines"},
    {ListCookbookRecord, "shopping list's own cookbook"},
}};

}  // namespace shopping
