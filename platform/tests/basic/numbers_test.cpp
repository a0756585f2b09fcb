#include "platform/basic/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace basic {
namespace {

TEST(ValTest, ReadsTheNumberAtTheStart) {
    struct Case {
        std::string_view text;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        {"2 1/2 lbs", 21}, {"1,234", 1},   {" 12.5kg", 12.5}, {"", 0},         {"abc", 0},     {"-3.5", -3.5},
        {"+7", 7},         {".5", 0.5},    {"5.", 5},         {"1.2.3", 1.2},  {"- 4", -4},    {" 1 2 . 5 ", 12.5},
        {"-", 0},          {".", 0},       {"007", 7},        {"3/4", 3},      {"+-3", 0},     {"--3", 0},
        // No exponents: a letter ends the number like any other character.
        {"1e2", 1},        {"4d 6", 4},    {"1D2", 1},        {"2.5E-1", 2.5}, {"1e999", 1},   {"E5", 0},
        // No radix prefixes either.
        {"&H10", 0},       {"&O17", 0},    {"&", 0},
        // Only blanks are skipped; a tab or line break stops the number.
        {"1\t2", 1},       {"\t12", 0},    {"1\n2", 1},       {"1\r2", 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_DOUBLE_EQ(Val(c.text), c.expected);
    }
}

TEST(ValTest, IgnoresTheProcessLocale) {
    // Qt front ends switch the C locale to the user's; "12.5" must still read as 12.5.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
    EXPECT_DOUBLE_EQ(Val("12.5"), 12.5);
    EXPECT_EQ(Str(12.5), " 12.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(StrTest, FormatsLikeBasic) {
    struct Case {
        double value;
        std::string_view str;
        std::string_view cstr;
    };
    const Case cases[] = {
        {0, " 0", "0"},
        {12, " 12", "12"},
        {-12, "-12", "-12"},
        {1.5, " 1.5", "1.5"},
        {0.5, " .5", "0.5"},
        {-0.25, "-.25", "-0.25"},
        {1.0 / 3, " .333333333333333", "0.333333333333333"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {0.1 + 0.2, " .3", "0.3"},
        {123456789012345, " 123456789012345", "123456789012345"},
        {1e15, " 1E+15", "1E+15"},
        {1e16, " 1E+16", "1E+16"},
        {-2.5e20, "-2.5E+20", "-2.5E+20"},
        {0.0001, " .0001", "0.0001"},
        {0.000015, " 1.5E-05", "1.5E-05"},
        {1e-100, " 1E-100", "1E-100"},
        {-0.0, " 0", "0"},
        {100, " 100", "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Str(c.value), c.str);
        EXPECT_EQ(CStr(c.value), c.cstr);
    }
}

TEST(StrTest, RoundTripsThroughVal) {
    for (double value : {0.125, -17.75, 2045.0, 0.001, 65535.0}) {
        EXPECT_DOUBLE_EQ(Val(Str(value)), value);
        EXPECT_DOUBLE_EQ(Val(CStr(value)), value);
    }
}

TEST(IntegerTest, IntFloorsAndFixTruncates) {
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.3), -3);
    EXPECT_EQ(Fix(2.7), 2);
    EXPECT_EQ(Fix(-2.7), -2);
}

TEST(IntegerTest, CIntAndCLngRoundHalfToEven) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0.5, 0},   {1.5, 2},  {2.5, 2},  {3.5, 4},    {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {2.49, 2}, {2.51, 3}, {-2.51, -3}, {7, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CInt(c.value), static_cast<std::int16_t>(c.expected));
        EXPECT_EQ(CLng(c.value), c.expected);
    }
}

TEST(IntegerTest, OverflowGivesNothing) {
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);  // half to even stays in range
    EXPECT_EQ(CInt(32767.5), std::nullopt);
    EXPECT_EQ(CInt(-32769), std::nullopt);
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(2147483648.0), std::nullopt);
    EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CLng(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(CLng(std::numeric_limits<double>::infinity()), std::nullopt);
}

}  // namespace
}  // namespace basic
