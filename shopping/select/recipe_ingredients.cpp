#include "shopping/select/recipe_ingredients.h"

#include "platform/basic/text.h"
#include "recipes/store/fraction_snapping.h"

namespace shopping {

namespace {

std::string Cut(std::string text, std::size_t width) {
    if (text.size() > width) text.resize(width);
    return text;
}

}  // namespace

std::string IngredientChoice::caption() const {
    const std::string shown = amount.empty() ? name + " " : name + " => " + amount;
    return shown + " " + unit;
}

// Quotes are left out here already: the list files could not carry them.
ListEntry IngredientChoice::nameOnly() const {
    return {basic::Trim(Cut(basic::Trim(WithoutQuotes(name)), ItemWidth)), ""};
}

ListEntry IngredientChoice::withAmount() const {
    ListEntry entry = nameOnly();
    if (!amount.empty()) entry.amount = basic::Trim(WithoutQuotes(amount + " " + unit));
    return entry;
}

std::optional<IngredientChoice> IngredientOfLine(std::string_view ingredient, std::string_view amount,
                                                 std::string_view unit) {
    IngredientChoice choice;
    choice.name = basic::RTrim(ingredient);
    if (!choice.name.empty()) choice.name[0] = basic::UpperChar(choice.name[0]);
    // A note in brackets ("Flour (sifted)") is no part of what to buy.
    if (const auto bracket = choice.name.find('(', 1); bracket != std::string::npos) choice.name.resize(bracket);
    choice.amount = recipes::FractionSnappingInDouble(amount).text;
    if (basic::Trim(choice.amount.empty() ? choice.name : choice.name + " => ").empty()) return std::nullopt;
    choice.unit = std::string(unit);
    choice.unit.resize(recipes::field::UnitWidth, ' ');
    return choice;
}

std::vector<IngredientChoice> IngredientChoices(const recipes::RecipeRecord& record) {
    std::vector<IngredientChoice> choices;
    for (std::size_t k = 0; k < recipes::IngredientLineCount; ++k)
        if (auto choice = IngredientOfLine(record.ingredients[k], record.amounts[k], record.units[k]))
            choices.push_back(std::move(*choice));
    return choices;
}

}  // namespace shopping
