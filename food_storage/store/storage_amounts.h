#pragma once
#include <string>
#include <string_view>

#include "food_storage/store/storage_table.h"

// The storage table's arithmetic: amounts read as kitchen amounts, the total
// needed for the family, bookings of amounts added and used, and the totals
// of the categories that have a total row. Everything works on the table in
// its All view (grid row r is table row r).
namespace food_storage {

// An amount as typed: a number, a kitchen fraction or both ("2", "2.5",
// "1/2", "2 1/2"), then its unit.
struct KitchenAmount {
    double value = 0;  // 0 when the text starts with no number
    std::string unit;  // what follows the number, trimmed ("lbs.", "gals", "")
};

// Leading blanks are skipped; a text without a number at its start is 0 with
// the whole trimmed text as its unit. "2 1/2 lbs" is 2.5 lbs, "25 lbs." is 25
// "lbs.", "*" is 0.
KitchenAmount ReadKitchenAmount(std::string_view text);

// A single-precision number with at most 7 significant digits, no trailing
// zeros, no leading blank ("2.5", "100", "0.3333333").
std::string SingleText(float value);

// The same with one leading blank before a number that is not negative, as
// the table keeps numbers (" 4", " 100").
std::string StrForm(float value);

// The amount per person of a total row typed as a number alone takes the
// unit of the amount it replaces: "25 lbs." then "30" gives "30 lbs.", "25"
// then "30" gives "30". A typed text with a unit of its own, or with no
// number, is kept as typed (without leading blanks).
std::string CarryUnit(std::string_view oldAmount, std::string_view typed);

// Whether the kind recomputes the total needed of the row when the number in
// family or its amount per person changes.
bool IsRecomputedRow(StorageKind kind, int row);

// Number in family and total needed of the row: numberInFamily times its
// amount per person, with the amount's unit; the table keeps both in Str form.
void ComputeTotalNeeded(StorageTable& table, int row, std::string_view numberInFamily);

// ComputeTotalNeeded for every recomputed row whose amount per person is
// above 0; the others keep what they hold.
void RecomputeTotalsNeeded(StorageKind kind, StorageTable& table, std::string_view numberInFamily);

// The rows that belong together for bookings: a category, or one of the
// rows 55 to 60, which stand alone in every kind.
struct RowGroup {
    int first = 0;
    int last = 0;
};
RowGroup GroupOfRow(StorageKind kind, int row);

enum class Booking { Added, Used };

// Books the amount just written into the row's added (or used) column: the
// amount on hand grows (or shrinks, never below zero: it is emptied instead),
// the emergency kind repeats the total needed's unit, the category total is
// summed again where the group has a total row, and the opposite last-action
// amount is emptied. An amount that is not above 0 books nothing: false.
bool BookAmount(StorageKind kind, StorageTable& table, int row, Booking booking);

// Sums the amounts on hand of the group's item rows into its total row (or
// takes a one-row group's own amount), and gives every row of the group that
// has an amount the total row's unit; an amount of 0 on the total row is
// emptied.
void UpdateCategoryTotal(StorageTable& table, RowGroup group);

}  // namespace food_storage
