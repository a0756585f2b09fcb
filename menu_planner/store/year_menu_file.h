#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/basic/calendar_date.h"
#include "platform/basic/program_folder.h"

// The menu planner's year files: one per year, named by the year, holding one
// record of 21 meal entries for each day at the record number of its DayKey.
namespace menu_planner {

inline constexpr int DayRecordLength = 700;
inline constexpr int DayEntryCount = 21;  // 0-6 breakfast, 7-13 lunch, 14-20 dinner
inline constexpr int DayEntryWidth = 32;
inline constexpr int DayStatusOffset = DayEntryCount * DayEntryWidth;  // 672
inline constexpr int DayStatusWidth = 10;
// What a record holds; the rest of its slot is written as zero bytes.
inline constexpr int DayRecordUsedBytes = DayStatusOffset + DayStatusWidth;  // 682
inline constexpr std::string_view FullStatus = "Full";

inline constexpr int FirstDayKey = 11;  // 1 January
inline constexpr int LastDayKey = 431;  // 31 December

// The length of a year file whose highest written record is dayKey.
inline constexpr std::uintmax_t YearFileLengthThrough(int dayKey) {
    return std::uintmax_t(dayKey - 1) * DayRecordLength + DayRecordUsedBytes;
}
// A year file whose last day is written: record 431 ends at byte 301,682.
inline constexpr std::uintmax_t FullYearFileBytes = YearFileLengthThrough(LastDayKey);

// " 2004.Mnu": a blank before a year that is not negative, as the file has
// always been named.
std::string YearMenuFileName(int year);

// The record number of a day: January to September the digits of the day
// followed by the month's digit (10 * day + month), October 320 + day,
// November 360 + day, December 400 + day. 0 for a day or month out of range.
int DayKey(int day, int month);
inline int DayKey(const basic::CalendarDate& date) { return DayKey(date.day, date.month); }
// Whether some day of some year has this record number.
bool IsDayKey(int key);

// One day's menu. Entries are Windows-1252 text with trailing blanks removed.
struct DayMenuRecord {
    std::array<std::string, DayEntryCount> entries;
    // Marked "Full": the day was saved, even if every entry is blank.
    bool inUse = false;

    friend bool operator==(const DayMenuRecord&, const DayMenuRecord&) = default;
};

// The 682 bytes of a written record: each entry with trailing blanks removed,
// padded with blanks or cut to 32 bytes, then "Full" and six blanks. Every
// written record is marked "Full", whatever inUse says.
std::string EncodeDayRecord(const DayMenuRecord& record);
// A record's bytes (any length: a short one is read as if padded with zero
// bytes). In use only when the status, trailing blanks removed, is "Full".
DayMenuRecord DecodeDayRecord(std::string_view bytes);

enum class DayRead {
    InUse,     // a saved day
    NotInUse,  // never saved: a gap, past the end, or no file for the year
    Failed,    // the file is there but cannot be read, or the key is no day's
};

struct LoadedDay {
    DayRead result = DayRead::NotInUse;
    DayMenuRecord record;  // empty unless InUse
};

// Creates the year's file empty when there is none, as opening a year does;
// false when it is missing and cannot be made.
[[nodiscard]] bool CreateYearMenuFile(const basic::ProgramFolder& folder, int year);

// Reads one day; creates nothing.
LoadedDay ReadDayMenu(const basic::ProgramFolder& folder, int year, int dayKey);

// Writes one day's record (682 bytes in its 700-byte slot, zero bytes after
// it, and zero bytes in any gap before it). The year's file is rewritten
// whole through a temporary file, so a failure or a kill at any moment leaves
// every day as it was or with the new record: never a day lost. False when
// nothing was written: a key that is no day's, a file there that cannot be
// read, or a failed write.
[[nodiscard]] bool SaveDayMenu(const basic::ProgramFolder& folder, int year, int dayKey, const DayMenuRecord& record);

}  // namespace menu_planner
