#include "recipes/store/recipe_record.h"

#include <algorithm>

#include "platform/basic/text.h"

namespace recipes {

namespace {

void PutField(std::string& bytes, int at, int width, std::string_view text) {
    const auto count = std::min(text.size(), static_cast<std::size_t>(width));
    std::copy_n(text.begin(), count, bytes.begin() + at);
}

std::string GetField(std::string_view bytes, int at, int width) {
    std::string text(static_cast<std::size_t>(width), ' ');
    const auto at_ = static_cast<std::size_t>(at);
    if (at_ < bytes.size()) {
        const auto count = std::min(bytes.size() - at_, text.size());
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at_), count, text.begin());
    }
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

}  // namespace

std::string EncodeRecipeRecord(const RecipeRecord& record) {
    using namespace field;
    std::string bytes(RecipeRecordLength, ' ');
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        PutField(bytes, AmountsAt + AmountWidth * line, AmountWidth, record.amounts[i]);
        PutField(bytes, UnitsAt + UnitWidth * line, UnitWidth, record.units[i]);
        PutField(bytes, IngredientsAt + IngredientWidth * line, IngredientWidth, record.ingredients[i]);
    }
    PutField(bytes, DirectionsAt, DirectionsWidth, record.directions);
    PutField(bytes, OvenTemperatureAt, OvenTemperatureWidth, record.ovenTemperature);
    PutField(bytes, YieldAt, YieldWidth, record.yield);
    PutField(bytes, CookingTimeAt, CookingTimeWidth, record.cookingTime);
    PutField(bytes, YieldUnitAt, YieldUnitWidth, record.yieldUnit);
    PutField(bytes, MarkerAt, MarkerWidth, record.marker);
    return bytes;
}

RecipeRecord DecodeRecipeRecord(std::string_view bytes) {
    using namespace field;
    RecipeRecord record;
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        record.amounts[i] = GetField(bytes, AmountsAt + AmountWidth * line, AmountWidth);
        record.units[i] = GetField(bytes, UnitsAt + UnitWidth * line, UnitWidth);
        record.ingredients[i] = GetField(bytes, IngredientsAt + IngredientWidth * line, IngredientWidth);
    }
    record.directions = GetField(bytes, DirectionsAt, DirectionsWidth);
    record.ovenTemperature = GetField(bytes, OvenTemperatureAt, OvenTemperatureWidth);
    record.yield = GetField(bytes, YieldAt, YieldWidth);
    record.cookingTime = GetField(bytes, CookingTimeAt, CookingTimeWidth);
    record.yieldUnit = GetField(bytes, YieldUnitAt, YieldUnitWidth);
    record.marker = GetField(bytes, MarkerAt, MarkerWidth);
    return record;
}

std::string MarkerOf(std::string_view recordBytes) {
    std::string marker(field::MarkerWidth, '\0');
    const auto at = static_cast<std::size_t>(field::MarkerAt);
    if (at < recordBytes.size())
        std::copy_n(recordBytes.begin() + field::MarkerAt, std::min(recordBytes.size() - at, marker.size()),
                    marker.begin());
    return marker;
}

bool IsInUseMarker(std::string_view marker) {
    constexpr std::string_view inUse = "FULL1";
    return marker.size() == inUse.size() && std::equal(marker.begin(), marker.end(), inUse.begin(),
                                                       [](char c, char upper) { return basic::UpperChar(c) == upper; });
}

std::string YieldUnitAsSaved(std::string_view text) { return basic::Left(text, field::YieldUnitWidth); }

RecipeRecord DeletedRecipeRecord() {
    RecipeRecord record;
    record.marker = std::string(DeletedMarker) + " ";
    return record;
}

}  // namespace recipes
