#include "platform/basic/numbers.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(FormatTest, MasksOfTheProgram) {
    struct Case {
        double value;
        std::string_view mask;
        std::string_view expected;
    };
    const Case cases[] = {
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.4, "0", "0"},
        {3.14159, "0.0", "3.1"},
        {0.05, "0.0", "0.1"},
        {2.675, "0.00", "2.68"},  // decided on the decimal digits, not the binary value
        {1.005, "0.00", "1.01"},
        {0.125, "0.00", "0.13"},
        {-0.001, "0.00", "0.00"},
        {7, "0.00", "7.00"},
        {9.999, "0.00", "10.00"},
        {1234567, "#,##0", "1,234,567"},
        {999.5, "#,##0", "1,000"},
        {12, "#,##0", "12"},
        {0, "#,##0", "0"},
        {-1234.567, "#,##0.00", "-1,234.57"},
        {1234.5, "#,##0.00", "1,234.50"},
        {0.125, "0%", "13%"},
        {0.5, "0%", "50%"},
        {0.1234, "0.0%", "12.3%"},
        {1, "0.0%", "100.0%"},
        {0, "#", ""},
        {0.4, "#", ""},
        {0.5, "#", "1"},
        {42, "#", "42"},
        {0.5, "#.##", ".5"},
        {1.25, "#.##", "1.25"},
        {1.255, "#.##", "1.26"},
        {5, "#.##", "5."},
        {2.999, "#.##", "3."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " with " + std::string(c.mask));
        EXPECT_EQ(Format(c.value, c.mask), c.expected);
    }
}

TEST(FormatTest, UnknownMaskFallsBackToCStr) {
    EXPECT_EQ(Format(0.5, "Currency"), "0.5");
    EXPECT_EQ(Format(2, ""), "2");
    EXPECT_EQ(Format(2, "0.0.0"), "2");
}

}  // namespace
}  // namespace basic
