#include "recipes/printing/recipe_print_layout.h"

#include <utility>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "recipes/store/fraction_snapping.h"

namespace printing {

namespace {

// clang-format off
constexpr std::pair<std::string_view, std::string_view> kFractionDecimalTable[] = {
    {"1/16", ".06"}, {"1/8", ".125"}, {"1/6", ".17"}, {"1/4", ".25"}, {"1/3", ".33"},
    {"1/2", ".5"},   {"2/3", ".67"},  {"3/4", ".75"}, {"7/8", ".875"},
};
// clang-format on

int KnownLayout(int code) { return code >= FullPageTwoColumns && code <= BottomHalfOfPage ? code : FullPageTwoColumns; }

PrintedRecipe FromScreen(const recipes::RecipeDraft& screen, int amountFormat) {
    PrintedRecipe printed;
    printed.type = basic::Trim(screen.type);
    printed.name = PrintedRecipeName(screen.name);
    // A box counts as filled even when it holds only blanks.
    if (!screen.yield.empty()) printed.yieldLine = "Recipe Yields: " + screen.yield + " " + screen.yieldUnit;
    if (!screen.cookingTime.empty()) printed.cookingTimeLine = "Cooking Time: " + screen.cookingTime;
    if (!screen.ovenTemperature.empty()) printed.ovenTemperatureLine = OvenTemperatureLine(screen.ovenTemperature);
    for (std::size_t i = 0; i < printed.rows.size(); ++i) {
        PrintedIngredient& row = printed.rows[i];
        row.amount = PrintedAmount(screen.shownAmounts[i], screen.modifyMode, amountFormat);
        row.unit = screen.units[i];
        row.ingredient = screen.ingredients[i];
        row.empty = IsEmptyIngredient(screen.shownAmounts[i], screen.units[i], screen.ingredients[i]);
    }
    printed.directions = screen.directions;
    return printed;
}

}  // namespace

std::string_view FractionDecimalText(std::string_view fraction) {
    for (const auto& [kitchen, decimal] : kFractionDecimalTable)
        if (kitchen == fraction) return decimal;
    return {};
}

std::string AmountAsDecimals(std::string_view amountText) {
    const std::string amount = basic::Trim(amountText);
    const std::size_t slash = amount.find('/');
    if (slash == std::string::npos) return amount;
    // The numerator is one digit: "1 1/2" is 1 and the fraction "1/2".
    const std::size_t fractionAt = slash == 0 ? 0 : slash - 1;
    const std::string_view decimal = FractionDecimalText(std::string_view(amount).substr(fractionAt));
    if (decimal.empty()) return amount;
    const double whole = basic::Val(amount.substr(0, fractionAt));
    return (whole > 0 ? basic::CStr(whole) : std::string()) + std::string(decimal);
}

std::string PrintedAmount(std::string_view boxText, bool modifyMode, int amountFormat) {
    const bool decimals = amountFormat == AmountsAsDecimals;
    if (modifyMode && !decimals) return basic::Trim(recipes::FractionSnapping(boxText).text);
    if (!modifyMode && decimals) return AmountAsDecimals(boxText);
    return basic::Trim(boxText);
}

void LayoutRecipe(ui::PrintDocument& doc, const PrintFontSettings& font, const recipes::RecipeDraft& recipe,
                  const RecipePrintOptions& options, std::string_view printedOnDate) {
    const int layout = KnownLayout(options.PrintOption);
    StartPrintout(doc, font);
    WriteRecipe(doc, font, FromScreen(recipe, options.AmountFormat), layout);
    if (IsFullPageLayout(layout)) WriteFooter(doc, font, printedOnDate);
    EndPrintout(doc, font);
}

}  // namespace printing
