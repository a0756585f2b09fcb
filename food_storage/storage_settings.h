#pragma once
#include <array>

#include "shell/settings_files.h"

namespace food_storage {

// The food storage window's settings records, claimed when the subsystem registers.
inline constexpr shell::settings::RecordRef StoragePanelColorRecord{shell::settings::GColor1, 70};
inline constexpr shell::settings::RecordRef StorageGridBackgroundRecord{shell::settings::GColor1, 71};
inline constexpr shell::settings::RecordRef StorageGridTextColorRecord{shell::settings::GColor1, 72};
inline constexpr shell::settings::RecordRef StorageGuideLinesRecord{shell::settings::GColor3, 28};

inline constexpr std::array<shell::settings::RecordMapEntry, 4> StorageSettingsRecords{{
    {StoragePanelColorRecord, "food storage panel colour"},
    {StorageGridBackgroundRecord, "food storage grid background"},
    {StorageGridTextColorRecord, "food storage grid text colour"},
    {StorageGuideLinesRecord, "food storage print guide lines"},
}};

}  // namespace food_storage
