// The guide's tables as data, and where the window puts its panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "reference/food_guide/guide_grid.h"
#include "reference/food_guide/guide_layout.h"
#include "reference/food_guide/guide_table.h"

namespace food_guide {
namespace {

// How many lines a cell shows before the grid wraps it.
int LineCount(const std::string& cell) { return 1 + static_cast<int>(std::count(cell.begin(), cell.end(), '\r')); }

TEST(GuideTables, EachTableHasItsShapeAndEveryRowACellAColumn) {
    const struct {
        GuideTable table;
        const char* title;
        std::size_t dataRows;
        std::vector<std::string> headers;
    } cases[] = {
        {GuideTable::FoodGuide,
         "Daily Food Guide Requirements",
         5,
         {"Food Group", "Daily Requirements", "Approximate Portion Size for One Serving"}},
        {GuideTable::CommonMeasures, "Common Measures of Food", 27, {"Size", "Cups or Amount", "Servings"}},
        {GuideTable::MenuIdeas, "Suggested Menu Ideas", 18, {"Meal", "Suggested Menu", "Suggested Menu"}},
        {GuideTable::KitchenHints, "Helpful Kitchen Hints", 30, {"Hint Number", "Hint Action", "Helpful Hint"}},
        {GuideTable::Substitutions, "Healthy Recipe Substitutions", 9, {"When your Recipe calls for:", "Use:"}},
    };
    for (const auto& c : cases) {
        const GuideTableText& text = TableText(c.table);
        EXPECT_EQ(text.title, c.title);
        EXPECT_EQ(text.headers, c.headers) << c.title;
        EXPECT_EQ(text.rows.size(), c.dataRows) << c.title;
        ASSERT_EQ(text.widths.size(), c.headers.size()) << c.title;
        // Together the columns are as wide as the whole grid.
        EXPECT_DOUBLE_EQ(std::accumulate(text.widths.begin(), text.widths.end(), 0.0), 1.0) << c.title;
        for (const auto& row : text.rows) {
            ASSERT_EQ(row.size(), c.headers.size()) << c.title;
            for (const std::string& cell : row) EXPECT_FALSE(cell.empty()) << c.title << ": a blank cell holds a blank";
        }
    }
}

TEST(GuideTables, CellsOfSeveralLinesArePartedByACarriageReturnAlone) {
    EXPECT_EQ(TableText(GuideTable::FoodGuide).rows[0][1],
              "Adults - 2 servings\rChildren - 3 servings\rTeenages - 4 servings");
    for (GuideTable table : GuideTables)
        for (const auto& row : TableText(table).rows)
            for (const std::string& cell : row) EXPECT_EQ(cell.find('\n'), std::string::npos) << cell;
}

TEST(GuideTables, TheFixedTextsKeepTheirBlanksAndSpellings) {
    const GuideTableText& daily = TableText(GuideTable::FoodGuide);
    EXPECT_EQ(daily.rows[4][0], " ");
    EXPECT_EQ(daily.rows[3][2],
              "1 slice bread.\r1 cup dry cereal.\r1/2 cup cooked cereal, rice, noodles, or macaroni.\r1 tortilla.");
    // Rows 12, 13, 21 to 24 and 26 have one cell of a single blank.
    const GuideTableText& measures = TableText(GuideTable::CommonMeasures);
    const struct {
        int row;
        int col;
    } blanks[] = {{12, 2}, {13, 1}, {21, 1}, {22, 2}, {23, 1}, {24, 1}, {26, 2}};
    int blankCells = 0;
    for (const auto& row : measures.rows)
        blankCells += static_cast<int>(std::count(row.begin(), row.end(), std::string(" ")));
    EXPECT_EQ(blankCells, static_cast<int>(std::size(blanks)));
    for (const auto& b : blanks) EXPECT_EQ(measures.rows[b.row - 1][b.col], " ") << b.row;
    EXPECT_EQ(measures.rows[3][1], "12 -13 cups");

    const GuideTableText& substitutions = TableText(GuideTable::Substitutions);
    EXPECT_NE(substitutions.rows[3][1].find("mixture.  Add chopped chives"), std::string::npos);
    EXPECT_NE(substitutions.rows[8][1].find("margarine.  (Carob is sweeter"), std::string::npos);
    EXPECT_NE(substitutions.rows[7][1].find("commerically produced"), std::string::npos);
    EXPECT_EQ(substitutions.rows[1][1],
              "1 cup evaporated skim milk or 1/2 cup low-fat yogart and 1/2 cup low-fat cottage cheese.");
}

TEST(GuideTables, MenuIdeasOfferTwoMenusOfThreeToFiveItemsForEachMeal) {
    const GuideTableText& menus = TableText(GuideTable::MenuIdeas);
    const struct {
        int row;
        const char* meal;
    } meals[] = {{1, "Breakfast"}, {6, "Breakfast"}, {7, "Lunch"}, {12, "Lunch"}, {13, "Dinner"}, {18, "Dinner"}};
    for (const auto& m : meals) EXPECT_EQ(menus.rows[m.row - 1][0], m.meal) << m.row;
    std::set<std::string> distinct;
    for (const auto& row : menus.rows)
        for (int col : {1, 2}) {
            const std::string& menu = row[static_cast<std::size_t>(col)];
            EXPECT_GE(LineCount(menu), 3) << menu;
            EXPECT_LE(LineCount(menu), 5) << menu;
            distinct.insert(menu);
        }
    EXPECT_EQ(distinct.size(), 36u) << "no menu is offered twice";
}

TEST(GuideTables, KitchenHintsAreNumberedWithALeadingBlankAndFitTheirRows) {
    const GuideTableText& hints = TableText(GuideTable::KitchenHints);
    std::set<std::string> purposes;
    for (std::size_t k = 0; k < hints.rows.size(); ++k) {
        EXPECT_EQ(hints.rows[k][0], " " + std::to_string(k + 1));
        purposes.insert(hints.rows[k][1]);
        // One or two sentences, short enough for the row's three lines.
        EXPECT_LE(hints.rows[k][2].size(), 105u) << hints.rows[k][2];
        EXPECT_EQ(hints.rows[k][2].back(), '.') << hints.rows[k][2];
    }
    EXPECT_EQ(purposes.size(), 30u);
    EXPECT_TRUE(hints.rowHeightFollowsWidth);
}

TEST(GuideLayout, SizesAreTakenToTheNearestTwipHalvesToEven) {
    const struct {
        int twips;
        double fraction;
        int expected;
    } cases[] = {{8400, 0.2, 1680}, {8400, 0.4, 3360}, {5328, 0.189, 1007}, {8400, 0.085, 714},
                 {5, 0.5, 2},       {7, 0.5, 4},       {7200, 0.74, 5328}};
    for (const auto& c : cases) EXPECT_EQ(FractionOf(c.twips, c.fraction), c.expected) << c.twips << " " << c.fraction;
}

TEST(GuideLayout, ThePanelIsCentredBetweenTheBars) {
    PanelPlacement place{.startWidth = 12000,
                         .startHeight = 9000,
                         .panelWidth = 9830,
                         .panelHeight = 7200,
                         .topBarShown = true,
                         .topBarTop = 0,
                         .topBarHeight = 570,
                         .statusHeight = 255};
    EXPECT_DOUBLE_EQ(GuidePanelTop(place), 703.125);
    EXPECT_DOUBLE_EQ(GuidePanelLeft(place), 1055);
    place.topBarShown = false;
    EXPECT_DOUBLE_EQ(GuidePanelTop(place), 540);
}

}  // namespace
}  // namespace food_guide
