// The menu planner's printouts on the fixed-metric printer: where each text
// and line lands, page by page.
#include "menu_planner/printing/menu_print_layout.h"

#include <gtest/gtest.h>

#include "menu_planner/store/year_menu_file.h"
#include "platform/testing/test_folder.h"
#include "printing/tests/print_layout_fixture.h"

namespace menu_planner {
namespace {

using basic::CalendarDate;
using ui::PageLine;

// Letter paper at 12 points: the title (14 points) at 0, the date line (10)
// at 336, the first day block at 586: its heading, the meals' heads 10 below
// its rule, the first row 10 below theirs.
constexpr double kDateY = 336;
constexpr double kBlockTop = 586;
constexpr double kHeadingRule = 884;
constexpr double kHeadsY = 894;
constexpr double kHeadsRule = 1192;
constexpr double kFirstRowY = 1202;
constexpr double kLunchX = 12240 / 2.95;
constexpr double kDinnerX = 12240 / 1.5;
constexpr const char* kNoItems = "No menu items were found for this date.";

class MenuPrintTest : public printing::testing::PrintLayoutTest {
protected:
    void save(CalendarDate day, std::initializer_list<std::pair<int, std::string>> entries) {
        DayMenuRecord record;
        for (const auto& [box, text] : entries) record.entries[static_cast<std::size_t>(box)] = text;
        ASSERT_TRUE(SaveDayMenu(program, day.year, DayKey(day), record));
    }
    // Every box of a day filled: seven rows in each meal.
    void saveFull(CalendarDate day) {
        DayMenuRecord record;
        for (int i = 0; i < DayEntryCount; ++i)
            record.entries[static_cast<std::size_t>(i)] = "Dish " + std::to_string(i);
        ASSERT_TRUE(SaveDayMenu(program, day.year, DayKey(day), record));
    }
    std::vector<PageLine> Lines(int page = 0) const { return doc.pages().at(static_cast<std::size_t>(page)).lines; }
    PageLine Rule(double y, double width) const { return {2, y, W() - 2, y, width, kNavy}; }
    PageLine Down(double x, double y1, double y2, double width) const { return {x, y1, x, y2, width, kNavy}; }
    std::vector<PageLine> Frame(double bottom) const {
        return {{2, 2, W() - 2, 2, 30, kNavy},
                Down(2, 2, bottom, 30),
                Down(W() - 2, 2, bottom, 30),
                {2, bottom, W() - 2, bottom, 30, kNavy}};
    }

    basic::testing::TestFolder folder;
    basic::ProgramFolder program{folder.path()};
    MenuPrintSetup setup{.familyName = "", .printedOn = {2004, 4, 5}};
};

TEST_F(MenuPrintTest, TheCurrentDateUnderItsHeaderWithRulesColumnLinesAndFrame) {
    save({2004, 4, 5}, {{0, "Eggs"}, {7, "Soup"}, {14, "Roast"}, {2, "Toast"}, {20, "Pie"}});
    ASSERT_TRUE(LayoutCurrentDate(doc, font, program, {2004, 4, 5}, setup));

    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_FALSE(doc.building()) << "the document is ended";
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"Menu Planner", "Printed on April 05, 2004", " Monday - April 05, 2004",
                                        "Breakfast", "Lunch", "Dinner", " Eggs", "Soup", "Roast", " Toast", "Pie"}));
    const auto title = Find("Menu Planner");
    EXPECT_EQ(title.x, CentredOn(W() / 2, title.text, 140));
    EXPECT_EQ(title.y, 0);
    EXPECT_EQ(title.font.size, 14);
    const auto date = Find("Printed on April 05, 2004");
    EXPECT_EQ(date.x, CentredOn(W() / 2, date.text, 100));
    EXPECT_EQ(date.y, kDateY);
    EXPECT_EQ(date.font.size, 10);
    EXPECT_EQ(Find(" Monday - April 05, 2004").x, 30);
    EXPECT_EQ(Find(" Monday - April 05, 2004").y, kBlockTop);
    EXPECT_EQ(Find("Breakfast").x, CentredOn(W() / 6.5, "Breakfast"));
    EXPECT_EQ(Find("Lunch").x, CentredOn(W() / 2.05, "Lunch"));
    EXPECT_EQ(Find("Dinner").x, CentredOn(W() / 1.22, "Dinner"));
    for (const char* head : {"Breakfast", "Lunch", "Dinner"}) EXPECT_EQ(Find(head).y, kHeadsY) << head;
    // Row 1 on one line; row 2 is empty and takes no room; row 3 next.
    EXPECT_EQ(Column(30),
              (std::vector<std::pair<double, std::string>>{
                  {kBlockTop, " Monday - April 05, 2004"}, {kFirstRowY, " Eggs"}, {kFirstRowY + kLine, " Toast"}}));
    EXPECT_EQ(Find("Soup").x, kLunchX);
    EXPECT_EQ(Find("Soup").y, kFirstRowY);
    EXPECT_EQ(Find("Roast").x, kDinnerX);
    EXPECT_EQ(Find("Pie").y, kFirstRowY + 2 * kLine) << "row 7, right after row 3";
    for (const ui::TextRun& run : Runs()) EXPECT_EQ(run.color, kNavy) << run.text;

    const double bottom = kFirstRowY + 3 * kLine;
    std::vector<PageLine> lines{Rule(kBlockTop, 30), Rule(kHeadingRule, 15), Rule(kHeadsRule, 15),
                                Down(W() / 3.04, kHeadingRule, bottom, 15), Down(W() / 1.52, kHeadingRule, bottom, 15)};
    for (const PageLine& line : Frame(bottom)) lines.push_back(line);
    EXPECT_EQ(Lines(), lines) << "the first rule as thick as every block's, whatever drew before";
    EXPECT_EQ(doc.font.size, 12) << "left at the print size, where Auto Size starts";
}

TEST_F(MenuPrintTest, OptionsOffKeepEveryPositionAndTheFamilyLeadsTheTitle) {
    save({2004, 4, 5}, {{0, "Eggs"}});
    ASSERT_TRUE(LayoutCurrentDate(doc, font, program, {2004, 4, 5}, setup));
    const auto with = Runs();

    setup.GridLinesOn = false;
    ASSERT_TRUE(LayoutCurrentDate(doc, font, program, {2004, 4, 5}, setup));
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Runs(), with);

    setup.PrintDateOn = false;
    ASSERT_TRUE(LayoutCurrentDate(doc, font, program, {2004, 4, 5}, setup));
    auto withoutDate = with;
    withoutDate.erase(withoutDate.begin() + 1);
    EXPECT_EQ(Runs(), withoutDate) << "the date's line stays, empty";

    setup.familyName = "Smith";
    ASSERT_TRUE(LayoutCurrentDate(doc, font, program, {2004, 4, 5}, setup));
    EXPECT_EQ(Find("Smith Menu Planner").x, CentredOn(W() / 2, "Smith Menu Planner", 140));
}

TEST_F(MenuPrintTest, AnUnsavedCurrentDateEndsItsDocumentWithTheHeaderAlone) {
    save({2004, 4, 6}, {{0, "Eggs"}});
    EXPECT_FALSE(LayoutCurrentDate(doc, font, program, {2004, 4, 5}, setup));
    EXPECT_FALSE(doc.building());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Menu Planner", "Printed on April 05, 2004"}));
    EXPECT_TRUE(Lines().empty());
    EXPECT_FALSE(std::filesystem::exists(folder / " 2003.Mnu"));
    EXPECT_FALSE(LayoutCurrentDate(doc, font, program, {2003, 4, 5}, setup)) << "no file for the year";
}

TEST_F(MenuPrintTest, ARangeAcrossTheYearsEndReadsEachDayFromItsOwnYearsFile) {
    save({2004, 12, 31}, {{7, "Ham"}});
    save({2005, 1, 2}, {{0, "Eggs"}});
    LayoutDateRange(doc, font, program, {2004, 12, 30}, 3, setup);

    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_FALSE(doc.building());
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"Menu Planner", "Printed on April 05, 2004", " Thursday - December 30, 2004",
                                        kNoItems, " Friday - December 31, 2004", "Breakfast", "Lunch", "Dinner", "Ham",
                                        " Saturday - January 01, 2005", kNoItems, " Sunday - January 02, 2005",
                                        "Breakfast", "Lunch", "Dinner", " Eggs"}))
        << "a one-page printout has no page number";
    // An unsaved day: its heading and the note on one line, 10 below its rule.
    EXPECT_EQ(Find(" Thursday - December 30, 2004").y, kBlockTop + 10);
    EXPECT_EQ(Find(kNoItems).y, kBlockTop + 10);
    EXPECT_EQ(Find(kNoItems).x, kLunchX);
    // The saved day's block starts where the note's line ends.
    const double blockTop = kBlockTop + 10 + kLine;
    EXPECT_EQ(Find(" Friday - December 31, 2004").y, blockTop);
    EXPECT_EQ(Find("Ham").y, blockTop + (kFirstRowY - kBlockTop));
    const auto lines = Lines();
    EXPECT_EQ(lines.front(), Rule(kBlockTop, 30));
    EXPECT_NE(std::find(lines.begin(), lines.end(), Rule(blockTop, 30)), lines.end());
}

TEST_F(MenuPrintTest, ALongRangeBreaksPagesNumbersThemAndContinuesADaysHead) {
    for (int k = 0; k <= 31; ++k) saveFull(CalendarDate{2004, 3, 1}.addDays(k));
    LayoutDateRange(doc, font, program, {2004, 3, 1}, 31, setup);

    ASSERT_GT(doc.PageCount(), 2);
    int continued = 0, headings = 0;
    for (int p = 0; p < doc.PageCount(); ++p) {
        const auto texts = Texts(p);
        ASSERT_GE(texts.size(), 3u) << p;
        EXPECT_EQ(texts[0], "Menu Planner") << p;
        EXPECT_EQ(texts[1], "Printed on April 05, 2004") << p;
        EXPECT_EQ(texts.back(), "Page " + std::to_string(p + 1));
        EXPECT_EQ(Find(texts.back(), p).y, H() - 200);
        EXPECT_EQ(Find(texts.back(), p).font.size, 10);
        for (const ui::TextRun& run : Runs(p)) {
            if (!run.text.starts_with("Page ")) {
                EXPECT_LE(run.y + printer.LineHeight(run.font), H()) << run.text << " on page " << p + 1;
            }
            if (run.text.ends_with(" [Continued]")) {
                ++continued;
                EXPECT_EQ(run.y, kBlockTop) << "right below the page header";
            }
            if (run.text.starts_with(" ") && run.text.find(", 2004") != std::string::npos &&
                !run.text.ends_with(" [Continued]"))
                ++headings;
        }
        // The frame reaches from the top edge down to the last block of the page.
        const auto lines = Lines(p);
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines.back().y1, lines.back().y2);
        EXPECT_EQ(lines[lines.size() - 4], (PageLine{2, 2, W() - 2, 2, 30, kNavy}));
    }
    EXPECT_EQ(headings, 32) << "every day once";
    EXPECT_GT(continued, 0);
    // Every day's 21 dishes, none lost across the breaks.
    int dishes = 0;
    for (int p = 0; p < doc.PageCount(); ++p)
        for (const auto& text : Texts(p)) dishes += text.find("Dish ") != std::string::npos;
    EXPECT_EQ(dishes, 32 * 21);
}

TEST_F(MenuPrintTest, CountsOfNoneAndAboveTheMost) {
    LayoutDateRange(doc, font, program, {2004, 3, 1}, 0, setup);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Menu Planner", "Printed on April 05, 2004",
                                                 " Monday - March 01, 2004", kNoItems}));
    LayoutDateRange(doc, font, program, {2004, 3, 1}, 500, setup);
    int days = 0;
    for (int p = 0; p < doc.PageCount(); ++p)
        for (const auto& text : Texts(p)) days += text == kNoItems;
    EXPECT_EQ(days, 32);
    LayoutDateRange(doc, font, program, {2004, 3, 1}, -1, setup);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Menu Planner", "Printed on April 05, 2004"}));
}

}  // namespace
}  // namespace menu_planner
