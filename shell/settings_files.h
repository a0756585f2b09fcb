#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/basic/program_folder.h"
#include "platform/basic/variant.h"

namespace shell::settings {

// A settings file: fixed-length records, each setting at a fixed record number.
struct FileSpec {
    const char* name;
    int recordLength;
};

inline constexpr FileSpec GColor1{"GColor1.Fil", 20};
inline constexpr FileSpec GColor2{"GColor2.Fil", 20};
inline constexpr FileSpec GColor3{"GColor3.Fil", 20};
inline constexpr FileSpec GColor4{"GColor4.Fil", 40};
inline constexpr FileSpec HINV3{"HINV3.Fil", 10};
inline constexpr FileSpec HINVNAME{"HINVNAME.FIL", 40};
inline constexpr FileSpec SWR2{"SWR2.BMP", 20};  // integer records, not a picture

struct RecordRef {
    FileSpec file;
    int record;
};

// A settings record as the claims know it (Application::settingsRecords).
using RecordKey = std::pair<std::string, int>;
inline RecordKey KeyOf(RecordRef ref) { return {ref.file.name, ref.record}; }

// What a record holds, for the claims and for people reading the files.
struct RecordMapEntry {
    RecordRef ref;
    const char* setting;
};

// The records of the start window and of what every window shares. Each
// subsystem declares and claims its own at start-up.
inline constexpr RecordRef SharedGridBackgroundRecord{GColor1, 28};
inline constexpr RecordRef SharedGridTextColorRecord{GColor1, 29};
inline constexpr RecordRef DisplayModeRecord{GColor3, 35};
inline constexpr RecordRef BackgroundSettingRecord{HINV3, 3};
inline constexpr RecordRef FamilyNameRecord{HINVNAME, 1};

inline constexpr std::array<RecordMapEntry, 5> ShellRecords{{
    {SharedGridBackgroundRecord, "shared grid background"},
    {SharedGridTextColorRecord, "shared grid text colour"},
    {DisplayModeRecord, "display mode"},
    {BackgroundSettingRecord, "program-wide background"},
    {FamilyNameRecord, "family name"},
}};

// Each read or write opens the file, handles the one record and closes it
// again; nothing is cached. A read returns nothing when the file cannot be
// opened or the record cannot be decoded, so the caller keeps its default;
// a record past the end of the file, or never written, reads as the empty
// value. Opening a missing file creates it, empty.
[[nodiscard]] std::optional<std::string> ReadText(const basic::ProgramFolder& folder, RecordRef ref);
// A text to show in a caption or a box: a damaged record's NUL bytes and
// other control characters are left out.
[[nodiscard]] std::optional<std::string> ReadShownText(const basic::ProgramFolder& folder, RecordRef ref);
[[nodiscard]] bool WriteText(const basic::ProgramFolder& folder, RecordRef ref, std::string_view text);
[[nodiscard]] std::optional<std::int16_t> ReadInteger(const basic::ProgramFolder& folder, RecordRef ref);
[[nodiscard]] bool WriteInteger(const basic::ProgramFolder& folder, RecordRef ref, std::int16_t value);
[[nodiscard]] std::optional<basic::Variant> ReadVariant(const basic::ProgramFolder& folder, RecordRef ref);
[[nodiscard]] bool WriteVariant(const basic::ProgramFolder& folder, RecordRef ref, const basic::Variant& value);

}  // namespace shell::settings
