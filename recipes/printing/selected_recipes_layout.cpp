#include "recipes/printing/selected_recipes_layout.h"

#include "platform/basic/text.h"
#include "recipes/printing/recipe_page.h"
#include "recipes/store/fraction_snapping.h"
#include "recipes/store/recipe_index_entry.h"

namespace printing {

namespace {

// The fields as the record file holds them, blank-filled to their width
// (a record read from the file already is).
std::string Field(std::string_view text, int width) {
    std::string field(text.substr(0, static_cast<std::size_t>(width)));
    field.resize(static_cast<std::size_t>(width), ' ');
    return field;
}

bool Blank(std::string_view text) { return basic::Trim(text).empty(); }

PrintedRecipe FromRecord(const RecipePick& pick, const recipes::RecipeRecord& record, int amountFormat) {
    namespace field = recipes::field;
    PrintedRecipe printed;
    printed.type = basic::Trim(pick.type);
    printed.name = PrintedRecipeName(pick.entry);
    if (!Blank(record.yield))
        printed.yieldLine = "Recipe Yields: " + Field(record.yield, field::YieldWidth) + " " +
                            Field(record.yieldUnit, field::YieldUnitWidth);
    if (!Blank(record.cookingTime))
        printed.cookingTimeLine = "Cooking Time: " + Field(record.cookingTime, field::CookingTimeWidth);
    if (!Blank(record.ovenTemperature))
        printed.ovenTemperatureLine = OvenTemperatureLine(Field(record.ovenTemperature, field::OvenTemperatureWidth));
    for (std::size_t i = 0; i < printed.rows.size(); ++i) {
        PrintedIngredient& row = printed.rows[i];
        const std::string& amount = record.amounts[i];
        row.amount = amountFormat == AmountsAsDecimals ? basic::Trim(amount)
                                                       : basic::Trim(recipes::FractionSnapping(amount).text);
        row.unit = Field(record.units[i], field::UnitWidth);
        row.ingredient = Field(record.ingredients[i], field::IngredientWidth);
        row.empty = IsEmptyIngredient(amount, record.units[i], record.ingredients[i]);
    }
    printed.directions = Field(record.directions, field::DirectionsWidth);
    return printed;
}

}  // namespace

std::optional<int> LayoutSelectedRecipes(ui::PrintDocument& doc, const PrintFontSettings& font,
                                         const recipes::CookbookReader& cookbook, const RecipePicks& picks,
                                         int amountFormat) {
    // The record each slot prints; a slot without one counts as empty, also
    // for where pages start, so a recipe never lands on a half page already
    // taken.
    const long records = cookbook.RecordCount();
    std::array<std::optional<long>, PickSlotCount> numbers;
    for (std::size_t k = 0; k < picks.size(); ++k) {
        if (Blank(picks[k].entry)) continue;
        const auto number = recipes::EntryRecordNumber(picks[k].entry);
        if (number && *number <= records) numbers[k] = number;
    }

    StartPrintout(doc, font);
    std::optional<int> lastLayout;
    for (std::size_t k = 0; k < picks.size(); ++k) {
        if (!numbers[k]) continue;
        const bool top = k % 2 == 0;
        if (top ? k > 0 : k > 1 && !numbers[k - 1]) doc.NewPage();
        const int layout = top ? TopHalfOfPage : BottomHalfOfPage;
        // A record of our own: nothing read here can reach a buffer the
        // recipe window writes.
        const recipes::RecipeRecord record = cookbook.ReadRecord(*numbers[k]);
        WriteRecipe(doc, font, FromRecord(picks[k], record, amountFormat), layout);
        lastLayout = layout;
    }
    EndPrintout(doc, font);
    return lastLayout;
}

}  // namespace printing
