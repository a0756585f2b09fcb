#pragma once
#include <array>

#include "shell/settings_files.h"

namespace shell::settings {

// Records that the windows still to come keep in the settings files the
// program shares. The application claims them for those windows, so no other
// subsystem takes them meanwhile; each moves to its subsystem with its window.
inline constexpr std::array<RecordMapEntry, 7> RecordsOfWindowsToCome{{
    {{GColor1, 70}, "food storage panel colour"},
    {{GColor1, 71}, "food storage grid background"},
    {{GColor1, 72}, "food storage grid text colour"},
    {{GColor2, 22}, "menu planner panel colour"},
    {{GColor2, 23}, "menu planner text colour"},
    {{GColor3, 28}, "food storage print guide lines"},
    {{GColor3, 42}, "menu planner print guide lines"},
}};

}  // namespace shell::settings
