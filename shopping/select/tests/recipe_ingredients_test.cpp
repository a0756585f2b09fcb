// A recipe's ingredient lines as Recipe Select's boxes show them and as the list takes them.
#include "shopping/select/recipe_ingredients.h"

#include <gtest/gtest.h>

#include "shopping/store/list_line.h"

namespace shopping {
namespace {

IngredientChoice Line(std::string_view ingredient, std::string_view amount, std::string_view unit) {
    auto choice = IngredientOfLine(ingredient, amount, unit);
    EXPECT_TRUE(choice.has_value()) << ingredient;
    return choice.value_or(IngredientChoice{});
}

TEST(RecipeIngredientsTest, FlourSiftedTwoAndAHalfCups) {
    const IngredientChoice flour = Line("Flour (sifted)", "2.5", "cups");
    EXPECT_EQ(flour.caption(), "Flour  => 2 1/2 cups      ");
    EXPECT_EQ(flour.nameOnly(), (ListEntry{"Flour", ""}));
    EXPECT_EQ(flour.withAmount(), (ListEntry{"Flour", "2 1/2 cups"}));
    const ListEntry entry = flour.withAmount();
    EXPECT_EQ(MakeListLine(entry.item, entry.amount), "Flour" + std::string(25, ' ') + "2 1/2 cups");
}

TEST(RecipeIngredientsTest, AmountsShowAsKitchenFractions) {
    struct Case {
        const char* amount;
        const char* caption;
        const char* listAmount;
    };
    const Case cases[] = {
        {".125", "Salt => 1/8 tsp       ", "1/8 tsp"},
        {"1.34", "Salt => 1 1/3 tsp       ", "1 1/3 tsp"},
        {".67", "Salt => 2/3 tsp       ", "2/3 tsp"},
        {".9", "Salt => 1  tsp       ", "1  tsp"},  // raised to the whole number, no fraction left
        {"3", "Salt => 3 tsp       ", "3 tsp"},
        // The fraction part is compared with the bounds in double precision.
        {"1.2", "Salt => 1 1/8 tsp       ", "1 1/8 tsp"},
        {"1.6", "Salt => 1 2/3 tsp       ", "1 2/3 tsp"},
        {"0.05", "Salt  tsp       ", ""},  // too little to show: no amount
        {"", "Salt  tsp       ", ""},
    };
    for (const Case& c : cases) {
        const IngredientChoice salt = Line("salt", c.amount, "tsp");
        EXPECT_EQ(salt.caption(), c.caption) << c.amount;
        EXPECT_EQ(salt.withAmount(), (ListEntry{"Salt", c.listAmount})) << c.amount;
        EXPECT_EQ(salt.nameOnly(), (ListEntry{"Salt", ""})) << c.amount;
    }
}

TEST(RecipeIngredientsTest, EmptyLinesShowNoBoxAndTheFollowingLinesMoveUp) {
    EXPECT_FALSE(IngredientOfLine("", "", "cups").has_value());
    EXPECT_FALSE(IngredientOfLine("   ", "0", "").has_value());
    recipes::RecipeRecord record;
    record.ingredients[0] = "Eggs";
    record.amounts[0] = "2";
    record.ingredients[2] = "Milk";
    record.amounts[2] = "1";
    record.units[2] = "cup";
    record.amounts[5] = "3";  // an amount without an ingredient still shows
    const auto choices = IngredientChoices(record);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].caption(), "Eggs => 2           ");
    EXPECT_EQ(choices[1].caption(), "Milk => 1 cup       ");
    EXPECT_EQ(choices[2].caption(), " => 3           ");
    EXPECT_EQ(choices[2].withAmount().item, "") << "names nothing to buy";
}

TEST(RecipeIngredientsTest, NamesAreCutToTheListsItemWidthAndLoseTheirQuotes) {
    const IngredientChoice pan = Line("parchment for an 8\" pan", "1", "sheet\"");
    EXPECT_EQ(pan.withAmount(), (ListEntry{"Parchment for an 8 pan", "1 sheet"}));
    const IngredientChoice longName = Line("Extra sharp white cheddar cheese, grated", "4", "oz");
    EXPECT_EQ(longName.nameOnly().item, "Extra sharp white cheddar chee");
    // A bracket at the very start is the name itself.
    EXPECT_EQ(Line("(optional) nuts", "", "").nameOnly().item, "(optional) nuts");
}

TEST(RecipeIngredientsTest, WithoutAnAmountTheUnitStaysOutOfTheItem) {
    const IngredientChoice pepper = Line("Pepper", "", "dash");
    EXPECT_EQ(pepper.caption(), "Pepper  dash      ");
    EXPECT_EQ(pepper.nameOnly(), (ListEntry{"Pepper", ""}));
    EXPECT_EQ(pepper.withAmount(), (ListEntry{"Pepper", ""}));
}

}  // namespace
}  // namespace shopping
