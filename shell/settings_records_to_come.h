#pragma once
#include <array>

#include "shell/settings_files.h"

namespace shell::settings {

// Records that the windows still to come keep in the settings files the
// program shares. The application claims them for those windows, so no other
// subsystem takes them meanwhile; each moves to its subsystem with its window.
inline constexpr std::array<RecordMapEntry, 1> RecordsOfWindowsToCome{{
    {{GColor2, 9}, "food guide panel colour"},
}};

}  // namespace shell::settings
