// The storage table's printout on the fixed-metric printer: the page head,
// the rows of each print range, the rules, and how the pages break.
#include "food_storage/printing/storage_print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "printing/tests/print_layout_fixture.h"

namespace food_storage {
namespace {

using enum StoragePrintRange;
using ui::PageLine;

// Letter paper at 12 points (a line 288 twips, 120 a character; the title at
// 14 points, 336 a line). The title at 0, the As-of line below it, the
// headings' three words from 300 above the As-of line's end, a line each.
constexpr double kAsOfY = 336;
constexpr double kRuleTop = 624;  // under the As-of line
constexpr double kWord1Y = 612;
constexpr double kHeadingsEnd = 1476;
constexpr double kFirstRowY = 1496;
constexpr double kItemX = 306;  // 12240 / 40

const std::string kCaption = "Pantrivo - Emergency Storage";
constexpr basic::CalendarDate kToday{2004, 12, 8};

class StoragePrintTest : public printing::testing::PrintLayoutTest {
protected:
    void Layout(const StorageTable& table, const StoragePrintOptions& options = {},
                StorageKind kind = StorageKind::Emergency, std::string_view caption = kCaption) {
        LayoutStorageTable(doc, font, kind, table, caption, kToday, options);
    }
    // Every row of the emergency table filled: "Item 01" ... with all eight
    // columns, the heading rows with their marks.
    static StorageTable FullTable() {
        StorageTable table;
        for (int r = 1; r <= StorageRows; ++r) {
            const std::string n = (r < 10 ? "0" : "") + std::to_string(r);
            table.Cell(r, TitleColumn) = "Item " + n;
            table.Cell(r, NumberInFamilyColumn) = " 4";
            table.Cell(r, AmountPerPersonColumn) = "3 cans";
            table.Cell(r, TotalNeededColumn) = " 12 cans";
            table.Cell(r, OnHandColumn) = " 6 cans";
            table.Cell(r, LastActionDateColumn) = "01/02/04";
            table.Cell(r, AmountAddedColumn) = " 6 cans";
            table.Cell(r, AmountUsedColumn) = "u" + n;
        }
        RebuildAllRows(StorageKind::Emergency, table);
        return table;
    }
    // Vertical lines of a page, by x, the frame's sides left out.
    std::vector<PageLine> ColumnRules(int page = 0) const {
        std::vector<PageLine> rules;
        for (const PageLine& line : Lines(page))
            if (line.x1 == line.x2 && line.x1 > 2 && line.x1 < W() - 2) rules.push_back(line);
        return rules;
    }
    // The category rules: lines across the page below the headings' rule,
    // drawn before the page's frame.
    std::vector<double> CategoryRuleYs(int page = 0) const {
        std::vector<double> ys;
        for (const PageLine& line : Lines(page)) {
            if (line.y1 == 2 && line.y2 == 2) break;
            if (line.y1 == line.y2 && line.x1 == 2 && line.x2 == W() - 2 && line.y1 > kHeadingsEnd)
                ys.push_back(line.y1);
        }
        return ys;
    }
    std::vector<PageLine> Lines(int page = 0) const { return doc.pages().at(static_cast<std::size_t>(page)).lines; }
    // The y of each row's first cell, from the item column.
    std::vector<double> RowTops(int page = 0) const {
        std::vector<double> tops;
        for (const auto& [y, text] : Column(kItemX, page)) tops.push_back(y);
        return tops;
    }
};

TEST_F(StoragePrintTest, WithoutOnHandDataTheOnHandRangesAreOffAndTheCompleteFormPrints) {
    StorageTable table;  // no storage files: every cell empty
    const PrintRangeCheck check = CheckOnHandForPrint(table, OnHandFiveColumns);
    ASSERT_FALSE(check.onHandRangesEnabled);
    ASSERT_EQ(check.range, CompleteAllColumns);
    Layout(table, {.range = check.range});

    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{kCaption,  "As of  December 08, 2004",
                                                 "Storage", "Item",
                                                 "Number",  "In",
                                                 "Family",  "Amount",
                                                 "Per",     "Person",
                                                 "Total",   "Amount",
                                                 "Needed",  "Amount",
                                                 "On",      "Hand",
                                                 "Last",    "Action",
                                                 "Date",    "Last",
                                                 "Action",  "Added",
                                                 "Last",    "Action",
                                                 "Used"}));
    const ui::TextRun title = Find(kCaption);
    EXPECT_EQ(title.y, 0);
    EXPECT_EQ(title.x, CentredOn(W() / 2, kCaption, 140));
    EXPECT_EQ(title.font.size, 14);
    const ui::TextRun asOf = Find("As of  December 08, 2004");
    EXPECT_EQ(asOf.y, kAsOfY);
    EXPECT_EQ(asOf.x, CentredOn(W() / 2, asOf.text));
    EXPECT_EQ(asOf.font.size, 12);
    EXPECT_EQ(Find("Storage").x, CentredOn(W() / 8, "Storage"));
    EXPECT_EQ(Find("Storage").y, kWord1Y);
    EXPECT_EQ(Find("Item").y, kWord1Y + kLine);
    EXPECT_EQ(Find("Family").y, kWord1Y + 2 * kLine);
    EXPECT_EQ(Find("Used").x, CentredOn(W() / 1.05, "Used"));
    for (const ui::TextRun& run : Runs()) EXPECT_EQ(run.color, kNavy);

    // The rules under the As-of line and the headings, then the frame down
    // to where the (empty) table ends, and seven column rules.
    const double bottom = kHeadingsEnd + 20;
    const std::vector<PageLine> lines = Lines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(std::vector<PageLine>(lines.begin(), lines.begin() + 6),
              (std::vector<PageLine>{{1, kRuleTop, W(), kRuleTop, 15, kNavy},
                                     {2, kHeadingsEnd, W() - 2, kHeadingsEnd, 15, kNavy},
                                     {2, 2, W() - 2, 2, 15, kNavy},
                                     {2, 2, 2, bottom, 15, kNavy},
                                     {W() - 2, 2, W() - 2, bottom, 15, kNavy},
                                     {2, bottom, W() - 2, bottom, 15, kNavy}}));
    for (const PageLine& rule : ColumnRules()) {
        EXPECT_EQ(rule.y1, kRuleTop);
        EXPECT_EQ(rule.y2, bottom);
    }
}

TEST_F(StoragePrintTest, RulesStandAtThePageWidthOverTheirDivisorsWithTheFractionKept) {
    const struct {
        StoragePrintRange range;
        std::vector<double> xs;
    } cases[] = {
        {CompleteAllColumns, {250, 332.1, 418.3, 521, 617, 713.1, 790.9}},
        {OnHandAllColumns, {250, 332.1, 418.3, 521, 617, 713.1, 790.9}},
        {CompleteFiveColumns, {301, 424.4, 568.6, 719}},
        {OnHandFiveColumns, {301, 424.4, 568.6, 719}},
    };
    StorageTable table;
    table.Cell(1, TitleColumn) = "Food";
    table.Cell(1, OnHandColumn) = "*";
    for (const auto& [range, xs] : cases) {
        doc.setPaper({870, 15840});
        Layout(table, {.range = range});
        const std::vector<PageLine> rules = ColumnRules();
        ASSERT_EQ(rules.size(), xs.size()) << static_cast<int>(range);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            EXPECT_NEAR(rules[i].x1, xs[i], 0.05) << static_cast<int>(range) << " rule " << i + 1;
        }
    }
}

TEST_F(StoragePrintTest, FiveColumnsPrintTheirHeadingsAndCellsOnlyAndAWiderRangeReadsTheTableAfresh) {
    const StorageTable table = FullTable();
    Layout(table, {.range = CompleteFiveColumns});
    for (const std::string_view gone : {"Last", "Date", "Added", "Used", "01/02/04", "u02"}) {
        const std::vector<std::string> texts = Texts();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), gone), 0) << gone;
    }
    EXPECT_EQ(Find("Storage").x, CentredOn(W() / 6, "Storage"));
    EXPECT_EQ(Find("Hand").x, CentredOn(W() / 1.1, "Hand"));
    EXPECT_EQ(Find("Item 02").x, kItemX);
    EXPECT_EQ(Find("12 cans").x, CentredOn(W() / 1.35, "12 cans"));
    EXPECT_EQ(ColumnRules().size(), 4u);

    // The same table in all eight columns: the last three come from the
    // table, not from what an earlier layout held.
    Layout(table, {.range = CompleteAllColumns});
    EXPECT_EQ(Find("u02").x, CentredOn(W() / 1.05, "u02"));
    EXPECT_EQ(Find("u02").y, kFirstRowY + kLine);
    EXPECT_EQ(Find("01/02/04").x, CentredOn(W() / 1.31, "01/02/04"));
    EXPECT_EQ(Find("12 cans").x, CentredOn(W() / 1.86, "12 cans"));
    EXPECT_EQ(ColumnRules().size(), 7u);
}

TEST_F(StoragePrintTest, OnHandRangesPrintOnlyRowsWithAnAmountOrTheMarkAndRuleOnlyThoseRows) {
    StorageTable table;
    RebuildAllRows(StorageKind::Emergency, table);
    table.Cell(1, TitleColumn) = "Food";
    table.Cell(2, TitleColumn) = "Wheat";
    table.Cell(2, OnHandColumn) = " 20 lbs";
    table.Cell(3, TitleColumn) = "Rice";  // nothing on hand
    table.Cell(3, AmountPerPersonColumn) = "10 lbs";
    table.Cell(10, TitleColumn) = "Honey";  // a block's last row, nothing on hand: no rule
    table.Cell(11, TitleColumn) = "Water";
    table.Cell(11, OnHandColumn) = " 14 gals";
    table.Cell(12, TitleColumn) = "Equip.";

    Layout(table, {.range = OnHandAllColumns});
    ASSERT_EQ(doc.PageCount(), 1);
    EXPECT_EQ(Column(kItemX), (std::vector<std::pair<double, std::string>>{{kFirstRowY, "Food"},
                                                                           {kFirstRowY + kLine, "Wheat"},
                                                                           {kFirstRowY + 2 * kLine, "Water"},
                                                                           {kFirstRowY + 3 * kLine, "Equip."}}));
    // A heading row prints its marks as they stand.
    std::vector<std::string> heading;
    for (const ui::TextRun& run : Runs())
        if (run.y == kFirstRowY && run.x != kItemX) heading.push_back(run.text);
    EXPECT_EQ(heading, std::vector<std::string>(7, "*"));
    // Rules after rows 1, 11 and 12 and the later heading rows, which print
    // their marks; none for row 10, which printed nothing.
    std::vector<double> expected;
    for (const int printed : {1, 3, 4, 5, 6, 7, 8}) expected.push_back(kFirstRowY + printed * kLine);
    EXPECT_EQ(CategoryRuleYs(), expected);
}

TEST_F(StoragePrintTest, EmptyRowsTakeNoHeightAndTheDateOffKeepsItsLine) {
    StorageTable table;
    table.Cell(2, TitleColumn) = "Wheat";
    table.Cell(5, AmountUsedColumn) = " 3 lbs";  // only in a column five columns leave out
    table.Cell(7, TitleColumn) = "Rice";
    Layout(table, {.range = CompleteFiveColumns, .AsOfDate = false});
    EXPECT_EQ(RowTops(), (std::vector<double>{kFirstRowY, kFirstRowY + kLine}));
    EXPECT_EQ(Texts().at(1), "Storage");  // no date line text
    EXPECT_EQ(Find("Storage").y, kWord1Y);

    Layout(table, {.range = CompleteAllColumns, .AsOfDate = false});
    EXPECT_EQ(Find("3 lbs").y, kFirstRowY + kLine);
    EXPECT_EQ(Find("Rice").y, kFirstRowY + 2 * kLine);
}

TEST_F(StoragePrintTest, WithoutGridLinesNothingIsDrawnAndTheTextsStayWhereTheyWere) {
    const StorageTable table = FullTable();
    Layout(table);
    const std::vector<ui::TextRun> withLines = doc.pages()[0].runs;
    const int pages = doc.PageCount();
    Layout(table, {.GridLines = false});
    EXPECT_EQ(doc.PageCount(), pages);
    EXPECT_EQ(doc.pages()[0].runs, withLines);
    for (const ui::Page& page : doc.pages()) EXPECT_TRUE(page.lines.empty());
}

TEST_F(StoragePrintTest, PagesBreakBelowTheMarkAndTheLastFrameReachesTheFirstPagesBreak) {
    Layout(FullTable(), {}, StorageKind::Emergency, "  Smith Pantrivo - Emergency Storage ");
    ASSERT_EQ(doc.PageCount(), 2);
    // Row 49 starts at 15320, not past H - 400; row 50 would start at 15608.
    const double firstBreak = kFirstRowY + 49 * kLine;
    EXPECT_EQ(RowTops(0).size(), 49u);
    EXPECT_EQ(RowTops(0).back(), kFirstRowY + 48 * kLine);
    EXPECT_EQ(RowTops(1).size(), 11u);
    EXPECT_EQ(RowTops(1).front(), kFirstRowY);
    for (const int page : {0, 1}) {
        EXPECT_EQ(Texts(page).front(), "Smith Pantrivo - Emergency Storage");
        EXPECT_EQ(Find("Smith Pantrivo - Emergency Storage", page).x,
                  CentredOn(W() / 2, "Smith Pantrivo - Emergency Storage", 140));
        EXPECT_EQ(Find("Used", page).y, kWord1Y + 2 * kLine);
        for (const PageLine& rule : ColumnRules(page)) {
            EXPECT_EQ(rule.y1, kRuleTop);
            EXPECT_EQ(rule.y2, firstBreak) << "page " << page + 1;
        }
    }
    // Category rules under the blocks that end on each page, at the row's foot.
    std::vector<double> expected;
    for (const int row : {1, 10, 11, 12, 24, 25, 32, 33, 38, 39, 45, 46}) expected.push_back(kFirstRowY + row * kLine);
    EXPECT_EQ(CategoryRuleYs(0), expected);
    EXPECT_EQ(CategoryRuleYs(1), (std::vector<double>{kFirstRowY + 5 * kLine}));  // after row 54
}

TEST_F(StoragePrintTest, NoPageHoldsTheHeadingsAlone) {
    StorageTable table = FullTable();
    for (int r = 50; r <= StorageRows; ++r) table.Cell(r, OnHandColumn).clear();
    for (int r = 51; r <= StorageRows; ++r)
        for (int c = 0; c < StorageColumns; ++c) table.Cell(r, c).clear();
    Layout(table, {.range = OnHandAllColumns});
    EXPECT_EQ(doc.PageCount(), 1);
    Layout(table, {.range = CompleteAllColumns});
    EXPECT_EQ(doc.PageCount(), 2);
    EXPECT_EQ(RowTops(1), std::vector<double>{kFirstRowY});
    // One page: the frame ends where the table does.
    Layout(table, {.range = OnHandAllColumns});
    for (const PageLine& rule : ColumnRules()) EXPECT_EQ(rule.y2, kFirstRowY + 49 * kLine);
}

TEST_F(StoragePrintTest, TheOtherKindsRuleTheirOwnBlocksAndIndentItemTitles) {
    StorageTable table;
    for (int r = 1; r <= 20; ++r) {
        table.Cell(r, TitleColumn) = "T" + std::to_string(r);
        // Rows 2-12 and 14-20 are the basic kind's item rows, marked as such.
        if (r != 1 && r != 13) table.Cell(r, NumberInFamilyColumn) = "*";
    }
    Layout(table, {}, StorageKind::Basic, "Pantrivo - Basic Food Storage");
    EXPECT_EQ(Find("T1").x, kItemX);
    EXPECT_EQ(Find("    T2").x, kItemX);
    EXPECT_EQ(Find("T13").x, kItemX);
    std::vector<double> expected;
    for (const int row : {1, 12, 13}) expected.push_back(kFirstRowY + row * kLine);
    EXPECT_EQ(CategoryRuleYs(), expected);

    Layout(table, {}, StorageKind::Additional, "Additional Storage");
    expected.clear();
    for (const int row : {1, 16, 17}) expected.push_back(kFirstRowY + row * kLine);
    EXPECT_EQ(CategoryRuleYs(), expected);
}

TEST(StorageAsOfLine, MonthNameTwoDigitDayAndYear) {
    EXPECT_EQ(AsOfLine({2026, 1, 5}), "As of  January 05, 2026");
    EXPECT_EQ(AsOfLine({1999, 9, 30}), "As of  September 30, 1999");
}

}  // namespace
}  // namespace food_storage
