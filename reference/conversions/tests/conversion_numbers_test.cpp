// Reading amounts, rounding results, writing numbers and unit labels.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "reference/conversions/conversion_numbers.h"

namespace conversions {
namespace {

TEST(ConversionNumbersTest, ReadsTheNumberAtTheStartOfABox) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"", 0},      {"abc", 0},    {"12abc", 12},      {"1,234.5", 1234.5}, {"  .5", 0.5},
                 {"-40", -40}, {"1E3", 1000}, {"1.5E-2x", 0.015}, {"1E", 1},           {"1,234", 1234},
                 {"-", 0},     {",5", 0},     {"+7", 7},          {"3 1/2", 3},        {"1E+16", 1e16}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadAmount(c.text), c.value) << c.text;
    EXPECT_FALSE(ReadNumber("abc").has_value());
    EXPECT_TRUE(ReadNumber("0").has_value());
    EXPECT_EQ(ReadAmount("1E999"), std::numeric_limits<double>::max());
}

TEST(ConversionNumbersTest, RoundsByAddingAHalfAndCuttingTowardTheLowerNumber) {
    using M = RoundingMode;
    const struct {
        double value;
        M mode;
        double rounded;
    } cases[] = {
        {0.285, M::Hundredths, 0.29},
        {-6.666666666666667, M::Hundredths, -6.67},
        {-6.666666666666667, M::Tenths, -6.7},
        {-6.666666666666667, M::Thousandths, -6.667},
        {-2.45, M::Tenths, -2.4},
        {2.5, M::WholeNumber, 3},
        {-2.5, M::WholeNumber, -2},
        {0.5, M::WholeNumber, 1},
        {16, M::Hundredths, 16},
        {-2, M::Tenths, -2},
        {1.0002, M::Hundredths, 1},
        {43.528116, M::Hundredths, 43.53},
        {1.0002, M::NoRounding, 1.0002},
        {1e16, M::Thousandths, 1e16},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RoundResult(c.value, c.mode), c.rounded) << c.value << " mode " << static_cast<int>(c.mode);
    EXPECT_TRUE(std::isinf(RoundResult(std::numeric_limits<double>::infinity(), M::Hundredths)));
}

TEST(ConversionNumbersTest, WritesNumbersAsTheMasksDo) {
    const struct {
        double value;
        Mask mask;
        const char* text;
    } cases[] = {
        {0.5, Mask::Box, ".5"},
        {0.5, Mask::Integer, "1"},
        {1.5, Mask::Integer, "2"},
        {-2.5, Mask::Integer, "-3"},
        {0, Mask::Result, "0"},
        {0.2, Mask::Integer, "0"},
        {12, Mask::Box, "12"},
        {1234.5, Mask::Box, "1,234.5"},
        {1234567, Mask::Grid, "1,234,567"},
        {-6.67, Mask::Result, "-6.67"},
        {1.0001999999999999, Mask::Result, "1.0002"},
        {-17.777777777777779, Mask::Result, "-17.7777777777778"},
        {1e16, Mask::Integer, "10,000,000,000,000,000"},
        {1.5e-20, Mask::Result, ".000000000000000000015"},
        {123456789012345678.0, Mask::Grid, "123,456,789,012,346,000"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownText(c.value, c.mask), c.text) << c.value;
}

TEST(ConversionNumbersTest, SaysSoWhenANumberCannotShow) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ShownText(inf, Mask::Result), TooLargeText);
    EXPECT_EQ(ShownText(-inf, Mask::Grid), TooLargeText);
    EXPECT_EQ(ShownText(1e20, Mask::Integer), TooLargeText);
    EXPECT_EQ(ShownText(1e-20, Mask::Grid), TooSmallText);
    EXPECT_EQ(ShownText(1e-50, Mask::Result), TooSmallText);
    EXPECT_FALSE(MaskedText(1e-30, Mask::Box).has_value());
    EXPECT_EQ(PlainText(1000), "1000");
    EXPECT_EQ(PlainText(2.5), "2.5");
    EXPECT_DOUBLE_EQ(ReadAmount(PlainText(1e16 + 999)), 1e16 + 999);
    EXPECT_DOUBLE_EQ(ReadAmount(PlainText(1e-30)), 1e-30);
}

TEST(ConversionNumbersTest, MakesUnitLabelsSingular) {
    const struct {
        const char* plural;
        const char* singular;
    } cases[] = {
        {"Cups", "Cup"},
        {"8 oz. Cans", "8 oz. Can"},
        {"Cup(s) Soft Bread Crumbs", "Cup(s) Soft Bread Crumb"},
        {"Degrees Celcius", "Degrees Celcius"},
        {"Degrees Fahrenheit", "Degrees Fahrenheit"},
        {"Stick (1/4 lb.)", "Stick (1/4 lb.)"},
        {"Tablespoon(s) Flour", "Tablespoon(s) Flour"},
        {"lb(s). Walnuts (In Shells)", "lb(s). Walnuts (In Shells)"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SingularUnit(c.plural), c.singular) << c.plural;
}

}  // namespace
}  // namespace conversions
