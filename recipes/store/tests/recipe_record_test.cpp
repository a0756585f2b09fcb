#include "recipes/store/recipe_record.h"

#include <gtest/gtest.h>

#include "recipes/store/tests/cookbook_bytes.h"

namespace recipes {
namespace {

using testing::Padded;
using testing::RecordBytes;

TEST(RecipeRecordTest, FieldsLieWhereTheLayoutPutsThem) {
    RecipeRecord record;
    record.amounts[0] = "1.5";
    record.amounts[19] = "12.375";  // cut to its 5 characters
    record.units[0] = "cups";
    record.ingredients[0] = std::string(35, 'f');  // fills its field with no blank
    record.ingredients[19] = "salt";
    record.directions = "Mix.\r\nBake.";
    record.ovenTemperature = "350";
    record.yield = "8";
    record.cookingTime = "1 hour";
    record.yieldUnit = "Serving(s)";
    record.marker = "Full1";

    const std::string expected = RecordBytes("Full1")
                                     .line(1, "1.5", "cups", std::string(35, 'f'))
                                     .line(20, "12.37", "", "salt")
                                     .directions("Mix.\r\nBake.")
                                     .put(1100, 4, "350")
                                     .put(2004, 5, "8")
                                     .put(2009, 20, "1 hour")
                                     .put(2029, 11, "Serving(s)");
    const std::string bytes = EncodeRecipeRecord(record);
    ASSERT_EQ(bytes.size(), 2045u);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(95, 5), "12.37");
    EXPECT_EQ(bytes.substr(1304, 36), std::string(35, 'f') + " ");

    const RecipeRecord back = DecodeRecipeRecord(bytes);
    EXPECT_EQ(back.amounts[19], "12.37");
    EXPECT_EQ(back.ingredients[19], Padded("salt", 35));
    EXPECT_EQ(back.marker, "Full1");
    EXPECT_EQ(EncodeRecipeRecord(back), bytes);
}

TEST(RecipeRecordTest, ZeroBytesReadAsBlanksAndOtherBytesAsTheyAre) {
    std::string bytes(2045, '\0');
    bytes.replace(1304, 6, "Cr\xE8me\x01");
    const RecipeRecord record = DecodeRecipeRecord(bytes);
    EXPECT_EQ(record.directions, std::string(1000, ' '));
    EXPECT_EQ(record.ingredients[0], Padded("Cr\xE8me\x01", 35));
    EXPECT_EQ(record.marker, "     ");

    const RecipeRecord cut = DecodeRecipeRecord("1.5");  // a record cut short
    EXPECT_EQ(cut.amounts[0], "1.5  ");
    EXPECT_EQ(cut.marker, "     ");
}

TEST(RecipeRecordTest, OnlyFull1InAnyCaseMeansInUse) {
    EXPECT_TRUE(IsInUseMarker("Full1"));
    EXPECT_TRUE(IsInUseMarker("full1"));
    EXPECT_TRUE(IsInUseMarker("FULL1"));
    EXPECT_FALSE(IsInUseMarker("Full "));
    EXPECT_FALSE(IsInUseMarker("**** "));
    EXPECT_FALSE(IsInUseMarker(std::string(5, '\0')));
    EXPECT_EQ(MarkerOf(RecordBytes("full1").bytes), "full1");
    EXPECT_EQ(MarkerOf("short"), std::string(5, '\0'));
}

TEST(RecipeRecordTest, DeletedRecordIsBlankWithItsMarker) {
    const std::string bytes = EncodeRecipeRecord(DeletedRecipeRecord());
    EXPECT_EQ(bytes, std::string(2040, ' ') + "**** ");
    EXPECT_EQ(YieldUnitAsSaved("Casserole(s)"), "Casserole(s");
    EXPECT_EQ(YieldUnitAsSaved("Dozen"), "Dozen");
}

}  // namespace
}  // namespace recipes
