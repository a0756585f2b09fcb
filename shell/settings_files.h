#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The record map: every record the program writes and reads.
inline constexpr RecordRef ShoppingListPanelColorRecord{GColor1, 27};
inline constexpr RecordRef SharedGridBackgroundRecord{GColor1, 28};
inline constexpr RecordRef SharedGridTextColorRecord{GColor1, 29};
inline constexpr RecordRef FoodStoragePanelColorRecord{GColor1, 70};
inline constexpr RecordRef FoodStorageGridBackgroundRecord{GColor1, 71};
inline constexpr RecordRef FoodStorageGridTextColorRecord{GColor1, 72};
inline constexpr RecordRef FoodGuidePanelColorRecord{GColor2, 9};
inline constexpr RecordRef MenuPlannerPanelColorRecord{GColor2, 22};
inline constexpr RecordRef MenuPlannerTextColorRecord{GColor2, 23};
inline constexpr RecordRef RecipePanelColorRecord{GColor2, 25};
inline constexpr RecordRef FoodStorageGuideLinesRecord{GColor3, 28};
inline constexpr RecordRef DisplayModeRecord{GColor3, 35};
inline constexpr RecordRef RecipeGuideLinesRecord{GColor3, 38};
inline constexpr RecordRef MenuPlannerGuideLinesRecord{GColor3, 42};
inline constexpr RecordRef ShoppingListGuideLinesRecord{GColor3, 50};
inline constexpr RecordRef CurrentCookbookRecord{GColor4, 1};
inline constexpr RecordRef CookbookTitleRecord(int cookbook) { return {GColor4, cookbook + 1}; }
inline constexpr RecordRef ShoppingListCookbookRecord{GColor4, 11};
inline constexpr RecordRef BackgroundSettingRecord{HINV3, 3};
inline constexpr RecordRef FamilyNameRecord{HINVNAME, 1};
inline constexpr RecordRef CalendarOptionRecord(int option) { return {SWR2, 10 + option}; }  // options 0 to 3

struct RecordMapEntry {
    RecordRef ref;
    const char* setting;
};

inline constexpr std::array<RecordMapEntry, 31> RecordMap{{
    {ShoppingListPanelColorRecord, "shopping list panel colour"},
    {SharedGridBackgroundRecord, "shared grid background"},
    {SharedGridTextColorRecord, "shared grid text colour"},
    {FoodStoragePanelColorRecord, "food storage panel colour"},
    {FoodStorageGridBackgroundRecord, "food storage grid background"},
    {FoodStorageGridTextColorRecord, "food storage grid text colour"},
    {FoodGuidePanelColorRecord, "food guide panel colour"},
    {MenuPlannerPanelColorRecord, "menu planner panel colour"},
    {MenuPlannerTextColorRecord, "menu planner text colour"},
    {RecipePanelColorRecord, "recipe window panel colour"},
    {FoodStorageGuideLinesRecord, "food storage print guide lines"},
    {DisplayModeRecord, "display mode"},
    {RecipeGuideLinesRecord, "recipe print guide lines"},
    {MenuPlannerGuideLinesRecord, "menu planner print guide lines"},
    {ShoppingListGuideLinesRecord, "shopping list print guide lines"},
    {CurrentCookbookRecord, "recipe window's current cookbook"},
    {CookbookTitleRecord(1), "title of cookbook 1"},
    {CookbookTitleRecord(2), "title of cookbook 2"},
    {CookbookTitleRecord(3), "title of cookbook 3"},
    {CookbookTitleRecord(4), "title of cookbook 4"},
    {CookbookTitleRecord(5), "title of cookbook 5"},
    {CookbookTitleRecord(6), "title of cookbook 6"},
    {CookbookTitleRecord(7), "title of cookbook 7"},
    {CookbookTitleRecord(8), "title of cookbook 8"},
    {ShoppingListCookbookRecord, "shopping list's own cookbook"},
    {BackgroundSettingRecord, "program-wide background"},
    {FamilyNameRecord, "family name"},
    {CalendarOptionRecord(0), "calendar display option 1"},
    {CalendarOptionRecord(1), "calendar display option 2"},
    {CalendarOptionRecord(2), "calendar display option 3"},
    {CalendarOptionRecord(3), "calendar display option 4"},
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
