// The recipe's clipboard text, measured with the fixed-metric printer:
// every character of a 10-point font is 100 twips wide, so a column's width
// in characters is its width in the font.
#include "recipes/printing/recipe_copy_text.h"

#include <gtest/gtest.h>

#include "platform/testing/fake_printer.h"
#include "recipes/printing/copy_hand_over.h"

namespace printing {
namespace {

constexpr auto TwoColumns = CopyHandOver::TwoColumns;
constexpr auto OneColumn = CopyHandOver::OneColumn;

std::string Pad(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.resize(width, ' ');
    return padded;
}

// No bare CR and no bare LF: pasted text gets no stray blank lines.
bool EveryLineEndsInCrLf(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    }
    return true;
}

recipes::RecipeDraft Recipe() {
    recipes::RecipeDraft r;
    r.type = "Soups  ";
    r.name = Pad("Onion Soup", 52) + "17";
    r.shownAmounts[0] = "2";
    r.units[0] = "cups";
    r.ingredients[0] = "onions";
    r.directions = "Simmer.";
    return r;
}

class RecipeCopyTextTest : public ::testing::Test {
protected:
    std::string text(const recipes::RecipeDraft& r, std::int16_t layout = TwoColumns) {
        return RecipeCopyText(r, layout, PrinterMeasure(printer));
    }
    platform::testing::FakePrinter printer;
};

TEST_F(RecipeCopyTextTest, MeasuresInThePrintersCurrentFont) {
    ASSERT_TRUE(printer.SetFontName("Courier New"));
    const TextMeasure measure = PrinterMeasure(printer);
    EXPECT_EQ(measure.metrics, &printer);
    EXPECT_EQ(measure.font.name, "Courier New");
    EXPECT_EQ(measure.Fill("ab", 500), "ab   ") << "blanks until the width is reached";
    EXPECT_EQ(measure.Fill("abcdef", 500), "abcdef") << "already wider: no blank";
}

TEST_F(RecipeCopyTextTest, WithoutAPrinterNothingIsLinedUp) {
    printer.present = false;
    recipes::RecipeDraft r = Recipe();
    r.shownAmounts[10] = "1";
    r.ingredients[10] = "bay leaf";
    EXPECT_EQ(text(r),
              "Type: Soups\r\n"
              "Recipe: Onion Soup\r\n"
              "Ingredients:\r\n"
              "Amount Type         Ingredient\tAmount Type         Ingredient\r\n"
              "2cupsonions\t1bay leaf\r\n"
              "\r\n"
              "Directions:\r\nSimmer.\r\n");
}

TEST_F(RecipeCopyTextTest, OnlyTheFirstTenLinesWidenTheLeftColumn) {
    recipes::RecipeDraft r = Recipe();
    r.ingredients[10] = "a very long ingredient on line eleven";
    r.ingredients[3] = "carrots";  // narrower than "Ingredient  "
    const std::string copied = text(r);
    const std::string head = "Amount Type         " + Pad("Ingredient", 12) + "\tAmount Type         Ingredient\r\n";
    const std::string first = Pad("2", 8) + Pad("cups", 13) + Pad("onions", 12) + "\t" + std::string(21, ' ') +
                              "a very long ingredient on line eleven\r\n";
    const std::string fourth = std::string(21, ' ') + Pad("carrots", 12) + "\t" + std::string(21, ' ') + "\r\n";
    EXPECT_NE(copied.find(head + first + fourth + "\r\nDirections:"), std::string::npos) << copied;
}

TEST_F(RecipeCopyTextTest, CookingAndServingInformationOnlyWhenFilledIn) {
    struct Case {
        const char *oven, *time, *yield, *tail;
    };
    const Case cases[] = {
        {"", "", "", "Simmer.\r\n"},
        {"", "", "4", "Simmer.\r\nServing Information:\r\nYields: 4 Bowls\r\n"},
        {"350", "", "", "Simmer.\r\nCooking Information:\r\nOven Temperature: 350\xB0\r\n\r\n"},
        {"", "1 hour", "", "Simmer.\r\nCooking Information:\r\nCooking Time: 1 hour\r\n\r\n"},
        {"400", "20 min", "6",
         "Simmer.\r\nCooking Information:\r\nOven Temperature: 400\xB0\r\nCooking Time: 20 min\r\n"
         "\r\nServing Information:\r\nYields: 6 Bowls\r\n"},
    };
    for (const Case& c : cases) {
        recipes::RecipeDraft r = Recipe();
        r.ovenTemperature = c.oven;
        r.cookingTime = c.time;
        r.yield = c.yield;
        r.yieldUnit = "Bowls";
        const std::string copied = text(r);
        const std::string tail = c.tail;
        ASSERT_GE(copied.size(), tail.size());
        EXPECT_EQ(copied.substr(copied.size() - tail.size()), tail) << c.oven << "|" << c.time << "|" << c.yield;
        EXPECT_TRUE(EveryLineEndsInCrLf(copied)) << copied;
    }
}

TEST_F(RecipeCopyTextTest, TheDegreeSignIsOneWindows1252Byte) {
    recipes::RecipeDraft r = Recipe();
    r.ovenTemperature = "375";
    const std::string copied = text(r);
    const std::string line = "Oven Temperature: 375" + std::string(1, static_cast<char>(176)) + "\r\n";
    EXPECT_NE(copied.find(line), std::string::npos);
}

TEST_F(RecipeCopyTextTest, TheNameIsTheEntrysFirst45CharactersTrimmed) {
    recipes::RecipeDraft r = Recipe();
    const std::string longName(41, 'N');
    r.name = Pad(longName, 52) + "123";
    const std::string head = "Type: Soups\r\nRecipe: " + longName + "\r\nIngredients:";
    EXPECT_EQ(text(r).substr(0, head.size()), head);
}

TEST_F(RecipeCopyTextTest, DirectionsKeepTheirOwnLineBreaks) {
    recipes::RecipeDraft r = Recipe();
    r.directions = "Chop.\r\nFry.  ";
    EXPECT_NE(text(r, OneColumn).find("Directions:\r\nChop.\r\nFry.  \r\n"), std::string::npos);
}

}  // namespace
}  // namespace printing
