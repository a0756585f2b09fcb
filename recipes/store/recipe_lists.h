#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

// The fixed word lists of the recipe file: recipe types, measuring units,
// kitchen fractions and yield units. They are constants of the program;
// every window and printout takes them from here.
namespace recipes {

inline constexpr int RecipeTypeCount = 22;

// The 22 recipe types, numbered 1-22 in this (alphabetical) order.
extern const std::array<std::string_view, RecipeTypeCount> RecipeTypeList;

// The name of type 1-22; "" for any other number.
std::string_view RecipeTypeName(int type);

// The first four characters of a type name; they begin the names of the
// type's index files and are different for each of the 22 types.
std::string RecipeTypePrefix(std::string_view typeName);

// The number of the type spelt exactly as typeName, if any.
std::optional<int> RecipeTypeNumber(std::string_view typeName);

// The units offered for an ingredient line. Both lists hold the same unit at
// the same position (the plural one for amounts above 1); the positions
// carry meaning, so the order is not alphabetical.
extern const std::array<std::string_view, 17> SingularUnitList;
extern const std::array<std::string_view, 17> PluralUnitList;

// The fraction pick list and, at the same position, the decimal amount text
// choosing an entry enters ("1/3" enters .34, not .33).
extern const std::array<std::string_view, 14> FractionList;
extern const std::array<std::string_view, 14> FractionValueText;

// The yield units in the order they are added to the yield unit box.
// "Casserole(s)" is one character longer than the record's yield unit field.
extern const std::array<std::string_view, 8> YieldUnitList;

}  // namespace recipes
