#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/print_document.h"
#include "printing/page_writing.h"
#include "printing/print_font.h"
#include "recipes/store/recipe_record.h"

// What the recipe printouts share: the page scheme of one recipe, whichever
// source its texts come from.
namespace printing {

// RecipePrintLayoutCode, as the recipe window's PrintOption holds it.
enum RecipePrintLayoutCode : int {
    FullPageTwoColumns = 1,
    FullPageOneColumn = 2,
    TopHalfOfPage = 3,
    BottomHalfOfPage = 4,
};

// The full page layouts have blank separator lines and a footer.
inline bool IsFullPageLayout(int layout) { return layout == FullPageTwoColumns || layout == FullPageOneColumn; }

// AmountPrintStyleCode, as the recipe window's AmountFormat holds it.
enum AmountPrintStyleCode : int {
    AmountsAsFractions = 0,
    AmountsAsDecimals = 1,
};

// One ingredient row as printed.
struct PrintedIngredient {
    std::string amount;
    std::string unit;
    std::string ingredient;
    // The row has nothing in it: no line of the table is spent on it.
    bool empty = true;
};

// One recipe's texts, ready to be placed.
struct PrintedRecipe {
    std::string type;
    std::string name;
    std::optional<std::string> yieldLine;
    std::optional<std::string> cookingTimeLine;
    std::optional<std::string> ovenTemperatureLine;
    std::array<PrintedIngredient, recipes::IngredientLineCount> rows;
    std::string directions;
};

// The recipe name of an index entry: its first 45 characters, trimmed, so
// neither the blank fill nor the record number print.
std::string PrintedRecipeName(std::string_view entry);

// A row is empty when its amount, unit and ingredient are blank.
bool IsEmptyIngredient(std::string_view amount, std::string_view unit, std::string_view ingredient);

// "Oven Temperature: ", the temperature and the degree sign.
std::string OvenTemperatureLine(std::string_view temperature);

// Lays one recipe out from the current position in the given layout: the
// full page ones with blank separator lines, the half page ones without;
// layout 4 starts at the middle of the page. Ends after the directions.
void WriteRecipe(ui::PrintDocument& doc, const PrintFontSettings& font, const PrintedRecipe& recipe, int layout);
// The full page's footer in small print: the program's name and the date
// printed on (mm-dd-yyyy).
void WriteFooter(ui::PrintDocument& doc, const PrintFontSettings& font, std::string_view printedOnDate);

}  // namespace printing
