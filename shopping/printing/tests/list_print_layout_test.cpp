// The printed shopping list and worksheet on the fixed-metric printer:
// where each text and line lands, page by page.
#include "shopping/printing/list_print_layout.h"

#include <gtest/gtest.h>

#include "printing/tests/print_layout_fixture.h"

namespace shopping {
namespace {

using ui::PageLine;

// Letter paper at 12 points (a line 288 twips, 120 a character): the
// header's rows and the first item row's top.
constexpr double kTitleY = 100;
constexpr double kDateY = 436;
constexpr double kHeadingY = 926;
constexpr double kFirstRowY = 1512;
constexpr double kLeftItemX = 122;    // 12240 / 100, whole
constexpr double kRightItemX = 6213;  // 12240 / 1.97, whole
constexpr double kLeftAmountCentre = 12240 / 2.5;
constexpr double kRightAmountCentre = 12240 / 1.11;

class ListPrintTest : public printing::testing::PrintLayoutTest {
protected:
    // Items "Item 01", "Item 02", ... each with an amount.
    static ShoppingList Numbered(int count) {
        ShoppingList list;
        for (int i = 1; i <= count; ++i) {
            const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
            EXPECT_EQ(list.AppendItem("Item " + n, n + " Box(es)"), ListEdit::Done);
        }
        return list;
    }
    void Layout(const ShoppingList& list, const ListPrintOptions& options = {}, std::string_view family = "") {
        LayoutShoppingList(doc, font, list, family, "12/8/04", options);
    }
    std::vector<PageLine> Lines(int page = 0) const { return doc.pages().at(static_cast<std::size_t>(page)).lines; }
    static PageLine Line(double x1, double y, double x2) { return {x1, y, x2, y, 1, kNavy}; }
    // The item rows' tops from x (the check box's column), top to bottom.
    std::vector<double> ItemTops(double x, int page = 0) const {
        std::vector<double> tops;
        for (const auto& [y, text] : Column(x, page))
            if (text.starts_with("[   ]")) tops.push_back(y);
        return tops;
    }
};

TEST_F(ListPrintTest, HeaderHeadingsAndRowsWithCheckBoxesAndCentredAmounts) {
    ShoppingList list;
    list.AppendItem("Milk", "2 Gallon(s)");
    list.AppendItem("Bread");
    list.AppendItem("Eggs", "1 Dozen");
    Layout(list);

    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Grocery Shopping List", "Wednesday, December 08, 2004",
                                                 "Grocery Items", "Amount to Purchase", "[   ]  Milk", "2 Gallon(s)",
                                                 "[   ]  Bread", "[   ]  Eggs", "1 Dozen"}));
    const auto title = Find("Grocery Shopping List");
    EXPECT_EQ(title.x, CentredOn(W() / 2, title.text, 140));
    EXPECT_EQ(title.y, kTitleY);
    EXPECT_EQ(title.font.size, 14);
    const auto date = Find("Wednesday, December 08, 2004");
    EXPECT_EQ(date.x, CentredOn(W() / 2, date.text, 100));
    EXPECT_EQ(date.y, kDateY);
    EXPECT_EQ(date.font.size, 10);
    EXPECT_EQ(Find("Grocery Items").x, CentredOn(W() / 6, "Grocery Items"));
    EXPECT_EQ(Find("Grocery Items").y, kHeadingY);
    EXPECT_EQ(Find("Amount to Purchase").x, CentredOn(kLeftAmountCentre, "Amount to Purchase"));
    EXPECT_EQ(Find("Amount to Purchase").y, kHeadingY);

    EXPECT_EQ(ItemTops(kLeftItemX), (std::vector<double>{kFirstRowY, kFirstRowY + kLine, kFirstRowY + 2 * kLine}));
    EXPECT_EQ(Find("2 Gallon(s)").x, CentredOn(kLeftAmountCentre, "2 Gallon(s)"));
    EXPECT_EQ(Find("2 Gallon(s)").y, kFirstRowY);
    EXPECT_EQ(Find("1 Dozen").y, kFirstRowY + 2 * kLine);
    // The item fills a field of 28 characters after the box.
    EXPECT_EQ(doc.pages()[0].runs[4].text, "[   ]  Milk" + std::string(22, ' '));
    for (const ui::TextRun& run : Runs()) {
        EXPECT_EQ(run.color, kNavy) << run.text;
        EXPECT_EQ(run.font.name, "Times New Roman") << run.text;
    }
    EXPECT_TRUE(Lines().empty());
    EXPECT_FALSE(doc.building());
    EXPECT_EQ(doc.font.size, 12) << "left at the print size, where Auto Size starts";
}

TEST_F(ListPrintTest, ADividerUnderEveryFifthItemAcrossTheLeftColumn) {
    Layout(Numbered(4));
    EXPECT_TRUE(Lines().empty());

    Layout(Numbered(11));
    // Each divider lies 10 twips under its fifth row; the next row starts 3 below it.
    const double firstDivider = kFirstRowY + 5 * kLine + 10;
    const double secondDivider = firstDivider + 3 + 5 * kLine + 10;
    EXPECT_EQ(Lines(), (std::vector<PageLine>{Line(kLeftItemX, firstDivider, W() / 2),
                                              Line(kLeftItemX, secondDivider, W() / 2)}));
    EXPECT_EQ(ItemTops(kLeftItemX),
              (std::vector<double>{1512, 1800, 2088, 2376, 2664, 2965, 3253, 3541, 3829, 4117, 4418}));
}

TEST_F(ListPrintTest, OptionsOffKeepEveryPosition) {
    Layout(Numbered(11));
    const std::vector<ui::TextRun> with = Runs();

    Layout(Numbered(11), {.DividerLinesOff = true});
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Runs(), with) << "the rows keep the divider's room";

    Layout(Numbered(11), {.PrintDateOff = true});
    std::vector<ui::TextRun> withoutDate = with;
    withoutDate.erase(withoutDate.begin() + 1);
    EXPECT_EQ(Runs(), withoutDate) << "the date's line stays, empty";
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(ListPrintTest, TheFamilyNameLeadsTheTitle) {
    Layout(Numbered(1), {}, "Smith");
    const auto title = Find("Smith Grocery Shopping List");
    EXPECT_EQ(title.x, CentredOn(W() / 2, title.text, 140));
}

TEST_F(ListPrintTest, ALongItemShowsItsFirst26CharactersAfterThreeBlanks) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const struct {
        std::string item;
        std::string printed;
    } cases[] = {
        {alphabet + "1234", "[   ]   " + alphabet},  // 30 characters: one more than the field, none cut
        {alphabet + "1", "[   ]   " + alphabet},
        {alphabet, "[   ]  " + alphabet},
        {"Salt", "[   ]  Salt"},
    };
    for (const auto& c : cases) {
        ShoppingList list;
        list.AppendItem(c.item, "1");
        Layout(list);
        EXPECT_EQ(Texts()[4], c.printed) << c.item;
    }
}

TEST_F(ListPrintTest, RowsWithoutAnItemAreSkippedWhereverTheySortTo) {
    ShoppingList list;
    for (const char* item : {"Apples", "Bread", "Corn"}) list.AppendItem(item);
    for (const char* item : {"Dates", "Eggs", "Flour"}) list.AppendItem(item, "1 Bag(s)");
    // The amount sort puts the empty rows between the items without an
    // amount and those with one.
    list.SortRows(1, true, 1);
    ASSERT_TRUE(list.Row(4).item.empty());
    Layout(list);

    EXPECT_EQ(ItemTops(kLeftItemX), (std::vector<double>{1512, 1800, 2088, 2376, 2664, 2965}))
        << "all six print, one after the other";
    EXPECT_EQ(Lines(), std::vector<PageLine>{Line(kLeftItemX, 2962, W() / 2)}) << "empty rows count for no group";
}

// A page with room for five rows a column: the left column fills on a
// fifth item, the right column starts level with it, and the next page
// repeats the whole header.
TEST_F(ListPrintTest, FullColumnsGoOnInTheRightColumnThenOnANewPage) {
    doc.setPaper({12240, 3600});
    Layout(Numbered(12));
    ASSERT_EQ(doc.PageCount(), 2);

    EXPECT_EQ(ItemTops(kLeftItemX), (std::vector<double>{1512, 1800, 2088, 2376, 2664}));
    EXPECT_EQ(ItemTops(kRightItemX), (std::vector<double>{1512, 1800, 2088, 2376, 2664}));
    EXPECT_EQ(Find("[   ]  Item 06").x, kRightItemX);
    EXPECT_EQ(Find("06 Box(es)").x, CentredOn(kRightAmountCentre, "06 Box(es)"));
    // The right column's headings, on the heading row.
    std::vector<ui::TextRun> headings;
    for (const ui::TextRun& run : Runs())
        if (run.y == kHeadingY) headings.push_back(run);
    ASSERT_EQ(headings.size(), 4u);
    EXPECT_EQ(headings[2].text, "Grocery Items");
    EXPECT_DOUBLE_EQ(headings[2].x, W() / 1.38 - 13 * 120) << "ends at the column's heading edge";
    EXPECT_EQ(headings[3].text, "Amount to Purchase");
    EXPECT_DOUBLE_EQ(headings[3].x, CentredOn(kRightAmountCentre, "Amount to Purchase"));
    // The left column's last divider ends at the middle of the page, as the
    // others do; the right column's fifth item starts the next page without one.
    EXPECT_EQ(Lines(), std::vector<PageLine>{Line(kLeftItemX, 2962, W() / 2)});

    EXPECT_EQ(Texts(1), (std::vector<std::string>{"Grocery Shopping List", "Wednesday, December 08, 2004",
                                                  "Grocery Items", "Amount to Purchase", "[   ]  Item 11", "11 Box(es)",
                                                  "[   ]  Item 12", "12 Box(es)"}));
    EXPECT_EQ(Find("Grocery Shopping List", 1).y, kTitleY);
    EXPECT_EQ(ItemTops(kLeftItemX, 1), (std::vector<double>{1512, 1800}));
}

TEST_F(ListPrintTest, TheRightColumnsDividerRunsFromTheMiddleToThePageEdge) {
    doc.setPaper({12240, 3900});  // six rows a column
    Layout(Numbered(12));
    EXPECT_EQ(ItemTops(kLeftItemX), (std::vector<double>{1512, 1800, 2088, 2376, 2664, 2965}));
    EXPECT_EQ(ItemTops(kRightItemX), (std::vector<double>{1512, 1800, 2088, 2376, 2664, 2965}));
    EXPECT_EQ(Lines(), (std::vector<PageLine>{Line(kLeftItemX, 2962, W() / 2), Line(W() / 2, 2962, W() - 2)}));
}

class ListWorksheetTest : public printing::testing::PrintLayoutTest {
protected:
    std::vector<PageLine> Rules() const {
        std::vector<PageLine> rules;
        for (const PageLine& line : doc.pages().at(0).lines)
            if (line.y1 == line.y2) rules.push_back(line);
        return rules;
    }
};

TEST_F(ListWorksheetTest, ATitledFrameOfRuledLinesInFourColumns) {
    LayoutListWorksheet(doc, font);
    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Shopping List Worksheet", "Grocery Item", "Amount", "Grocery Item",
                                                 "Amount"}));
    const auto runs = Runs();
    EXPECT_EQ(runs[0].x, CentredOn(W() / 2, "Shopping List Worksheet", 140));
    EXPECT_EQ(runs[0].y, 0);
    EXPECT_EQ(runs[0].font.size, 14);
    const double headY = 376;  // the title's line and 20 twips either side of its rule
    const double at[] = {W() / 10, W() / 2.65, W() / 1.65, W() / 1.128};
    for (std::size_t i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(runs[i].x, at[i - 1]) << runs[i].text;
        EXPECT_EQ(runs[i].y, headY);
        EXPECT_EQ(runs[i].font.size, 12);
    }

    // The frame's top, the title's rule, the headings' rule, then a writing
    // line every line and 100 twips, the last one line below the last
    // position above 400 twips from the foot.
    const auto rules = Rules();
    ASSERT_EQ(rules.size(), 3u + 38u);
    EXPECT_EQ(rules[0], (PageLine{2, 2, W() - 5, 2, 1, kNavy}));
    EXPECT_EQ(rules[1].y1, 356);
    EXPECT_EQ(rules[2].y1, 684);
    for (std::size_t i = 3; i < rules.size(); ++i) {
        EXPECT_EQ(rules[i].y1, 1072 + 388 * static_cast<double>(i - 3));
        EXPECT_EQ(rules[i].x1, 2);
        EXPECT_EQ(rules[i].x2, W() - 5);
    }
    const double last = 15428;
    ASSERT_EQ(rules.back().y1, last);

    std::vector<PageLine> upright;
    for (const PageLine& line : doc.pages()[0].lines)
        if (line.x1 == line.x2) upright.push_back(line);
    EXPECT_EQ(upright, (std::vector<PageLine>{{2, 2, 2, last, 1, kNavy},
                                              {W() - 5, 2, W() - 5, last, 1, kNavy},
                                              {W() / 3.1, headY - 20, W() / 3.1, last, 1, kNavy},
                                              {W() / 2, headY - 20, W() / 2, last, 1, kNavy},
                                              {W() / 1.99, headY - 20, W() / 1.99, last, 1, kNavy},
                                              {W() / 1.2, headY - 20, W() / 1.2, last, 1, kNavy}}));
}

TEST_F(ListWorksheetTest, ALandscapePageHasFewerWiderLinesTheLastBelowTheMark) {
    doc.setOrientation(ui::Orientation::Landscape);
    LayoutListWorksheet(doc, font);
    const auto rules = Rules();
    ASSERT_EQ(rules.size(), 3u + 29u);
    EXPECT_EQ(rules.back(), (PageLine{2, 11936, 15835, 11936, 1, kNavy}));
    EXPECT_GT(rules.back().y1, H() - 400);
}

TEST_F(ListWorksheetTest, StaysOnePageInLargePrint) {
    font.PrintFontSize = 24;  // a line higher than the room kept at the foot
    LayoutListWorksheet(doc, font);
    EXPECT_EQ(doc.PageCount(), 1);
}

}  // namespace
}  // namespace shopping
