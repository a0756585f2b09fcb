// One run of a conversion as the window shows it: the result line of a
// single entry and the table of a multiple entry.
#include <gtest/gtest.h>

#include "reference/conversions/conversion_run.h"

namespace conversions {
namespace {

using M = RoundingMode;

RunInput Single(int index, const std::string& amount, M rounding = M::Hundredths) {
    return {index, rounding, false, amount, ""};
}
RunInput Multiple(int index, const std::string& from, const std::string& to, M rounding = M::Hundredths) {
    return {index, rounding, true, from, to};
}

TEST(ConversionRunTest, SingleEntryShowsTheResultLine) {
    const struct {
        const char* amount;
        int index;
        M mode;
        const char* box;
        const char* from;
        const char* result;
        const char* to;
    } cases[] = {
        {"", 11, M::Hundredths, "1", "Cup = ", "16", "Tablespoons"},
        {"0.5", 11, M::Hundredths, ".5", "Cup = ", "8", "Tablespoons"},
        {"2", 11, M::Hundredths, "2", "Cups = ", "32", "Tablespoons"},
        {"1,234", 38, M::Hundredths, "1,234", "Grams = ", "43.53", "Ounces"},
        {"20", 19, M::Hundredths, "20", "Degrees Fahrenheit = ", "-6.67", "Degrees Celcius"},
        {"20", 19, M::Tenths, "20", "Degrees Fahrenheit = ", "-6.7", "Degrees Celcius"},
        {"20", 19, M::Thousandths, "20", "Degrees Fahrenheit = ", "-6.667", "Degrees Celcius"},
        {"3", 8, M::NoRounding, "3", "Teaspoons = ", "1.0002", "Tablespoons"},
        {"3", 8, M::Hundredths, "3", "Teaspoons = ", "1", "Tablespoon"},
        {"5", 14, M::WholeNumber, "5", "Cups = ", "3", "Pints"},
        {"0.5", 0, M::WholeNumber, ".5", "8 oz. Can = ", "1", "Cup"},
        {"", 18, M::Hundredths, "0", "Degrees Celcius = ", "32", "Degrees Fahrenheit"},
        {"abc", 11, M::Hundredths, "1", "Cup = ", "16", "Tablespoons"},
        {"-3", 11, M::Hundredths, "1", "Cup = ", "16", "Tablespoons"},
        {"1E999", 11, M::Hundredths, "1E999", "Cups = ", "Too large", "Tablespoons"},
        {"1E-45", 25, M::NoRounding, "1E-45", "Marshmallow = ", "Too small", "Pound"},
    };
    for (const auto& c : cases) {
        const auto out = RunConversion(Single(c.index, c.amount, c.mode));
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(out->amountText, c.box) << c.amount << " + " << c.index;
        EXPECT_EQ(out->fromLabel, c.from) << c.amount << " + " << c.index;
        EXPECT_EQ(out->resultText, c.result) << c.amount << " + " << c.index;
        EXPECT_EQ(out->toLabel, c.to) << c.amount << " + " << c.index;
        EXPECT_TRUE(out->rows.empty());
    }
}

TEST(ConversionRunTest, TemperaturesBelowZeroAreKept) {
    const struct {
        const char* amount;
        int index;
        const char* box;
        const char* result;
    } cases[] = {
        {"-40", 19, "-40", "-40"},
        {"-40", 18, "-40", "-40"},
        {"-10", 18, "-10", "14"},
        {"0", 19, "0", "-17.78"},
    };
    for (const auto& c : cases) {
        const auto out = RunConversion(Single(c.index, c.amount));
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(out->amountText, c.box) << c.amount;
        EXPECT_EQ(out->resultText, c.result) << c.amount << " + " << c.index;
    }
    EXPECT_EQ(RunConversion(Single(19, "-40"))->fromLabel, "Degrees Fahrenheit = ");
}

TEST(ConversionRunTest, SingleEntryKeepsTheUnroundedResult) {
    const auto out = RunConversion(Single(19, "20"));
    EXPECT_DOUBLE_EQ(out->converted, (20 - 32) * (5.0 / 9.0));
    EXPECT_DOUBLE_EQ(out->amount, 20);
    EXPECT_FALSE(RunConversion(Single(6, "3")).has_value());
}

std::vector<std::array<std::string, 2>> Rows(std::initializer_list<std::array<std::string, 2>> rows) { return rows; }

TEST(ConversionRunTest, MultipleEntryFillsTheTableInAscendingOrder) {
    const auto out = RunConversion(Multiple(11, "10", "5"));
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->amountText, "10");
    EXPECT_EQ(out->endText, "5");
    EXPECT_EQ(out->rows, Rows({{"Cups", "Tablespoons"},
                               {"5", "80"},
                               {"6", "96"},
                               {"7", "112"},
                               {"8", "128"},
                               {"9", "144"},
                               {"10", "160"}}));
    EXPECT_DOUBLE_EQ(out->range.start, 5);
    EXPECT_DOUBLE_EQ(out->range.end, 10);
}

TEST(ConversionRunTest, MultipleEntryCutsAWideRangeTo1000Amounts) {
    const struct {
        const char* start;
        const char* end;
        const char* endAfter;
        int amounts;
        const char* last;
    } cases[] = {
        {"1", "5000", "1000", 1000, "1,000"},
        {"1", "1001", "1001", 1001, "1,001"},
        {"3", "", "4", 2, "4"},
        {"1E16", "", "1E+16", 1, "10,000,000,000,000,000"},
        {"1E16", "1", "1000", 1000, "1,000"},
        {"5", "1E16", "1004", 1000, "1,004"},
        {"1E999", "", "1.79769313486232E+308", 1, "Too large"},
    };
    for (const auto& c : cases) {
        const auto out = RunConversion(Multiple(0, c.start, c.end));
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(out->endText, c.endAfter) << c.start << " to " << c.end;
        ASSERT_EQ(out->rows.size(), static_cast<std::size_t>(c.amounts) + 1) << c.start << " to " << c.end;
        EXPECT_EQ(out->rows.back()[0], c.last) << c.start << " to " << c.end;
    }
}

TEST(ConversionRunTest, MultipleEntryWritesAmountsAndResultsByTheRounding) {
    const auto whole = RunConversion(Multiple(0, "0.5", "3", M::WholeNumber));
    EXPECT_EQ(whole->rows, Rows({{"8 oz. Cans", "Cups"}, {"1", "1"}, {"2", "2"}, {"3", "3"}}));
    const auto tenths = RunConversion(Multiple(8, "0.5", "2", M::Tenths));
    EXPECT_EQ(tenths->rows, Rows({{"Teaspoons", "Tablespoons"}, {".5", ".2"}, {"1.5", ".5"}}));
    const auto none = RunConversion(Multiple(8, "3", "3", M::NoRounding));
    EXPECT_EQ(none->rows, Rows({{"Teaspoons", "Tablespoons"}, {"3", "1.0002"}}));
    const auto zero = RunConversion(Multiple(18, "0", "1"));
    EXPECT_EQ(zero->rows, Rows({{"Degrees Celcius", "Degrees Fahrenheit"}, {"0", "32"}, {"1", "33.8"}}));
    const auto cold = RunConversion(Multiple(19, "-41", "-40"));
    EXPECT_EQ(cold->rows, Rows({{"Degrees Fahrenheit", "Degrees Celcius"}, {"-41", "-40.56"}, {"-40", "-40"}}));
}

}  // namespace
}  // namespace conversions
