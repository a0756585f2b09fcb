#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/basic/program_folder.h"
#include "recipes/store/recipe_record.h"

// The older data file of cookbook 1: records of 1545 bytes with 14
// ingredient lines, 800 characters of directions and the marker "Full".
// It is converted in place to the current record, keeping every record
// number, so the index files stay valid as they are.
namespace recipes {

inline constexpr int OldRecipeRecordLength = 1545;
inline constexpr int OldIngredientLineCount = 14;
// Only this many records are looked at to recognise the older file.
inline constexpr long OldFormatProbeRecords = 1000;

// The temporary name the converted file is written under.
inline constexpr std::string_view ConversionFileName = "Recipe3.db1";

// True when cookbook 1's data file is in the older format: one of its first
// 1000 records of 1545 bytes has the marker "Full", and none of its first
// 30000 records of 2045 bytes is marked "Full1" in any letter case (so a current file whose
// text happens to hold "Full" there is never taken for an old one). Always
// false for cookbooks 2-8.
bool DetectOldRecipeFile(const basic::ProgramFolder& folder, int cookbook);

// An old record as a current one: old lines 1-7 become lines 1-7 and old
// lines 8-14 lines 11-17, the others blank; every text without trailing
// blanks; the marker "Full1".
RecipeRecord ConvertOldRecord(std::string_view oldBytes);

// What the window does while a conversion runs.
struct ConversionSteps {
    // After each of the records 1-30000: show k of 30000 and let pending
    // window events run.
    std::function<void(long k)> progress;
    // The new file is complete and on the disk; the old one is replaced next.
    std::function<void()> finishing;
};

enum class ConversionResult { NotNeeded, Converted, Failed };

// Converts cookbook 1's older data file; NotNeeded when it is not one. The new file is written whole
// under "Recipe3.db1" (one left by an interrupted run is discarded first),
// flushed, and only then renamed over "Recipe2.db1"; on any failure, an
// exception from the steps included, "Recipe2.db1" stays as it was and is
// found again next time.
ConversionResult ConvertOldRecipeFile(const basic::ProgramFolder& folder, int cookbook,
                                      const ConversionSteps& steps = {});

// Removes the half-written "Recipe3.db1" of a conversion a kill interrupted
// ("Recipe2.db1" is then still the old file, and is converted again).
void RemoveInterruptedConversion(const basic::ProgramFolder& folder);

}  // namespace recipes
