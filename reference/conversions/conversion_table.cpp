#include "reference/conversions/conversion_table.h"

#include <algorithm>
#include <array>

namespace conversions {

namespace {

using G = ConversionGroup;
constexpr Formula F = Formula::Factor;

// clang-format off
constexpr std::array<ConversionEntry, ConversionCount> Table{{
    // Weights and Measures, four columns
    {8,  "Teaspoons to TBsp.",  G::WeightsAndMeasures, 0, F, 0.3334, "Teaspoons", "Tablespoons"},
    {9,  "Tablespoon to Tsp.",  G::WeightsAndMeasures, 0, F, 3, "Tablespoons", "Teaspoons"},
    {10, "Tablespoons to Cups", G::WeightsAndMeasures, 0, F, 0.0625, "Tablespoons", "Cups"},
    {11, "Cups to Tablespoons", G::WeightsAndMeasures, 0, F, 16, "Cups", "Tablespoons"},
    {12, "Cups to Ounces",      G::WeightsAndMeasures, 1, F, 8, "Cups", "Ounces"},
    {13, "Ounces to Cups",      G::WeightsAndMeasures, 1, F, 0.125, "Ounces", "Cups"},
    {14, "Cups to Pints",       G::WeightsAndMeasures, 1, F, 0.5, "Cups", "Pints"},
    {15, "Pints to Cups",       G::WeightsAndMeasures, 1, F, 2, "Pints", "Cups"},
    {16, "Cups to Quarts",      G::WeightsAndMeasures, 2, F, 0.25, "Cups", "Quarts"},
    {17, "Quarts to Cups",      G::WeightsAndMeasures, 2, F, 4, "Quarts", "Cups"},
    {44, "Quarts to Gallons",   G::WeightsAndMeasures, 2, F, 0.25, "Quarts", "Gallons"},
    {45, "Gallons to Quarts",   G::WeightsAndMeasures, 2, F, 4, "Gallons", "Quarts"},
    {38, "Grams to Ounces",     G::WeightsAndMeasures, 3, F, 0.035274, "Grams", "Ounces"},
    {41, "Ounces to Grams",     G::WeightsAndMeasures, 3, F, 28.349523, "Ounces", "Grams"},
    // Can Sizes, one column
    {0, "8 oz. to Cups",           G::CanSizes, 0, F, 1, "8 oz. Cans", "Cups"},
    {1, "14 to 15 oz. to Cups",    G::CanSizes, 0, F, 1.75, "14-15 oz. Cans", "Cups"},
    {2, "16 to 17 oz. to Cups",    G::CanSizes, 0, F, 2, "16-17 oz. Cans", "Cups"},
    {3, "20 oz. (18 floz) to Cup", G::CanSizes, 0, F, 2.5, "20 oz. Cans", "Cups"},
    {4, "29 oz. to Cups",          G::CanSizes, 0, F, 3.5, "29 oz. Cans", "Cups"},
    // Temperature, side by side
    {18, "Celcius to Fahreheit", G::Temperature, 0, Formula::CelsiusToFahrenheit, 0, "Degrees Celcius", "Degrees Fahrenheit"},
    {19, "Fahreheit to Celcius", G::Temperature, 1, Formula::FahrenheitToCelsius, 0, "Degrees Fahrenheit", "Degrees Celcius"},
    // Easy Equivalents, two columns
    {20, "Full Square Chocolate to Ounces",        G::EasyEquivalents, 0, F, 1, "Full Square", "Ounces"},
    {21, "Cups of Fine Crumbs to Graham Crackers", G::EasyEquivalents, 0, F, 12, "Cups", "Graham Crackers"},
    {22, "Cups of Fine Crumbs to Salted Crackers", G::EasyEquivalents, 0, F, 20, "Cups", "Salted Crackers"},
    {23, "Tbsp. Cornstarch to Tbsp. Flour",        G::EasyEquivalents, 1, F, 2, "Tablespoon(s) Cornstarch", "Tablespoon(s) Flour"},
    {24, "Cups of Chopped Nuts to Pounds",         G::EasyEquivalents, 1, F, 0.25, "Cups", "Pounds"},
    {25, "Marshmallows to Pounds",                 G::EasyEquivalents, 1, F, 0.0167, "Marshmallows", "Pounds"},
    // How Much = How Many, two columns
    {26, "Tablespoons Butter to Ounces",                  G::HowMuchHowMany, 0, F, 0.5, "Tablespoons", "Ounces"},
    {27, "Ounces Butter to Tablespoons",                  G::HowMuchHowMany, 0, F, 2, "Ounces", "Tablespoons"},
    {28, "Sticks of Butter to Cups",                      G::HowMuchHowMany, 0, F, 0.5, "Stick (1/4 lb.)", "Cups"},
    {29, "Slices of Bread to Cups Soft Bread Crumbs",     G::HowMuchHowMany, 0, F, 0.667, "Bread Slices", "Cup(s) Soft Bread Crumbs"},
    {30, "Slices of Bread to Fine Dry Bread Crumbs",      G::HowMuchHowMany, 0, F, 0.25, "Bread Slices", "Cup(s) Fine Dry Bread Crumbs"},
    {31, "Juice of Lemons to Tablespoons",                G::HowMuchHowMany, 0, F, 3, "Lemons", "Tablespoons"},
    {32, "Grated Peel of Lemons to Teaspoons",            G::HowMuchHowMany, 0, F, 1, "Lemons", "Teaspoons"},
    {33, "Juice of Oranges to Cups (approx.)",            G::HowMuchHowMany, 0, F, 0.334, "Oranges", "Cups"},
    {34, "Grated Peel of Oranges to Teaspoons (approx.)", G::HowMuchHowMany, 1, F, 2, "Oranges", "Teaspoons"},
    {35, "Medium Apples Chopped to Cups (approx.)",       G::HowMuchHowMany, 1, F, 1, "Medium Apples", "Cups"},
    {36, "Medium Bananas Mashed to Cups (approx.)",       G::HowMuchHowMany, 1, F, 0.334, "Medium Bananas", "Cups"},
    {37, "Medium Onions Chopped to Cups (approx.)",       G::HowMuchHowMany, 1, F, 0.5, "Medium Onions", "Cups"},
    {49, "Pound of Cheese Shredded to Cups",              G::HowMuchHowMany, 1, F, 4, "Pounds", "Cups"},
    {50, "Egg Yolks to Cups",                             G::HowMuchHowMany, 1, F, 0.0834, "Egg Yolks", "Cups"},
    {51, "Egg Whites to Cups",                            G::HowMuchHowMany, 1, F, 0.1, "Egg Whites", "Cups"},
    {5,  "Pound of In Shell Walnuts to Shelled Cups",     G::HowMuchHowMany, 1, F, 1.5, "lb(s). Walnuts (In Shells)", "Shelled Cups"},
}};
// clang-format on

}  // namespace

std::span<const ConversionEntry, ConversionCount> Conversions() { return Table; }

const ConversionEntry* FindConversion(int index) {
    const auto found = std::find_if(Table.begin(), Table.end(), [index](const auto& e) { return e.index == index; });
    return found == Table.end() ? nullptr : &*found;
}

bool IsTemperature(int index) { return index == 18 || index == 19; }

std::optional<Converted> ApplyConversion(int index, double amount) {
    const ConversionEntry* entry = FindConversion(index);
    if (!entry) return std::nullopt;
    double value = 0;
    switch (entry->formula) {
        case Formula::Factor: value = amount * entry->factor; break;
        // The quotients first, as the table's formulas are written.
        case Formula::CelsiusToFahrenheit: value = 9.0 / 5.0 * amount + 32; break;
        case Formula::FahrenheitToCelsius: value = (amount - 32) * (5.0 / 9.0); break;
    }
    return Converted{value, entry->fromUnit, entry->toUnit};
}

const char* GroupCaption(ConversionGroup group) {
    switch (group) {
        case G::WeightsAndMeasures: return "Weights and Measures";
        case G::CanSizes: return "Can Sizes";
        case G::Temperature: return "Temperature";
        case G::EasyEquivalents: return "Easy Equivalents";
        case G::HowMuchHowMany: return "How Much = How Many";
    }
    return "";
}

}  // namespace conversions
