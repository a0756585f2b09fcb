#include "recipes/store/recipe_draft.h"

#include <gtest/gtest.h>

namespace recipes {
namespace {

TEST(RecipeDraftTest, ARecordReadFromAFileShowsWithoutPaddingAndInFractions) {
    RecipeRecord record = DecodeRecipeRecord(std::string(RecipeRecordLength, ' '));
    record.amounts[0] = ".34  ";
    record.amounts[1] = "2    ";
    record.units[0] = "cup       ";
    record.ingredients[0] = "sugar" + std::string(30, ' ');
    record.directions = "Mix.\r\nBake." + std::string(989, ' ');
    record.yieldUnit = "Loaf(s)    ";
    const RecipeDraft d = DraftFromRecord(record);
    EXPECT_EQ(d.amounts[0], ".34") << "the decimals stay for saving and scaling";
    EXPECT_EQ(d.shownAmounts[0], "1/3");
    EXPECT_EQ(d.shownAmounts[1], "2") << "no blank after a whole number";
    EXPECT_EQ(d.shownAmounts[2], "");
    EXPECT_EQ(d.units[0], "cup");
    EXPECT_EQ(d.ingredients[0], "sugar");
    EXPECT_EQ(d.directions, "Mix.\r\nBake.");
    EXPECT_EQ(d.yieldUnit, "Loaf(s)");
    EXPECT_TRUE(d.type.empty());
    EXPECT_TRUE(d.name.empty());
    EXPECT_FALSE(d.modifyMode);
}

TEST(RecipeDraftTest, TheRecordOfADraftKeepsTheDecimalsAndIsInUse) {
    RecipeDraft d;
    d.type = "Breads";
    d.name = "Pumpkin Bread";
    d.amounts[3] = "1.5";
    d.shownAmounts[3] = "1 1/2";
    d.units[3] = "cups";
    d.ingredients[3] = "flour";
    d.directions = "Bake";
    d.ovenTemperature = "350";
    d.cookingTime = "1 hour";
    d.yield = "2";
    d.yieldUnit = "Loaf(s)";
    const RecipeRecord record = ToRecipeRecord(d);
    EXPECT_EQ(record.amounts[3], "1.5");
    EXPECT_EQ(record.units[3], "cups");
    EXPECT_EQ(record.ingredients[3], "flour");
    EXPECT_EQ(record.directions, "Bake");
    EXPECT_EQ(record.ovenTemperature, "350");
    EXPECT_EQ(record.cookingTime, "1 hour");
    EXPECT_EQ(record.yield, "2");
    EXPECT_EQ(record.yieldUnit, "Loaf(s)");
    EXPECT_TRUE(IsInUseMarker(record.marker));

    // Stored and read back, the draft shows what was saved.
    const RecipeDraft back = DraftFromRecord(DecodeRecipeRecord(EncodeRecipeRecord(record)));
    EXPECT_EQ(back.amounts, d.amounts);
    EXPECT_EQ(back.shownAmounts[3], "1 1/2");
    EXPECT_EQ(back.ingredients, d.ingredients);
    EXPECT_EQ(back.yieldUnit, d.yieldUnit);
}

}  // namespace
}  // namespace recipes
