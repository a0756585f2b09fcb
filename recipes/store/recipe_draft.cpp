#include "recipes/store/recipe_draft.h"

#include "platform/basic/text.h"
#include "recipes/store/fraction_snapping.h"

namespace recipes {

RecipeRecord ToRecipeRecord(const RecipeDraft& d) {
    RecipeRecord record;
    record.amounts = d.amounts;
    record.units = d.units;
    record.ingredients = d.ingredients;
    record.directions = d.directions;
    record.ovenTemperature = d.ovenTemperature;
    record.yield = d.yield;
    record.cookingTime = d.cookingTime;
    record.yieldUnit = d.yieldUnit;
    record.marker = InUseMarker;
    return record;
}

RecipeDraft DraftFromRecord(const RecipeRecord& record) {
    RecipeDraft d;
    for (std::size_t i = 0; i < d.amounts.size(); ++i) {
        d.amounts[i] = basic::RTrim(record.amounts[i]);
        d.shownAmounts[i] = basic::RTrim(FractionSnapping(d.amounts[i]).text);
        d.units[i] = basic::RTrim(record.units[i]);
        d.ingredients[i] = basic::RTrim(record.ingredients[i]);
    }
    d.directions = basic::RTrim(record.directions);
    d.ovenTemperature = basic::RTrim(record.ovenTemperature);
    d.yield = basic::RTrim(record.yield);
    d.cookingTime = basic::RTrim(record.cookingTime);
    d.yieldUnit = basic::RTrim(record.yieldUnit);
    return d;
}

}  // namespace recipes
