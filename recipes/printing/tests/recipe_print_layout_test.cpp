#include "recipes/printing/recipe_print_layout.h"

#include <gtest/gtest.h>

#include "printing/tests/print_layout_fixture.h"

namespace printing {
namespace {

using Cells = std::vector<std::pair<double, std::string>>;

class RecipeLayoutTest : public testing::PrintLayoutTest {
protected:
    RecipeLayoutTest() {
        recipe.type = "Desserts";
        recipe.name = "Apple Crisp" + std::string(41, ' ') + "591";
        recipe.yieldUnit = "Serving(s)";
    }
    void Row(int n, std::string amount, std::string unit, std::string ingredient) {
        const auto i = static_cast<std::size_t>(n - 1);
        recipe.shownAmounts[i] = std::move(amount);
        recipe.units[i] = std::move(unit);
        recipe.ingredients[i] = std::move(ingredient);
    }
    void Layout(int code, int amountFormat = AmountsAsFractions) {
        LayoutRecipe(doc, font, recipe, {code, amountFormat}, "03-07-2024");
    }
    // The top of the ingredient table: below "Ingredients:" and, on a full
    // page, a blank line.
    double TableTop(int code) const { return Find("Ingredients:").y + kLine * (IsFullPageLayout(code) ? 2 : 1); }

    recipes::RecipeDraft recipe;
};

TEST(AmountTextTest, ByEditorStateAndAmountFormat) {
    struct Case {
        const char* box;
        bool modifyMode;
        int format;
        const char* printed;
    };
    const Case cases[] = {
        // Kitchen fractions on view, printed as decimals.
        {"10 1/8", false, AmountsAsDecimals, "10.125"},
        {"2 1/3", false, AmountsAsDecimals, "2.33"},
        {"3/4", false, AmountsAsDecimals, ".75"},
        {"1 1/2", false, AmountsAsDecimals, "1.5"},
        {"1/8", false, AmountsAsDecimals, ".125"},
        {"2/3", false, AmountsAsDecimals, ".67"},
        {"1/16", false, AmountsAsDecimals, ".06"},
        {"7/8", false, AmountsAsDecimals, ".875"},
        {"2", false, AmountsAsDecimals, "2"},
        {"2 ", false, AmountsAsDecimals, "2"},
        {"", false, AmountsAsDecimals, ""},
        {"1 3/5", false, AmountsAsDecimals, "1 3/5"},  // no such kitchen fraction: kept
        // Stored decimals while modifying, printed as fractions.
        {"1.5", true, AmountsAsFractions, "1 1/2"},
        {"0.05", true, AmountsAsFractions, ""},
        {"2.9", true, AmountsAsFractions, "3"},
        {".333", true, AmountsAsFractions, "1/3"},
        // Each kind printed as it is.
        {"1.5", true, AmountsAsDecimals, "1.5"},
        {"1 1/2", false, AmountsAsFractions, "1 1/2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintedAmount(c.box, c.modifyMode, c.format), c.printed)
            << '"' << c.box << "\" modify " << c.modifyMode << " format " << c.format;
}

TEST_F(RecipeLayoutTest, TypeAndNameAreCentredAndTheRecordNumberNeverPrints) {
    recipe.type = "  Desserts ";
    Layout(FullPageTwoColumns);

    const ui::TextRun type = Find("Desserts");
    EXPECT_EQ(type.x, CentredOn(W() / 2, "Desserts", 140));
    EXPECT_EQ(type.y, kLine);  // under the leading blank line
    EXPECT_EQ(type.font.size, 14);
    const ui::TextRun name = Find("Apple Crisp");
    EXPECT_EQ(name.x, CentredOn(W() / 2, "Apple Crisp", 140));
    EXPECT_EQ(name.y, kLine + 2 * kTitleLine);  // a blank line between them on a full page
    for (const ui::TextRun& run : doc.pages()[0].runs) EXPECT_EQ(run.text.find("591"), std::string::npos) << run.text;
}

TEST_F(RecipeLayoutTest, YieldCookingTimeAndOvenTemperatureShareTwoLines) {
    const std::string yieldLine = "Recipe Yields: 6 Serving(s)";
    const std::string cookingLine = "Cooking Time: 45 min.";
    const std::string ovenLine = "Oven Temperature: 350\xB0";
    struct Case {
        const char* yield;
        const char* cookingTime;
        const char* oven;
        int yieldLineAt, cookingLineAt, ovenLineAt;  // line below the name, -1 when not printed
        int ingredientsAt;
    };
    const Case cases[] = {
        {"6", "45 min.", "350", 0, 0, 1, 2}, {"", "", "", -1, -1, -1, 1},  // a blank line for all three
        {"", "45 min.", "", -1, 0, -1, 2},                                 // the blank line under the cooking time
        {"", "", "350", -1, -1, 0, 1},       {"6", "", "350", 0, -1, 0, 1}, {"6", "", "", 0, -1, -1, 1},
    };
    const double firstLine = kLine + 2 * kTitleLine;  // the top half: no blank separators
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.yield) + "|" + c.cookingTime + "|" + c.oven);
        recipe.yield = c.yield;
        recipe.cookingTime = c.cookingTime;
        recipe.ovenTemperature = c.oven;
        Layout(TopHalfOfPage);
        const auto expect = [&](const std::string& text, int line, double x) {
            const auto texts = Texts();
            if (line < 0) {
                EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 0) << text;
                return;
            }
            const ui::TextRun run = Find(text);
            EXPECT_EQ(run.x, x) << text;
            EXPECT_EQ(run.y, firstLine + line * kLine) << text;
        };
        expect(yieldLine, c.yieldLineAt, W() / 30);
        expect(cookingLine, c.cookingLineAt, W() / 1.448);
        expect(ovenLine, c.ovenLineAt, W() / 1.448);
        expect("Ingredients:", c.ingredientsAt, W() / 30);
    }

    // A box holding blanks is not empty.
    recipe.yield = " ";
    recipe.cookingTime = recipe.ovenTemperature = "";
    Layout(TopHalfOfPage);
    EXPECT_EQ(Find("Recipe Yields:   Serving(s)").y, firstLine);
    EXPECT_EQ(Find("Ingredients:").y, firstLine + kLine);
}

TEST_F(RecipeLayoutTest, TheOvenTemperatureEndsWithTheDegreeSign) {
    recipe.ovenTemperature = "350";
    Layout(FullPageTwoColumns);
    const ui::TextRun oven = Find("Oven Temperature: 350\xB0");
    EXPECT_EQ(oven.text.back(), '\xB0');
    for (const ui::TextRun& run : doc.pages()[0].runs) EXPECT_EQ(run.text.find('\xBA'), std::string::npos);
}

TEST_F(RecipeLayoutTest, TwoColumnTableLeavesOutLinesEmptyOnBothSides) {
    Row(1, "1", "cup", "flour");
    Row(2, "1/2", "tsp", "salt");
    Row(3, "2", "lb", "apples");
    Row(11, "3", "qt", "milk");
    Row(12, "1 1/4", "pt", "cream");
    Layout(FullPageTwoColumns);

    const double top = TableTop(FullPageTwoColumns);
    const auto line = [&](int n) { return top + n * kLine; };
    EXPECT_EQ(Column(W() / 10), (Cells{{line(0), "Type"}, {line(1), "cup"}, {line(2), "tsp"}, {line(3), "lb"}}));
    EXPECT_EQ(Column(W() / 4.5),
              (Cells{{line(0), "Ingredient"}, {line(1), "flour"}, {line(2), "salt"}, {line(3), "apples"}}));
    // Rows 11 and 12 beside rows 1 and 2; line 3 has blank cells on the right.
    EXPECT_EQ(Column(W() / 1.75), (Cells{{line(0), "Type"}, {line(1), "qt"}, {line(2), "pt"}}));
    EXPECT_EQ(Column(W() / 1.448), (Cells{{line(0), "Ingredient"}, {line(1), "milk"}, {line(2), "cream"}}));
    // Amounts centred on their columns.
    EXPECT_EQ(Find("1/2").x, CentredOn(W() / 20, "1/2"));
    EXPECT_EQ(Find("1/2").y, line(2));
    EXPECT_EQ(Find("1 1/4").x, CentredOn(W() / 1.9, "1 1/4"));
    EXPECT_EQ(Find("1 1/4").y, line(2));
    EXPECT_EQ(Find("Amt.").x, CentredOn(W() / 20, "Amt."));
    // A blank line after the table's four lines.
    EXPECT_EQ(Find("Directions:").y, line(5));
}

TEST_F(RecipeLayoutTest, ALongIngredientOnTheRightWrapsWithinItsColumn) {
    Row(1, "1", "cup", "flour");
    Row(2, "1/2", "tsp", "salt");
    Row(11, "1", "cup", "finely chopped fresh flat-leaf pars");  // 35 characters, 31 fit
    Row(12, "2", "tsp", "thyme");
    Layout(FullPageTwoColumns);

    const double top = TableTop(FullPageTwoColumns);
    const auto line = [&](int n) { return top + n * kLine; };
    EXPECT_EQ(Column(W() / 1.448), (Cells{{line(0), "Ingredient"},
                                          {line(1), "finely chopped fresh flat-leaf"},
                                          {line(2), "pars"},
                                          {line(3), "thyme"}}));
    // Only the later lines of its own column move down.
    EXPECT_EQ(Column(W() / 1.75), (Cells{{line(0), "Type"}, {line(1), "cup"}, {line(2), "tsp"}}));
    EXPECT_EQ(Column(W() / 4.5), (Cells{{line(0), "Ingredient"}, {line(1), "flour"}, {line(2), "salt"}}));
    EXPECT_TRUE(Column(0).empty());
}

TEST_F(RecipeLayoutTest, OneColumnTableLeavesOutEmptyRowsWithoutGaps) {
    Row(1, "1", "cup", "flour");
    Row(5, "2", "tbsp", "butter");
    Row(17, "1/4", "tsp", "nutmeg");
    Layout(FullPageOneColumn);

    const double top = TableTop(FullPageOneColumn);
    EXPECT_EQ(Column(W() / 10),
              (Cells{{top, "Type"}, {top + kLine, "cup"}, {top + 2 * kLine, "tbsp"}, {top + 3 * kLine, "tsp"}}));
    EXPECT_EQ(Find("1/4").y, top + 3 * kLine);
    EXPECT_TRUE(Column(W() / 1.75).empty());
    EXPECT_TRUE(Column(W() / 1.448).empty());
}

TEST_F(RecipeLayoutTest, OnlyRowElevenFilledGivesOneLineWithBlankCellsOnTheLeft) {
    Row(11, "3", "qt", "milk");
    Layout(FullPageTwoColumns);

    const double top = TableTop(FullPageTwoColumns);
    EXPECT_EQ(Column(W() / 10), (Cells{{top, "Type"}}));
    EXPECT_EQ(Column(W() / 1.75), (Cells{{top, "Type"}, {top + kLine, "qt"}}));
    EXPECT_EQ(Find("3").y, top + kLine);
    EXPECT_EQ(Find("Directions:").y, top + 3 * kLine);
}

TEST_F(RecipeLayoutTest, TheTableHeadingPrintsInEveryLayoutWithNoRowFilled) {
    for (int code : {FullPageTwoColumns, FullPageOneColumn, TopHalfOfPage, BottomHalfOfPage}) {
        SCOPED_TRACE(code);
        Layout(code);
        const auto texts = Texts();
        const long sides = code == FullPageOneColumn ? 1 : 2;
        for (const char* heading : {"Amt.", "Type", "Ingredient"})
            EXPECT_EQ(std::count(texts.begin(), texts.end(), heading), sides) << heading;
        EXPECT_EQ(Find("Directions:").y, TableTop(code) + 2 * kLine);
    }
}

TEST_F(RecipeLayoutTest, HalfPageLayoutsHaveNoSeparatorsAndNoFooter) {
    Row(1, "1", "cup", "flour");
    recipe.directions = "Bake.";
    recipe.yield = "6";

    Layout(BottomHalfOfPage);
    ASSERT_EQ(doc.PageCount(), 1);
    const double middle = H() / 2 + 100;
    const auto runs = Runs();
    ASSERT_FALSE(runs.empty());
    for (const ui::TextRun& run : runs) EXPECT_GE(run.y, middle) << run.text;
    EXPECT_EQ(runs.front().text, "Desserts");
    EXPECT_EQ(runs.front().y, middle);
    EXPECT_EQ(Find("Apple Crisp").y, middle + kTitleLine);
    EXPECT_EQ(Find("Recipe Yields: 6 Serving(s)").y, middle + 2 * kTitleLine);
    EXPECT_EQ(Find("Bake.").y, Find("Directions:").y + kLine);
    EXPECT_EQ(runs.back().text, "Bake.");

    Layout(TopHalfOfPage);
    EXPECT_EQ(Find("Desserts").y, kLine);
    EXPECT_EQ(Find("Apple Crisp").y, kLine + kTitleLine);
    EXPECT_EQ(Runs().back().text, "Bake.");
}

TEST_F(RecipeLayoutTest, FullPageEndsWithDirectionsBetweenIndentsAndTheFooter) {
    recipe.directions = "Mix.\r\nBake.";
    Layout(FullPageOneColumn);

    const ui::TextRun directions = Find("Directions:");
    EXPECT_EQ(Find("Mix.").x, 700);
    EXPECT_EQ(Find("Mix.").y, directions.y + 2 * kLine);
    EXPECT_EQ(Find("Bake.").x, 700);
    const ui::TextRun program = Find("Pantrivo");
    const ui::TextRun date = Find("Printed on 03-07-2024");
    EXPECT_EQ(program.x, W() / 30);
    EXPECT_EQ(program.y, Find("Bake.").y + 2 * kLine);
    EXPECT_EQ(program.font.size, 6);
    EXPECT_EQ(date.x, W() / 30);
    EXPECT_EQ(date.y, program.y + 144);
    EXPECT_EQ(date.font.size, 6);
}

TEST_F(RecipeLayoutTest, LongDirectionsWrapBetweenTheIndentsOntoTheNextPage) {
    std::string directions;
    for (int i = 0; i < 1500; ++i) directions += "stir ";
    recipe.directions = directions;
    Layout(TopHalfOfPage);

    ASSERT_EQ(doc.PageCount(), 2);
    const double topOfDirections = Find("Directions:").y + kLine;
    std::size_t printed = 0;
    for (int page = 0; page < 2; ++page)
        for (const ui::TextRun& run : Runs(page)) {
            if (run.text.rfind("stir", 0) != 0) continue;
            printed += run.text.size() + 1;
            EXPECT_EQ(run.x, 700);
            EXPECT_LE(run.x + printer.TextWidth(run.font, run.text), W() - 700);
            if (page == 0) {
                EXPECT_GE(run.y, topOfDirections);
            }
        }
    EXPECT_EQ(Runs(1).front().y, 0);
    EXPECT_EQ(printed, directions.size());  // every word, the blanks at the breaks dropped
    EXPECT_EQ(doc.IndentLeft, 0);
    EXPECT_EQ(doc.IndentRight, 0);
}

TEST_F(RecipeLayoutTest, AmountsPrintByTheAmountFormat) {
    Row(1, "10 1/8", "cup", "flour");
    Layout(FullPageTwoColumns, AmountsAsDecimals);
    EXPECT_EQ(Find("10.125").x, CentredOn(W() / 20, "10.125"));

    recipe.modifyMode = true;
    Row(1, "2.9", "cup", "flour");
    Row(2, "0.05", "tsp", "salt");
    Layout(FullPageTwoColumns, AmountsAsFractions);
    EXPECT_EQ(Find("3").x, CentredOn(W() / 20, "3"));
    // An amount that snaps to nothing leaves its cell blank; the row still prints.
    const double top = TableTop(FullPageTwoColumns);
    EXPECT_EQ(Find("salt").y, top + 2 * kLine);
    for (const ui::TextRun& run : Runs()) EXPECT_FALSE(run.y == top + 2 * kLine && run.x < W() / 10) << run.text;
}

TEST_F(RecipeLayoutTest, EachRunBuildsTheWholeDocumentAnewInThePrintFont) {
    font.PrintFontBold = true;
    font.PrintFontUnderline = true;
    Row(1, "1", "cup", "flour");
    recipe.directions = "Bake.";
    Layout(FullPageTwoColumns);
    const auto fresh = doc.pages();

    // What another layout or the user may have left in the document.
    doc.font = {"Arial", 20, false, true, false, true};
    doc.MarginLeft = doc.MarginTop = doc.MarginRight = doc.MarginBottom = 500;
    doc.IndentLeft = 400;
    doc.IndentRight = 300;
    doc.TextColor = doc.LineColor = 0;
    Layout(FullPageTwoColumns);

    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(doc.pages()[0].runs, fresh[0].runs);
    for (const ui::TextRun& run : Runs()) {
        EXPECT_EQ(run.font.name, "Times New Roman");
        EXPECT_TRUE(run.font.bold);
        EXPECT_TRUE(run.font.underline);
        EXPECT_FALSE(run.font.italic);
        EXPECT_EQ(run.color, kNavy);
    }
    EXPECT_EQ(doc.LineColor, kNavy);
    EXPECT_EQ(doc.font, font.font());
    EXPECT_EQ(doc.MarginLeft + doc.MarginTop + doc.MarginRight + doc.MarginBottom, 0);
    EXPECT_FALSE(doc.building());
}

}  // namespace
}  // namespace printing
