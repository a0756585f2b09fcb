#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "recipes/amount_scaling.h"

namespace recipes {
namespace {

// --- the rules

TEST(AmountScalingTest, AmountsAreCutToTwoDecimalsThenSnappedToKitchenDecimals) {
    struct Case {
        const char* amount;
        float factor;
        const char* text;
    };
    const Case cases[] = {
        {".34", .5f, ".125"},  // .17: below .2 it is an eighth, not a sixth or a third
        {"1", 1.05f, "1"},     {"2.9", 1, "3"},    {"1.86", 1, "2"},    {".1", .5f, ""},
        {"", 3, ""},           {"-1", 2, ""},      {"1", 1.3f, "1.33"},  // 1.30 lands on the bound of a third
        {"1.7", 1, "1.67"},    {"1.8", 1, "1.75"}, {".12", 1, ".125"},  {".25", 1, ".25"},
        {"1.5", 2 / 3.f, "1"}, {"1", 999, "999"},  {"999", 1, "999"},   {"998.7", 1, "998.67"},
    };
    for (const auto& c : cases) {
        const auto scaled = ScaleAmount(c.amount, c.factor);
        ASSERT_TRUE(scaled) << c.amount;
        EXPECT_EQ(scaled->text, c.text) << c.amount << " x " << c.factor;
    }
    EXPECT_DOUBLE_EQ(ScaleAmount(".34", .5f)->scaled, .17);
}

TEST(AmountScalingTest, AnAmountOfAThousandOrMoreIsNoAmount) {
    // 999.999 would be written "1,000.00", which reads back as 1.
    for (const auto& [amount, factor] : std::vector<std::pair<const char*, float>>{
             {"2", 500}, {"2.002", 499.5f}, {"999.9", 1}, {"5000", 1}, {"1E+30", 1E+30f}})
        EXPECT_FALSE(ScaleAmount(amount, factor)) << amount << " x " << factor;
}

TEST(AmountScalingTest, OnlyAPositiveFactorScales) {
    EXPECT_FALSE(ScaleFactor(0, 2));
    EXPECT_FALSE(ScaleFactor(-2, 2));
    EXPECT_FALSE(ScaleFactor(1E-40, 999));  // no single-precision number holds it
    EXPECT_EQ(ScaleFactor(4, 2), .5f);
    EXPECT_EQ(ScaleFactor(3, 1), 1 / 3.f);
}

TEST(AmountScalingTest, AKitchenFractionYieldCountsByItsValue) {
    const std::pair<const char*, double> cases[] = {
        {"1 1/2", 1.5}, {"3/4", .75}, {" 2 1/4 ", 2.25}, {"12", 12},  {".5", .5}, {"", 0},
        {"abc", 0},     {"4-6", 4},   {"1/0", 1},        {"1 1", 11},  // blanks aside, a plain number as ever
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(YieldValue(text), value) << text;
}

TEST(AmountScalingTest, TheYieldUnitFollowsTheYield) {
    struct Case {
        const char* unit;
        double yield;
        const char* result;
    };
    const Case cases[] = {
        {"Pieces", 1, "Piece"},
        {"Piece", 12, "Pieces"},
        {"Pieces", 12, "Pieces"},
        {"Cakes", 0, "Cake"},
        {"Serving(s)", 1, "Serving(s)"},
        {"Cake(s)", 5, "Cake(s)"},
        {"Dozen", 3, "Dozen"},
        {"dozen", 3, "dozen"},
        {"cup", 2, "cups"},
        {"s", 1, "s"},
        {"", 5, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(YieldUnitFor(c.unit, c.yield), c.result) << c.unit << " " << c.yield;
}

TEST(AmountScalingTest, UnitsTurnSingularOrPlural) {
    struct Case {
        const char* unit;
        double amount;
        std::optional<std::string> result;  // nullopt: the box is left alone
    };
    const Case cases[] = {
        {"cup", 3, "cups"},
        {"cups", .5, "cup"},
        {"cups", 0, "cup"},  // a line without an amount
        {"cup", 1.05, std::nullopt},
        {"cup", 1.1, std::nullopt},
        {"cups   ", .5, "cup"},
        {"cup  ", 1, std::nullopt},
        {"lb.", 3, "lbs."},
        {"lbs.", 1, "lb."},
        {"Tbsp.", 2, "Tbsps."},
        {"pkgs.", 1, "pkg."},
        // The pick lists' own forms, where adding or dropping an "s" would go wrong.
        {"dash", 2, "dashes"},
        {"dashes", 1, "dash"},
        {"dashes", 2, std::nullopt},
        // Units of the user's own.
        {"cupful", 2, "cupfuls"},
        {"handful.", 2, "handfuls."},
        {"teaspoons", .5, "teaspoon"},
        {"abcdefghi", 2, "abcdefghis"},
        {"abcdefghij", 2, std::nullopt},  // would not fit the record's 10 characters
        {"Dozen", 2, std::nullopt},
        {"WHOLE", .5, std::nullopt},
        {"Large", 2, std::nullopt},
        {"medium", 2, std::nullopt},
        {"small", 2, std::nullopt},
        {"", 2, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(UnitFor(c.unit, c.amount), c.result) << c.unit << " " << c.amount;
}

}  // namespace
}  // namespace recipes
