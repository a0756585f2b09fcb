#include "platform/basic/variant.h"

#include <gtest/gtest.h>

namespace basic {
namespace {

TEST(VariantTest, KindsAndConversions) {
    const Variant empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNumeric());
    EXPECT_EQ(empty.toText(), "");
    EXPECT_EQ(empty.toDouble(), 0);

    const Variant integer(std::int16_t{-5});
    EXPECT_EQ(integer.type(), VariantType::Integer);
    EXPECT_TRUE(integer.isNumeric());
    EXPECT_EQ(integer.toText(), "-5");

    const Variant number(0.5);
    EXPECT_EQ(number.type(), VariantType::Double);
    EXPECT_EQ(number.toText(), "0.5");

    const Variant text("12.5 cups");
    EXPECT_TRUE(text.isString());
    EXPECT_FALSE(text.isNumeric());
    EXPECT_EQ(text.toDouble(), 12.5);
    EXPECT_EQ(text.toText(), "12.5 cups");
}

TEST(VariantTest, NumericTexts) {
    for (const char* numeric : {"12", " -3.5 ", ".5", "+7", "5."}) {
        EXPECT_TRUE(Variant(numeric).isNumeric()) << numeric;
    }
    for (const char* other : {"", "  ", "abc", "12a", "1/2", ".", "-", "1e3", "2D2", "&HFF", "1.2.3", "\t7"}) {
        EXPECT_FALSE(Variant(other).isNumeric()) << other;
    }
}

TEST(VariantTest, EqualityComparesKindAndValue) {
    EXPECT_EQ(Variant(std::int32_t{5}), Variant(std::int32_t{5}));
    EXPECT_NE(Variant(std::int32_t{5}), Variant(std::int16_t{5}));
    EXPECT_NE(Variant("5"), Variant(5.0));
    EXPECT_EQ(Variant(), Variant());
    EXPECT_NE(Variant(), Variant(""));
}

}  // namespace
}  // namespace basic
