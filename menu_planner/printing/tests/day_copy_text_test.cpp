// A day's menu as clipboard text, byte for byte on the fixed-metric printer
// (its own font at 10 points: 100 twips a character).
#include "menu_planner/printing/day_copy_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/testing/fake_printer.h"
#include "platform/testing/scripted_dialogs.h"

namespace menu_planner {
namespace {

using platform::answer::OK;

constexpr basic::CalendarDate Monday{2004, 4, 5};
const std::string Title = "Menu Planner for  Monday - April 05, 2004:\r\n\r\n";

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

class DayCopyTest : public ::testing::Test {
protected:
    // Breakfast box of row r is r - 1, lunch r + 6, dinner r + 13.
    void put(int meal, int row, std::string text) {
        boxes[static_cast<std::size_t>(meal * 7 + row - 1)] = std::move(text);
    }

    platform::testing::FakePrinter printer;
    printing::TextMeasure measure = printing::PrinterMeasure(printer);
    DayBoxes boxes{};
};

TEST_F(DayCopyTest, ColumnsAreFilledToTheirWidestCellAndRowsWithoutEntriesAreLeftOut) {
    put(0, 1, "Eggs");
    put(1, 1, "Soup");
    put(2, 1, "Roast");
    put(0, 3, "Pancakes with syrup");  // wider than "Breakfast"
    put(2, 5, "Pie");                  // dinner alone
    EXPECT_EQ(DayCopyText(boxes, Monday, measure),
              Title +                                                 //
                  "Breakfast" + Blanks(10) + "\tLunch\tDinner\r\n" +  //
                  "Eggs" + Blanks(15) + "\tSoup \tRoast\r\n" +        //
                  "Pancakes with syrup\t" + Blanks(5) + "\t\r\n" +    //
                  Blanks(19) + "\t" + Blanks(5) + "\tPie\r\n");
}

TEST_F(DayCopyTest, OnlyDinnerEntriesStandAfterTheSecondTab) {
    put(2, 2, "Stew");
    put(2, 5, "Fish");
    EXPECT_EQ(DayCopyText(boxes, Monday, measure), Title + "Breakfast\tLunch\tDinner\r\n" + Blanks(9) + "\t" +
                                                       Blanks(5) + "\tStew\r\n" + Blanks(9) + "\t" + Blanks(5) +
                                                       "\tFish\r\n");
}

TEST_F(DayCopyTest, ABoxOfOneBlankIsAnEntryAndTextsStayAsTyped) {
    put(1, 4, " ");
    put(0, 6, "  Tea  ");
    EXPECT_TRUE(AnyDayEntry(boxes));
    EXPECT_EQ(DayCopyText(boxes, Monday, measure), Title + "Breakfast\tLunch\tDinner\r\n" + Blanks(9) + "\t" +
                                                       Blanks(5) + "\t\r\n" + "  Tea  " + Blanks(2) + "\t" + Blanks(5) +
                                                       "\t\r\n");
    EXPECT_FALSE(AnyDayEntry(DayBoxes{}));
}

// A font in which a blank has no width: filling must still end.
class BlanklessMetrics : public ui::PrintMetrics {
public:
    double TextWidth(const ui::Font&, std::string_view text) const override {
        return 100.0 * static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }));
    }
    double LineHeight(const ui::Font&) const override { return 240; }
};

TEST_F(DayCopyTest, WithoutAPrinterOrWithBlanksOfNoWidthTheCopyStillEnds) {
    put(0, 1, "Eggs");
    put(1, 1, "Soup");
    const std::string unfilled = Title + "Breakfast\tLunch\tDinner\r\nEggs\tSoup\t\r\n";
    printer.present = false;
    EXPECT_EQ(DayCopyText(boxes, Monday, printing::PrinterMeasure(printer)), unfilled);

    BlanklessMetrics blankless;
    const std::string text = DayCopyText(boxes, Monday, {&blankless, ui::Font{"Courier", 10}});
    EXPECT_TRUE(text.starts_with(Title + "Breakfast\tLunch\tDinner\r\nEggs ")) << text.substr(0, 120);
    EXPECT_LT(text.size(), 5000u);
}

TEST_F(DayCopyTest, TheCommandCopiesTellsOrRefuses) {
    platform::testing::FakeClipboard clipboard;
    platform::testing::ScriptedDialogs dialogs;
    clipboard.text = "before";

    dialogs.expectMessage("Copy", OK);
    EXPECT_FALSE(CopyDayMenu(clipboard, dialogs, boxes, Monday, measure));
    EXPECT_EQ(dialogs.messages().back().text, "There are currently No Entries to Copy!");
    EXPECT_EQ(clipboard.text, "before");

    put(2, 1, "Roast");
    dialogs.expectMessage("Copy Option", OK);
    EXPECT_TRUE(CopyDayMenu(clipboard, dialogs, boxes, Monday, measure));
    EXPECT_EQ(dialogs.messages().back().text, "Data has been copied to the Windows Clipboard.");
    EXPECT_EQ(clipboard.text, DayCopyText(boxes, Monday, measure));

    // A clipboard another program holds: the user is told, not told it worked.
    clipboard.refuses = true;
    dialogs.expectMessage("Copy Option", OK);
    EXPECT_FALSE(CopyDayMenu(clipboard, dialogs, boxes, Monday, measure));
    EXPECT_EQ(dialogs.messages().back().icon, platform::MsgIcon::Critical);
    EXPECT_NE(dialogs.messages().back().text, "Data has been copied to the Windows Clipboard.");
    EXPECT_TRUE(dialogs.scriptDone());
}

}  // namespace
}  // namespace menu_planner
