#include "recipes/store/recipe_lists.h"

#include <gtest/gtest.h>

#include <set>

#include "recipes/store/cookbook_reader.h"
#include "recipes/store/fraction_snapping.h"

namespace recipes {
namespace {

TEST(RecipeListsTest, TypesAreTwentyTwoWithDistinctPrefixesNamingTheIndexFiles) {
    ASSERT_EQ(RecipeTypeList.size(), 22u);
    EXPECT_EQ(RecipeTypeName(1), "Appetizers and beverages");
    EXPECT_EQ(RecipeTypeName(22), "Vegetables");
    EXPECT_EQ(RecipeTypeName(0), "");
    EXPECT_EQ(RecipeTypeName(23), "");
    std::set<std::string> prefixes;
    for (int type = 1; type <= RecipeTypeCount; ++type) prefixes.insert(RecipeTypePrefix(RecipeTypeName(type)));
    EXPECT_EQ(prefixes.size(), 22u);
    EXPECT_EQ(RecipeIndexFileName(1, 1), "Appenfil.db1");
    EXPECT_EQ(RecipeIndexFileName(14, 8), "Lowinfil.db8");
    EXPECT_EQ(RecipeDataFileName(1), "Recipe2.db1");
    EXPECT_EQ(RecipeTypeNumber("Dips"), 10);
    EXPECT_FALSE(RecipeTypeNumber("dips"));
}

TEST(RecipeListsTest, PickListsKeepTheirPositions) {
    EXPECT_EQ(SingularUnitList[14], "Tbsp.");  // after "small", not in alphabetical order
    EXPECT_EQ(PluralUnitList[14], "Tbsps.");
    EXPECT_EQ(PluralUnitList[6], "lbs.");
    EXPECT_EQ(FractionList[2], "1/3");
    EXPECT_EQ(FractionValueText[2], ".34");
    EXPECT_EQ(YieldUnitList[1], "Casserole(s)");
}

TEST(FractionSnappingTest, EveryPickListValueShowsAsItsOwnEntry) {
    for (std::size_t i = 0; i < FractionList.size(); ++i)
        EXPECT_EQ(FractionSnapping(FractionValueText[i]).text, FractionList[i]) << FractionValueText[i];
}

TEST(FractionSnappingTest, BandsAreComparedInSinglePrecision) {
    struct Case {
        const char* amount;
        const char* text;
        double whole;
        const char* fraction;
    };
    const Case cases[] = {
        {".125", "1/8", 0, "1/8"},  {".34", "1/3", 0, "1/3"},   {".67", "2/3", 0, "2/3"},
        {"1.3", "1 1/3", 1, "1/3"},  // .3 lands on its bound
        {"2.2", "2 1/4", 2, "1/4"}, {"0.4", "1/3", 0, "1/3"},   {"0.6", "1/2", 0, "1/2"},
        {"0.85", "3/4", 0, "3/4"},  {"1.86", "2 ", 2, ""},      {"2.9", "3 ", 3, ""},
        {"0.9", "1 ", 1, ""},       {"2.05", "2 ", 2, ""},      {"1.05", "1 ", 1, ""},
        {"0.05", "", 0, ""},        {"3", "3", 3, ""},          {"", "", 0, ""},
        {"1.1", "1 1/8", 1, "1/8"}, {"1.5", "1 1/2", 1, "1/2"}, {"12.37", "12 1/3", 12, "1/3"},
        {"abc", "", 0, ""},
    };
    for (const auto& c : cases) {
        const auto amount = FractionSnapping(c.amount);
        EXPECT_EQ(amount.text, c.text) << c.amount;
        EXPECT_EQ(amount.whole, c.whole) << c.amount;
        EXPECT_EQ(amount.fraction, c.fraction) << c.amount;
    }
}

TEST(FractionSnappingTest, InDoublePrecisionAmountsNearABoundLandInTheOtherBand) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.2", "1 1/8"}, {"1.6", "1 2/3"}, {"2.2", "2 1/4"}, {"1.3", "1 1/3"}, {".9", "1 "}, {"2.5", "2 1/2"},
    };
    for (const auto& [amount, text] : cases) EXPECT_EQ(FractionSnappingInDouble(amount).text, text) << amount;
    EXPECT_EQ(FractionSnapping("1.2").text, "1 1/4");
    EXPECT_EQ(FractionSnapping("1.6").text, "1 1/2");
}

TEST(FractionSnappingTest, AmountsNoRecipeHoldsStillGiveAText) {
    EXPECT_EQ(FractionSnapping("9E99").text, "9") << "no exponents: the letter ends the number";
    EXPECT_EQ(FractionSnapping("-1.5").text, "1/2");
    EXPECT_EQ(FractionSnapping("99999").text, "99999");
}

}  // namespace
}  // namespace recipes
