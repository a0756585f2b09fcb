#include "recipes/printing/recipe_copy_text.h"

#include "platform/basic/text.h"
#include "recipes/printing/copy_hand_over.h"
#include "recipes/printing/recipe_page.h"

namespace printing {

namespace {

const std::string CrLf = "\r\n";
// The column widths are those of the head's words and blanks.
constexpr std::string_view AmountColumn = "Amount  ";
constexpr std::string_view UnitColumn = "Type         ";
constexpr int LeftColumnRows = recipes::IngredientLineCount / 2;

bool PairIsEmpty(const recipes::RecipeDraft& r, std::size_t left, std::size_t right) {
    for (const std::size_t i : {left, right})
        if (!r.shownAmounts[i].empty() || !r.units[i].empty() || !r.ingredients[i].empty()) return false;
    return true;
}

// Lines 1-10 take the left column (or come first in one column), each
// followed by line 11-20 after a tab (or on the next line).
std::string IngredientTable(const recipes::RecipeDraft& r, bool twoColumns, const TextMeasure& m) {
    // Only the left column's ingredients widen it.
    std::string widest = "Ingredient  ";
    for (std::size_t i = 0; i < LeftColumnRows; ++i) {
        std::string ingredient = basic::RTrim(r.ingredients[i]);
        if (m.Width(ingredient) > m.Width(widest)) widest = std::move(ingredient);
    }
    const std::string head = m.Fill("Ingredient", m.Width(widest));
    std::string text = twoColumns ? "Amount Type         " + head + "\tAmount Type         Ingredient" + CrLf
                                  : "Amount Type          " + head + CrLf;

    const double amountWidth = m.Width(AmountColumn);
    const double unitWidth = m.Width(UnitColumn);
    for (std::size_t i = 0; i < LeftColumnRows; ++i) {
        const std::size_t j = i + LeftColumnRows;
        if (PairIsEmpty(r, i, j)) continue;
        const std::string left =
            m.Fill(basic::RTrim(r.shownAmounts[i]), amountWidth) + m.Fill(basic::RTrim(r.units[i]), unitWidth);
        text += m.Fill(left + r.ingredients[i], m.Width(left + widest));
        text += twoColumns ? "\t" : CrLf;
        text += m.Fill(r.shownAmounts[j], amountWidth) + m.Fill(r.units[j], unitWidth) + r.ingredients[j] + CrLf;
    }
    return text;
}

}  // namespace

std::string RecipeCopyText(const recipes::RecipeDraft& r, std::int16_t layout, const TextMeasure& measure) {
    std::string text = "Type: " + basic::RTrim(r.type) + CrLf;
    text += "Recipe: " + basic::RTrim(basic::Left(r.name, 45)) + CrLf;
    text += "Ingredients:" + CrLf;
    text += IngredientTable(r, layout != CopyHandOver::OneColumn, measure);
    text += CrLf;
    text += "Directions:" + CrLf + r.directions + CrLf;
    const bool cookingInformation = !r.ovenTemperature.empty() || !r.cookingTime.empty();
    if (cookingInformation) text += "Cooking Information:" + CrLf;
    if (!r.ovenTemperature.empty()) text += OvenTemperatureLine(r.ovenTemperature) + CrLf;
    if (!r.cookingTime.empty()) text += "Cooking Time: " + r.cookingTime + CrLf;
    if (cookingInformation) text += CrLf;
    if (!r.yield.empty()) text += "Serving Information:" + CrLf + "Yields: " + r.yield + " " + r.yieldUnit + CrLf;
    return text;
}

}  // namespace printing
