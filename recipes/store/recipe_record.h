#pragma once
#include <array>
#include <string>
#include <string_view>

// One recipe as the cookbook's data file keeps it: a record of 2045 bytes,
// every field fixed-width Windows-1252 text padded with blanks, no length
// and no terminator. The name and the type are not in it: the name lives in
// the type's index entry, the type in which index file holds that entry.
namespace recipes {

inline constexpr int RecipeRecordLength = 2045;
inline constexpr int IngredientLineCount = 20;
// The most records a cookbook holds.
inline constexpr long MaxRecipeRecords = 30000;

namespace field {
inline constexpr int AmountWidth = 5;
inline constexpr int DirectionsWidth = 1000;
inline constexpr int OvenTemperatureWidth = 4;
inline constexpr int UnitWidth = 10;
inline constexpr int IngredientWidth = 35;
inline constexpr int YieldWidth = 5;
inline constexpr int CookingTimeWidth = 20;
inline constexpr int YieldUnitWidth = 11;
inline constexpr int MarkerWidth = 5;

inline constexpr int AmountsAt = 0;
inline constexpr int DirectionsAt = 100;
inline constexpr int OvenTemperatureAt = 1100;
inline constexpr int UnitsAt = 1104;
inline constexpr int IngredientsAt = 1304;
inline constexpr int YieldAt = 2004;
inline constexpr int CookingTimeAt = 2009;
inline constexpr int YieldUnitAt = 2029;
inline constexpr int MarkerAt = 2040;
}  // namespace field

// The marker of a record in use, and of a deleted one (followed by a blank).
inline constexpr std::string_view InUseMarker = "Full1";
inline constexpr std::string_view DeletedMarker = "****";

// The record's fields. Read from a file they hold exactly their field's
// width; filled by the program they may be shorter (padded on writing) or
// longer (cut on writing: "12.375" is stored as "12.37").
struct RecipeRecord {
    std::array<std::string, IngredientLineCount> amounts;  // decimal text: ".125", "1.34"
    std::string directions;                                // line breaks included
    std::string ovenTemperature;
    std::array<std::string, IngredientLineCount> units;
    std::array<std::string, IngredientLineCount> ingredients;
    std::string yield;
    std::string cookingTime;
    std::string yieldUnit;
    std::string marker;

    bool operator==(const RecipeRecord&) const = default;
};

// 2045 bytes: each field left-aligned, padded with blanks or cut to its width.
std::string EncodeRecipeRecord(const RecipeRecord& record);

// Takes any bytes: a short record reads as if padded with zero bytes, and a
// zero byte (a record never written) reads as a blank, so such a field is
// empty, never garbage. Other bytes are kept as they are.
RecipeRecord DecodeRecipeRecord(std::string_view bytes);

// The marker of a record in bytes (zero bytes where it is cut short).
std::string MarkerOf(std::string_view recordBytes);

// A record is in use when its marker, upper-cased, is "FULL1"; any other
// marker ("****", the older "Full", zero bytes) leaves it free.
bool IsInUseMarker(std::string_view marker);

// The yield unit box's text as a record keeps it, cut to the field's 11
// characters ("Casserole(s)" is saved as "Casserole(s"); the box shows it cut.
std::string YieldUnitAsSaved(std::string_view text);

// A deleted recipe: every field blank and the marker "**** ".
RecipeRecord DeletedRecipeRecord();

}  // namespace recipes
