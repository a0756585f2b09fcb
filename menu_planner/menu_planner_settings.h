#pragma once
#include <array>

#include "shell/settings_files.h"

namespace menu_planner {

// The calendar display options: 2-byte integers in records 10 to 13 of
// "SWR2.BMP". A missing file or record reads as 0.
// 0, 1, 2: one, two or three months side by side.
inline constexpr shell::settings::RecordRef MonthsShownRecord{shell::settings::SWR2, 10};
// 0: week numbers shown; 1: not shown.
inline constexpr shell::settings::RecordRef WeekNumbersOptionRecord{shell::settings::SWR2, 11};
// 1 Sunday to 7 Saturday; 0, never written, reads as Sunday.
inline constexpr shell::settings::RecordRef FirstWeekdayRecord{shell::settings::SWR2, 12};
// 1: today's date is marked; 0: not.
inline constexpr shell::settings::RecordRef ShowTodayOptionRecord{shell::settings::SWR2, 13};

inline constexpr std::array<shell::settings::RecordMapEntry, 4> CalendarOptionRecords{{
    {MonthsShownRecord, "menu planner calendar months shown"},
    {WeekNumbersOptionRecord, "menu planner calendar week numbers"},
    {FirstWeekdayRecord, "menu planner calendar first weekday"},
    {ShowTodayOptionRecord, "menu planner calendar today mark"},
}};

// The window's colours: "Default" or a colour number for the panels, a colour
// number for the text of the entry boxes and the view grid.
inline constexpr shell::settings::RecordRef PanelColorRecord{shell::settings::GColor2, 22};
inline constexpr shell::settings::RecordRef TextColorRecord{shell::settings::GColor2, 23};
// The print preview's guide lines, "0" or "1".
inline constexpr shell::settings::RecordRef GuideLinesRecord{shell::settings::GColor3, 42};

inline constexpr std::array<shell::settings::RecordMapEntry, 3> ColorAndPrintRecords{{
    {PanelColorRecord, "menu planner panel colour"},
    {TextColorRecord, "menu planner text colour"},
    {GuideLinesRecord, "menu planner print guide lines"},
}};

}  // namespace menu_planner
