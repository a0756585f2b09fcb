#include "recipes/printing/worksheet_layout.h"

#include <gtest/gtest.h>

#include "printing/tests/print_layout_fixture.h"
#include "recipes/printing/recipe_print_layout.h"

namespace printing {
namespace {

class WorksheetTest : public testing::PrintLayoutTest {};

std::string IngredientLine(const std::string& number) {
    return number + ". - Amt.: ______  Type: ____________  Ingredient: " + std::string(38, '_');
}

TEST_F(WorksheetTest, LabelledLinesFromTheLeftIndentUnderACentredTitle) {
    LayoutWorksheet(doc, font);
    ASSERT_EQ(doc.PageCount(), 1);

    std::vector<std::string> expected = {"Recipe WorkSheet", "Recipe Type:  " + std::string(48, '_'),
                                         "Recipe Name: " + std::string(48, '_'), "Ingredients:"};
    for (int n = 1; n <= 20; ++n) expected.push_back(IngredientLine((n < 10 ? "  " : "") + std::to_string(n)));
    expected.insert(expected.end(), {"Directions:", "Oven Temperature: " + std::string(17, '_'),
                                     "Cooking Time: " + std::string(21, '_'), "Recipe Yield: " + std::string(22, '_')});
    EXPECT_EQ(Texts(), expected);

    const auto runs = Runs();
    EXPECT_EQ(runs[0].x, CentredOn(W() / 2, "Recipe WorkSheet"));
    EXPECT_EQ(runs[0].y, kLine);
    EXPECT_EQ(runs[1].y, 3 * kLine);
    // The ingredient lines are a line and 100 twips apart, the others a line.
    const double first = runs[4].y;
    EXPECT_EQ(first, 9 * kLine);
    for (int n = 1; n <= 20; ++n) EXPECT_EQ(runs[static_cast<std::size_t>(3 + n)].y, first + (n - 1) * (kLine + 100));
    const double directions = runs[24].y;
    EXPECT_EQ(directions, first + 20 * (kLine + 100));
    EXPECT_EQ(runs[25].y, directions + 11 * kLine);
    EXPECT_EQ(runs[27].y, runs[25].y + 4 * kLine);
    for (std::size_t i = 1; i < runs.size(); ++i) EXPECT_EQ(runs[i].x, 400) << runs[i].text;
}

TEST_F(WorksheetTest, PrintsWithoutUnderlineAndLeavesNoneForTheNextLayout) {
    font.PrintFontUnderline = true;
    font.PrintFontSize = 16;  // the font dialog's choice; the window sets 12 before each opening
    LayoutWorksheet(doc, font);
    for (const ui::TextRun& run : Runs()) {
        EXPECT_FALSE(run.font.underline) << run.text;
        EXPECT_EQ(run.font.size, 16);
        EXPECT_EQ(run.color, kNavy);
    }
    EXPECT_EQ(doc.LineColor, 0);
    EXPECT_EQ(doc.font.size, 16);
    EXPECT_GT(doc.PageCount(), 1);  // larger print runs on to a second page

    // The recipe printout that follows has the print font's own underline,
    // on or off, and none of the worksheet's indent.
    font.PrintFontSize = 12;
    recipes::RecipeDraft recipe;
    recipe.directions = "Bake.";
    for (bool underline : {false, true}) {
        font.PrintFontUnderline = underline;
        LayoutRecipe(doc, font, recipe, {}, "03-07-2024");
        const auto fresh = doc.pages();
        LayoutWorksheet(doc, font);
        LayoutRecipe(doc, font, recipe, {}, "03-07-2024");
        EXPECT_EQ(doc.pages()[0].runs, fresh[0].runs);
        EXPECT_EQ(Find("Bake.").font.underline, underline);
        EXPECT_EQ(Find("Bake.").x, 700);
    }
}

}  // namespace
}  // namespace printing
