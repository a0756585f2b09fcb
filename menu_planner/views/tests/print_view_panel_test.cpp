// The Print/View panel on a small window: the choice of days, the views in
// the grid, their messages, and the hand-over to the window.
#include "menu_planner/views/print_view_panel.h"

#include <memory>

#include "menu_planner/store/year_menu_file.h"
#include "platform/ui/design.h"
#include "shell/tests/program_fixture.h"

namespace menu_planner {
namespace {

using basic::CalendarDate;
using platform::answer::OK;

inline constexpr PrintViewDesign ViewDesign{"Panel3D1", {60, 60, 9600, 6000}};
constexpr int MainPanelHeight = 7000;

// A window carrying the panel over its main panel, with a host that notes what the panel asks.
class ViewWindow : public ui::Form {
public:
    explicit ViewWindow(shell::Application& app) : ui::Form(app.runtime(), "Zcalandar") {
        Move(0, 0, 12000, 9000);
        std::vector<ui::design::ControlRow> rows{
            {.kind = ui::ControlKind::Panel, .name = "Panel3D1", .rect = {0, 0, 11900, MainPanelHeight}},
        };
        int tab = 1;
        AddPrintViewRows(rows, ViewDesign, tab);
        ui::design::Build(*this, rows);
        panel = std::make_unique<PrintViewPanel>(app, *this, ViewDesign, host());
    }

    PrintViewHost host() {
        return {
            .loadedDay = [this] { return day; },
            .entryTexts = [this] { return boxes; },
            .mainPanelHeight = [] { return MainPanelHeight; },
            .viewShown = [this] { calls.push_back("view shown"); },
            .print = [this] { calls.push_back("print"); },
            .closed = [this] { calls.push_back("closed"); },
        };
    }

    std::optional<CalendarDate> day = CalendarDate{2004, 12, 20};
    std::array<std::string, 21> boxes{};
    std::vector<std::string> calls;
    std::unique_ptr<PrintViewPanel> panel;
};

class PrintViewPanelTest : public shell::testing::ProgramTest {
protected:
    PrintViewPanelTest() {
        window.Show();
        panel.Open();
    }

    void save(CalendarDate day, std::initializer_list<std::pair<int, std::string>> entries) {
        DayMenuRecord record;
        for (const auto& [box, text] : entries) record.entries[static_cast<std::size_t>(box)] = text;
        ASSERT_TRUE(SaveDayMenu(app().folder(), day.year, DayKey(day), record));
    }
    void click(ui::Control& control) { runtime().userClick(control); }
    void chooseRange(const std::string& count) {
        click(*panel.SSOption1[1]);
        panel.Combo5->userEdited(count);
    }
    ui::Grid& grid() { return *panel.Grid1; }
    std::vector<std::string> column(int col) {
        std::vector<std::string> cells;
        for (int r = 0; r < grid().Rows(); ++r) cells.push_back(grid().TextMatrix(r, col));
        return cells;
    }
    std::string lastMessage() const {
        const auto& shown = desktop.dialogs.messages();
        return shown.empty() ? std::string() : shown.back().text;
    }

    ViewWindow window{app()};
    PrintViewPanel& panel = *window.panel;
};

TEST_F(PrintViewPanelTest, OpensOnCurrentDateOnlyWithTheDayCountsOneTo31AndTheGridHidden) {
    EXPECT_TRUE(panel.isOpen());
    EXPECT_TRUE(panel.SSPanel3->Visible());
    EXPECT_FALSE(grid().Visible());
    EXPECT_EQ(panel.SSFrame1->Caption(), "Select Menu to Print/View");
    EXPECT_EQ(panel.SSOption1[0]->Caption(), "Current Date Only");
    EXPECT_EQ(panel.SSOption1[1]->Caption(), "Current Date plus the next");
    EXPECT_EQ(panel.Label5->Caption(), "days");
    EXPECT_TRUE(panel.currentDateOnly());
    EXPECT_FALSE(panel.Combo5->Enabled());
    ASSERT_EQ(panel.Combo5->ListCount(), 31);
    EXPECT_EQ(panel.Combo5->List(0), "1");
    EXPECT_EQ(panel.Combo5->List(30), "31");
    EXPECT_EQ(panel.Combo5->Text(), "");
    EXPECT_EQ(panel.followingDays(), 0);
    panel.FillDayCounts();
    EXPECT_EQ(panel.Combo5->ListCount(), 31) << "filled afresh, never twice";
}

TEST_F(PrintViewPanelTest, TheRangeOf31DaysFrom20DecemberShows32RowsAndJanuaryWithoutItsFile) {
    save({2004, 12, 24}, {{0, "Waffles"}, {2, "Juice"}, {16, "Turkey"}});
    chooseRange("31");
    EXPECT_TRUE(panel.Combo5->Enabled());
    click(*panel.Command5);

    ASSERT_EQ(grid().Rows(), 33);
    ASSERT_EQ(grid().Cols(), 4);
    EXPECT_EQ(column(0)[0], "Day");
    EXPECT_EQ(column(0)[1], "Mon - Dec 20, 2004");
    EXPECT_EQ(column(0)[32], "Thu - Jan 20, 2005");
    EXPECT_EQ(grid().TextMatrix(0, 1), "Breakfast");
    EXPECT_EQ(grid().TextMatrix(0, 2), "Lunch");
    EXPECT_EQ(grid().TextMatrix(0, 3), "Dinner");
    EXPECT_EQ(grid().TextMatrix(5, 1), "Waffles\rJuice\r");
    EXPECT_EQ(grid().TextMatrix(5, 3), "Turkey\r");
    for (int r = 13; r <= 32; ++r) EXPECT_EQ(grid().TextMatrix(r, 1), "No menu items were found") << r;
    // A day with entries is as high as its longest meal; the others keep the grid's height.
    EXPECT_EQ(grid().RowHeight(5), 448);
    EXPECT_EQ(grid().RowHeight(1), 0);
    EXPECT_EQ(grid().TextMatrix(1, 1), "No menu items were found");
    EXPECT_TRUE(grid().Visible());
    EXPECT_EQ(window.calls, std::vector<std::string>{"view shown"});
    // The columns share the grid's width as laid out.
    EXPECT_EQ(grid().ColWidth(0), std::lround(grid().Width() * 0.18));
    EXPECT_EQ(grid().ColWidth(3), std::lround(grid().Width() * 0.27));
    EXPECT_EQ(grid().ColAlignment(0), ui::CellAlignment::Center);
    EXPECT_EQ(grid().ColAlignment(1), ui::CellAlignment::Left);
    EXPECT_FALSE(std::filesystem::exists(folder / " 2005.Mnu"));
}

TEST_F(PrintViewPanelTest, AnEmptyCountBecomesOneAndACountAbove31Becomes31AtOnce) {
    save({2004, 12, 21}, {{7, "Soup"}});
    chooseRange("");
    click(*panel.Command5);
    EXPECT_EQ(panel.Combo5->Text(), "1");
    EXPECT_EQ(column(0), (std::vector<std::string>{"Day", "Mon - Dec 20, 2004", "Tue - Dec 21, 2004"}));

    panel.Combo5->userEdited("45");
    EXPECT_EQ(panel.Combo5->Text(), "31");
    // 0: the day alone, which was never saved.
    panel.Combo5->userEdited("0");
    desktop.dialogs.expectMessage("View", OK);
    click(*panel.Command5);
    EXPECT_EQ(lastMessage(), "There are no enteries to view.");
    EXPECT_FALSE(grid().Visible());
}

TEST_F(PrintViewPanelTest, CurrentDateOnly) {
    // Nothing typed: nothing to view.
    desktop.dialogs.expectMessage("Print", OK);
    click(*panel.Command5);
    EXPECT_EQ(lastMessage(), "There are no Entries to view.");

    // Typed but never saved.
    window.boxes[3] = "Eggs";
    desktop.dialogs.expectMessage("View", OK);
    click(*panel.Command5);
    EXPECT_EQ(lastMessage(), "There are no enteries to view.");
    EXPECT_FALSE(grid().Visible());
    EXPECT_EQ(window.calls, std::vector<std::string>{"view shown"}) << "the day's commands go off either way";

    save({2004, 12, 20}, {{3, "Eggs"}});
    click(*panel.Command5);
    EXPECT_TRUE(grid().Visible());
    EXPECT_EQ(column(0), (std::vector<std::string>{"Day", "Mon - Dec 20, 2004"}));
    EXPECT_EQ(grid().TextMatrix(1, 1), "Eggs\r");
    EXPECT_EQ(grid().RowHeight(1), 224);
}

TEST_F(PrintViewPanelTest, AShownViewFollowsTheOtherOptionAndAPickedCount) {
    save({2004, 12, 20}, {{0, "Eggs"}});
    window.boxes[0] = "Eggs";
    click(*panel.Command5);
    ASSERT_EQ(grid().Rows(), 2);

    click(*panel.SSOption1[1]);
    EXPECT_EQ(grid().Rows(), 3) << "the range of the day and one more";
    runtime().userClick(*panel.Combo5);
    panel.Combo5->userChose(4);  // "5"
    EXPECT_EQ(grid().Rows(), 7);
    click(*panel.SSOption1[0]);
    EXPECT_EQ(grid().Rows(), 2);
    EXPECT_FALSE(panel.Combo5->Enabled());
}

TEST_F(PrintViewPanelTest, PrintAndCloseGoToTheWindow) {
    // The day alone with every box blank: nothing to print.
    window.boxes[5] = "   ";
    desktop.dialogs.expectMessage("Print", OK);
    click(*panel.Command6);
    EXPECT_EQ(lastMessage(), "There are no Entries to print.");
    EXPECT_TRUE(window.calls.empty());
    // A range prints whatever the boxes hold.
    click(*panel.SSOption1[1]);
    click(*panel.Command6);
    EXPECT_EQ(window.calls, std::vector<std::string>{"print"});
    click(*panel.Command13);
    EXPECT_FALSE(panel.isOpen());
    EXPECT_FALSE(panel.SSPanel3->Visible());
    EXPECT_EQ(window.calls, (std::vector<std::string>{"print", "closed"}));
}

TEST_F(PrintViewPanelTest, ThePrintoutIsTheLayoutOfThePanelsChoice) {
    ui::PrintDocument doc{desktop.printer};
    printing::PrintFontSettings font;
    font.PrintFontName = "Times New Roman";
    font.PrintFontSize = 12;
    const MenuPrintSetup setup{.familyName = "", .printedOn = {2004, 12, 20}};
    auto texts = [&] {
        std::vector<std::string> all;
        for (const auto& page : doc.pages())
            for (const auto& run : page.runs) all.push_back(run.text);
        return all;
    };

    desktop.dialogs.expectMessage("Print", OK);
    panel.RenderPrintout(doc, font, setup);
    EXPECT_EQ(lastMessage(), "There are no Entries to print.") << "the day was never saved";
    EXPECT_FALSE(doc.building());

    save({2004, 12, 20}, {{0, "Eggs"}});
    panel.RenderPrintout(doc, font, setup);
    EXPECT_EQ(texts().size(), 7u);
    EXPECT_EQ(texts()[2], " Monday - December 20, 2004");

    chooseRange("2");
    panel.RenderPrintout(doc, font, setup);
    EXPECT_EQ(texts().back(), "No menu items were found for this date.");
    EXPECT_EQ(texts()[texts().size() - 2], " Wednesday - December 22, 2004");
}

TEST_F(PrintViewPanelTest, NoDayLoadedShowsNothing) {
    window.day.reset();
    chooseRange("3");
    desktop.dialogs.expectMessage("View", OK);
    click(*panel.Command5);
    EXPECT_EQ(lastMessage(), "There are no enteries to view.");
    EXPECT_FALSE(grid().Visible());
}

}  // namespace
}  // namespace menu_planner
