#pragma once
#include <array>

#include "shell/settings_files.h"

namespace recipes {

// The recipe window's settings records, claimed when the subsystem registers.
inline constexpr shell::settings::RecordRef RecipePanelColorRecord{shell::settings::GColor2, 25};
inline constexpr shell::settings::RecordRef RecipeGuideLinesRecord{shell::settings::GColor3, 38};
inline constexpr shell::settings::RecordRef CurrentCookbookRecord{shell::settings::GColor4, 1};
// Cookbooks 1 to 8.
inline constexpr shell::settings::RecordRef CookbookTitleRecord(int cookbook) { return {shell::settings::GColor4, cookbook + 1}; }

inline constexpr std::array<shell::settings::RecordMapEntry, 11> RecipeSettingsRecords{{
    {RecipePanelColorRecord, "recipe window panel colour"},
    {RecipeGuideLinesRecord, "recipe print guide lines"},
    {CurrentCookbookRecord, "recipe window's current cookbook"},
    {CookbookTitleRecord(1), "title of cookbook 1"},
    {CookbookTitleRecord(2), "title of cookbook 2"},
    {CookbookTitleRecord(3), "title of cookbook 3"},
    {CookbookTitleRecord(4), "title of cookbook 4"},
    {CookbookTitleRecord(5), "title of cookbook 5"},
    {CookbookTitleRecord(6), "title of cookbook 6"},
    {CookbookTitleRecord(7), "title of cookbook 7"},
    {CookbookTitleRecord(8), "title of cookbook 8"},
}};

}  // namespace recipes
