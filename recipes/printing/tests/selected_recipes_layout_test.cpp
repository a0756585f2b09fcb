#include "recipes/printing/selected_recipes_layout.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/testing/test_folder.h"
#include "printing/tests/print_layout_fixture.h"
#include "recipes/printing/recipe_page.h"
#include "recipes/store/tests/cookbook_bytes.h"

namespace printing {
namespace {

using recipes::testing::EntryText;
using recipes::testing::RecordBytes;

// Slot k's type, so a test sees where each slot went.
const std::string kTypes[PickSlotCount] = {"Appetizers and beverages",
                                           "Barbecue",
                                           "Breads",
                                           "Cakes",
                                           "Candy",
                                           "Canning",
                                           "Casseroles",
                                           "Cookies",
                                           "Desserts",
                                           "Dips"};

class SelectedRecipesTest : public testing::PrintLayoutTest {
protected:
    // Cookbook 1 with recipes in records 1 to 10: record k + 1 for slot k.
    SelectedRecipesTest() {
        std::string bytes;
        for (int k = 0; k < PickSlotCount; ++k)
            bytes += RecordBytes().line(1, "1", "cup", "flour").directions("Bake " + std::to_string(k) + ".");
        basic::testing::WriteBytes(folder / "Recipe2.db1", bytes);
    }
    void Pick(int k, std::string entry) { picks[static_cast<std::size_t>(k)] = {kTypes[k], std::move(entry)}; }
    void Pick(int k) { Pick(k, EntryText("Recipe " + std::to_string(k), k + 1)); }
    std::optional<int> Layout(int amountFormat = AmountsAsFractions) {
        return LayoutSelectedRecipes(doc, font, cookbook, picks, amountFormat);
    }
    // Each page's slot types with their y, top to bottom.
    std::vector<std::vector<std::pair<double, std::string>>> TypesByPage() const {
        const std::set<std::string> types(std::begin(kTypes), std::end(kTypes));
        std::vector<std::vector<std::pair<double, std::string>>> pages;
        for (int page = 0; page < doc.PageCount(); ++page) {
            pages.emplace_back();
            for (const ui::TextRun& run : Runs(page))
                if (types.count(run.text)) pages.back().emplace_back(run.y, run.text);
        }
        return pages;
    }

    basic::testing::TestFolder folder;
    recipes::CookbookReader cookbook{basic::ProgramFolder(folder.path()), 1};
    RecipePicks picks;
};

TEST_F(SelectedRecipesTest, EvenSlotsTakeTheTopAndOddSlotsTheBottomHalfOfTheirPage) {
    using Pages = std::vector<std::vector<std::pair<double, std::string>>>;
    const double top = kLine;  // under one blank line
    const double bottom = 15840.0 / 2 + 100;
    struct Case {
        std::vector<int> slots;
        Pages pages;
        std::optional<int> lastLayout;
    };
    const Case cases[] = {
        {{0}, {{{top, kTypes[0]}}}, TopHalfOfPage},
        {{1}, {{{bottom, kTypes[1]}}}, BottomHalfOfPage},
        {{0, 1, 3}, {{{top, kTypes[0]}, {bottom, kTypes[1]}}, {{bottom, kTypes[3]}}}, BottomHalfOfPage},
        // The empty pair 2 and 3 gets no page.
        {{0, 4}, {{{top, kTypes[0]}}, {{top, kTypes[4]}}}, TopHalfOfPage},
        // Page one always exists.
        {{2}, {{}, {{top, kTypes[2]}}}, TopHalfOfPage},
        {{2, 3}, {{}, {{top, kTypes[2]}, {bottom, kTypes[3]}}}, BottomHalfOfPage},
        {{0, 9}, {{{top, kTypes[0]}}, {{bottom, kTypes[9]}}}, BottomHalfOfPage},
        {{}, {{}}, std::nullopt},
    };
    for (const Case& c : cases) {
        picks = {};
        std::string trace;
        for (int k : c.slots) {
            Pick(k);
            trace += std::to_string(k) + " ";
        }
        SCOPED_TRACE("slots " + trace);
        EXPECT_EQ(Layout(), c.lastLayout);
        EXPECT_EQ(TypesByPage(), c.pages);
        EXPECT_FALSE(doc.building());
    }
}

TEST_F(SelectedRecipesTest, EachSlotPrintsItsOwnRecordUnderItsName) {
    Pick(0);
    Pick(1);
    Layout();
    EXPECT_EQ(Find("Recipe 0").y, kLine + kTitleLine);
    EXPECT_EQ(Find("Recipe 1").y, H() / 2 + 100 + kTitleLine);
    EXPECT_EQ(Find("Bake 0.").x, 700);
    EXPECT_LT(Find("Bake 0.").y, H() / 2);
    EXPECT_GT(Find("Bake 1.").y, H() / 2);
    for (const ui::TextRun& run : Runs()) EXPECT_NE(run.text.find("Recipe 1 "), 0u) << "record number printed";
}

TEST_F(SelectedRecipesTest, ASlotWithoutARecordIsLeftOutAsIfEmpty) {
    // Slot 0's entry has no record number and slot 2's points past the data
    // file: neither prints, and neither takes the page the next slot needs.
    Pick(0, "Lost Recipe");
    Pick(1);
    Pick(2, EntryText("Gone", 99));
    Pick(3);
    EXPECT_EQ(Layout(), BottomHalfOfPage);

    const double bottom = H() / 2 + 100;
    using Pages = std::vector<std::vector<std::pair<double, std::string>>>;
    EXPECT_EQ(TypesByPage(), (Pages{{{bottom, kTypes[1]}}, {{bottom, kTypes[3]}}}));
    const auto texts = Texts(0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Lost Recipe"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Bake 1."), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Bake 0."), 0);
}

TEST_F(SelectedRecipesTest, StoredFieldsPrintWithTheirBlankFill) {
    const std::string record = RecordBytes()
                                   .line(1, ".333", "cup", "sugar")
                                   .line(11, "2.5", "Tbsp", "butter")
                                   .put(1100, 4, "350")
                                   .put(2004, 5, "4")
                                   .put(2009, 20, "1 hour")
                                   .put(2029, 11, "Serving(s)")
                                   .directions("Stir.");
    basic::testing::WriteBytes(folder / "Recipe2.db1", record);
    Pick(0, EntryText("Fudge", 1));

    Layout(AmountsAsDecimals);
    const auto& raw = doc.pages()[0].runs;
    const auto rawText = [&](std::string_view start) {
        for (const ui::TextRun& run : raw)
            if (run.text.rfind(start, 0) == 0) return run.text;
        return std::string();
    };
    EXPECT_EQ(rawText("Recipe Yields"), "Recipe Yields: 4     Serving(s) ");
    // The cooking time's blank fill reaches past the page edge: the
    // blanks at the break are dropped.
    EXPECT_EQ(basic::RTrim(rawText("Cooking Time")), "Cooking Time: 1 hour");
    EXPECT_EQ(rawText("Oven"), "Oven Temperature: 350 \xB0");
    EXPECT_EQ(rawText("sugar"), "sugar" + std::string(30, ' '));
    EXPECT_EQ(Find(".333").x, CentredOn(W() / 20, ".333"));
    EXPECT_EQ(Find("2.5").x, CentredOn(W() / 1.9, "2.5"));
    const auto texts = Texts();
    for (const char* heading : {"Amt.", "Type", "Ingredient"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), heading), 2) << heading;

    Layout(AmountsAsFractions);
    EXPECT_EQ(Find("1/3").x, CentredOn(W() / 20, "1/3"));
    EXPECT_EQ(Find("2 1/2").x, CentredOn(W() / 1.9, "2 1/2"));
    // Read only: the cookbook is as it was.
    EXPECT_EQ(basic::testing::ReadBytes(folder / "Recipe2.db1"), record);
}

TEST_F(SelectedRecipesTest, BlankStoredFieldsPrintNoLine) {
    basic::testing::WriteBytes(folder / "Recipe2.db1", std::string(RecordBytes().line(1, "1", "cup", "flour")));
    Pick(1, EntryText("Plain", 1));
    Layout();
    const double firstLine = H() / 2 + 100 + 2 * kTitleLine;
    EXPECT_EQ(Find("Ingredients:").y, firstLine + kLine);  // one blank line for yield, time and temperature
    for (const std::string& text : Texts()) EXPECT_EQ(text.rfind("Recipe Yields", 0), std::string::npos);
}

}  // namespace
}  // namespace printing
