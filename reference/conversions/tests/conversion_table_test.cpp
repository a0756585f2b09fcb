// The table of conversions: its 43 rows, their formulas and labels.
#include <gtest/gtest.h>

#include <set>

#include "reference/conversions/conversion_table.h"

namespace conversions {
namespace {

TEST(ConversionTableTest, HoldsFortyThreeRowsUnderTheirIndexes) {
    std::set<int> indexes;
    for (const ConversionEntry& e : Conversions()) indexes.insert(e.index);
    EXPECT_EQ(indexes.size(), 43u);
    for (int missing : {6, 7, 39, 40, 42, 43, 46, 47, 48, NoConversion}) {
        EXPECT_EQ(FindConversion(missing), nullptr) << missing;
        EXPECT_FALSE(ApplyConversion(missing, 3).has_value()) << missing;
    }
    EXPECT_STREQ(FindConversion(18)->caption, "Celcius to Fahreheit");
    EXPECT_STREQ(FindConversion(19)->caption, "Fahreheit to Celcius");
    EXPECT_STREQ(FindConversion(3)->caption, "20 oz. (18 floz) to Cup");
}

TEST(ConversionTableTest, ComputesEachRowAsWritten) {
    const struct {
        int index;
        double amount;
        double result;
        const char* from;
        const char* to;
    } cases[] = {
        {0, 3, 3, "8 oz. Cans", "Cups"},
        {8, 3, 1.0002, "Teaspoons", "Tablespoons"},
        {11, 2, 32, "Cups", "Tablespoons"},
        {18, 100, 212, "Degrees Celcius", "Degrees Fahrenheit"},
        {19, 212, 100, "Degrees Fahrenheit", "Degrees Celcius"},
        {19, 0, -17.777777777777779, "Degrees Fahrenheit", "Degrees Celcius"},
        {41, 1, 28.349523, "Ounces", "Grams"},
        {38, 100, 3.5274, "Grams", "Ounces"},
        {29, 3, 2.001, "Bread Slices", "Cup(s) Soft Bread Crumbs"},
        {5, 2, 3, "lb(s). Walnuts (In Shells)", "Shelled Cups"},
        {28, 1, 0.5, "Stick (1/4 lb.)", "Cups"},
    };
    for (const auto& c : cases) {
        const auto got = ApplyConversion(c.index, c.amount);
        ASSERT_TRUE(got.has_value()) << c.index;
        EXPECT_NEAR(got->value, c.result, 1e-9) << c.index;
        EXPECT_EQ(got->fromUnit, c.from) << c.index;
        EXPECT_EQ(got->toUnit, c.to) << c.index;
    }
}

TEST(ConversionTableTest, GroupsFillTheirColumnsInOrder) {
    int perGroup[5] = {};
    for (const ConversionEntry& e : Conversions()) ++perGroup[static_cast<int>(e.group)];
    EXPECT_EQ(perGroup[static_cast<int>(ConversionGroup::WeightsAndMeasures)], 14);
    EXPECT_EQ(perGroup[static_cast<int>(ConversionGroup::CanSizes)], 5);
    EXPECT_EQ(perGroup[static_cast<int>(ConversionGroup::Temperature)], 2);
    EXPECT_EQ(perGroup[static_cast<int>(ConversionGroup::EasyEquivalents)], 6);
    EXPECT_EQ(perGroup[static_cast<int>(ConversionGroup::HowMuchHowMany)], 16);
    EXPECT_STREQ(GroupCaption(ConversionGroup::HowMuchHowMany), "How Much = How Many");
}

}  // namespace
}  // namespace conversions
