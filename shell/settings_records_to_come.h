#pragma once
#include <array>

#include "shell/settings_files.h"

namespace shell::settings {

// Records that the windows still to come keep in the settings files the
// program shares. The application claims them for those windows, so no other
// subsystem takes them meanwhile; each moves to its subsystem with its window.
inline constexpr std::array<RecordMapEntry, 5> RecordsOfWindowsToCome{{
    {{GColor1, 70}, "food storage panel colour"},
    {{GColor1, 71}, "food storage grid background"},
    {{GColor1, 72}, "food storage grid text colour"},
    {{GColor2, 9}, "food guide panel colour"},
    {{GColor3, 28}, "food storage print guide lines"},
}};

}  // namespace shell::settings
