// The grid: its bounds, its cells, sorting, and the events the user's
// presses, arrow keys and header clicks raise, in the order a user's hand gives.
#include <gtest/gtest.h>

#include "platform/tests/ui/sample_form.h"

namespace ui::testing {
namespace {

using Log = std::vector<std::string>;

class GridTest : public ::testing::Test {
protected:
    Desk desk;
    platform::Runtime& rt = desk.runtime;
    SampleForm form{rt};
    Grid& grid = form.add<Grid>("grdFoods");

    GridTest() {
        grid.onGotFocus = [this] { log("GotFocus"); };
        grid.onMouseDown = [this](int button, int, double, double) { log("MouseDown " + std::to_string(button)); };
        grid.onClick = [this] { log("Click"); };
        grid.onDblClick = [this] { log("DblClick"); };
        grid.onBeforeSort = [this](int col) { log("BeforeSort " + std::to_string(col)); };
        grid.onAfterSort = [this](int col) { log("AfterSort " + std::to_string(col)); };
        form.Show();
        form.ok->SetFocus();
    }

    // Writes the event down with the current cell it sees.
    void log(const std::string& event) {
        form.log.push_back(event + " @" + std::to_string(grid.Row()) + "," + std::to_string(grid.Col()));
    }

    // A header and one body row for each name, with its shelf beside it.
    void fill(std::initializer_list<std::pair<const char*, const char*>> rows) {
        grid.setCols(2);
        grid.setTextMatrix(0, 0, "Food");
        grid.setTextMatrix(0, 1, "Shelf");
        for (const auto& [food, shelf] : rows) grid.AddRow({food, shelf});
        form.log.clear();
    }

    std::vector<std::string> column(int col) const {
        std::vector<std::string> shown;
        for (int row = 1; row < grid.Rows(); ++row) shown.push_back(grid.TextMatrix(row, col));
        return shown;
    }
};

TEST_F(GridTest, RowsAndColumnsKeepAtLeastOneAndCellsOutsideReadEmpty) {
    EXPECT_EQ(grid.Rows(), 1) << "the header row alone";
    EXPECT_EQ(grid.Cols(), 1);
    grid.setRows(0);
    grid.setCols(-3);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Cols(), 1);

    grid.setRows(3);
    grid.setCols(2);
    grid.setTextMatrix(2, 1, "jar");
    for (const auto& [row, col] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {99, 99}}) {
        grid.setTextMatrix(row, col, "lost");
        EXPECT_EQ(grid.TextMatrix(row, col), "") << row << "," << col;
    }
    EXPECT_EQ(grid.TextMatrix(2, 1), "jar");
    EXPECT_EQ(grid.TextMatrix(1, 1), "");

    // Shrinking drops the cells it cuts off and brings the current cell inside.
    grid.setRow(2);
    grid.setCol(1);
    grid.setRows(2);
    grid.setCols(1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 0);
    grid.setRows(3);
    grid.setCols(2);
    EXPECT_EQ(grid.TextMatrix(2, 1), "") << "a row that comes back comes back empty";
}

TEST_F(GridTest, AddRowAppendsOneRowCutOrPaddedToTheColumns) {
    grid.setCols(3);
    grid.AddRow({"flour", "1 kg", "pantry"});
    grid.AddRow({"salt"});
    grid.AddRow({"rice", "2 kg", "pantry", "spare cell"});
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(column(0), (Log{"flour", "salt", "rice"}));
    EXPECT_EQ(column(2), (Log{"pantry", "", "pantry"}));
    EXPECT_EQ(grid.TextMatrix(3, 3), "");
    EXPECT_EQ(grid.TextMatrix(0, 0), "") << "the header stays where it is";
}

TEST_F(GridTest, TheCurrentCellIgnoresPlacesOutsideTheGrid) {
    fill({{"rye", "top"}, {"oats", "low"}});
    grid.setRow(2);
    grid.setCol(1);
    grid.setRow(3);
    grid.setCol(-1);
    grid.SelectRow(-1);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
    grid.SelectRow(1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(form.log, Log{}) << "the program's own moves raise nothing";
}

TEST_F(GridTest, SortingIsStableAndWithoutRegardToCase) {
    struct Case {
        int col;
        bool ascending;
        Log foods;
    };
    // Shelves repeat: rows on the same shelf keep the order they had.
    const Case cases[] = {
        {0, true, {"apple", "Barley", "oats", "Rice", "rye"}},
        {0, false, {"rye", "Rice", "oats", "Barley", "apple"}},
        {1, true, {"Rice", "apple", "Barley", "rye", "oats"}},
        {1, false, {"oats", "Barley", "rye", "Rice", "apple"}},
    };
    for (const Case& c : cases) {
        Grid& g = form.add<Grid>("grdSorted");
        g.setCols(2);
        g.setTextMatrix(0, 0, "Food");
        for (const auto& [food, shelf] :
             {std::pair{"Rice", "Bin"}, {"Barley", "jar"}, {"oats", "SACK"}, {"rye", "Jar"}, {"apple", "bin"}})
            g.AddRow({food, shelf});
        g.Sort(c.col, c.ascending);
        Log foods;
        for (int row = 1; row < g.Rows(); ++row) foods.push_back(g.TextMatrix(row, 0));
        EXPECT_EQ(foods, c.foods) << c.col << (c.ascending ? " ascending" : " descending");
        EXPECT_EQ(g.TextMatrix(0, 0), "Food") << "the header never moves";
        EXPECT_EQ(g.SortedCol(), c.col);
        EXPECT_EQ(g.SortedAscending(), c.ascending);
    }
}

TEST_F(GridTest, TheCurrentRowFollowsItsRowThroughASortAndStaysInside) {
    fill({{"rye", "top"}, {"Oats", "low"}, {"barley", "top"}});
    grid.SelectRow(1);
    grid.Sort(0, true);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.TextMatrix(grid.Row(), 0), "rye");
    grid.SelectRow(0);
    grid.Sort(0, false);
    EXPECT_EQ(grid.Row(), 0) << "the header row stays current";
    grid.Sort(5, true);
    EXPECT_EQ(grid.SortedCol(), 0) << "a column outside is ignored";

    grid.setRows(1);
    grid.Sort(0, true);  // no body rows at all
    EXPECT_EQ(grid.Row(), 0);
}

TEST_F(GridTest, RowDataTravelsWithItsRowThroughSortsAndResizes) {
    grid.setCols(2);
    grid.AddRow({"rye", "top"}, 30);
    grid.AddRow({"Oats", "low"}, 10);
    grid.AddRow({"barley", "top"});
    grid.setRowData(3, 20);
    grid.Sort(0, true);
    EXPECT_EQ((std::vector<long>{grid.RowData(1), grid.RowData(2), grid.RowData(3)}), (std::vector<long>{20, 10, 30}));
    grid.Sort(1, false);
    for (int row = 1; row < grid.Rows(); ++row) {
        const long expected = grid.TextMatrix(row, 0) == "rye" ? 30 : grid.TextMatrix(row, 0) == "Oats" ? 10 : 20;
        EXPECT_EQ(grid.RowData(row), expected) << grid.TextMatrix(row, 0);
    }
    EXPECT_EQ(grid.RowData(0), 0) << "the header carries nothing";
    EXPECT_EQ(grid.RowData(9), 0) << "outside the grid";
    grid.setRowData(9, 5);  // ignored
    grid.setRows(2);
    grid.setRows(4);
    EXPECT_EQ(grid.RowData(3), 0) << "a row made anew starts empty";
}

TEST_F(GridTest, ARowsOwnHeightTravelsWithItsRowAndANewRowHasTheGridsOwn) {
    grid.setCols(1);
    grid.AddRow({"rye"});
    grid.AddRow({"Oats"});
    grid.AddRow({"barley"});
    grid.setRowHeight(1, 600);
    grid.setRowHeight(3, -5);   // none below 0
    grid.setRowHeight(0, 900);  // the header's is HeaderHeight
    grid.setRowHeight(9, 900);  // outside
    EXPECT_EQ(grid.RowHeight(0), 0);
    EXPECT_EQ(grid.RowHeight(3), 0);
    EXPECT_EQ(grid.RowHeight(9), 0);
    grid.Sort(0, true);
    EXPECT_EQ((std::vector<int>{grid.RowHeight(1), grid.RowHeight(2), grid.RowHeight(3)}),
              (std::vector<int>{0, 0, 600}));
    grid.RemoveRow(1);
    EXPECT_EQ(grid.RowHeight(2), 600);
    grid.setRows(1);
    grid.setRows(3);
    EXPECT_EQ(grid.RowHeight(2), 0) << "a row made anew has the grid's height";
}

TEST_F(GridTest, APressOnACellFocusesMovesThereThenRaisesMouseDownAndClick) {
    fill({{"rye", "top"}, {"oats", "low"}});
    grid.userChoseCell(2, 1);
    EXPECT_EQ(form.log, (Log{"OK.LostFocus", "GotFocus @0,0", "MouseDown 1 @2,1", "Click @2,1"}));
    EXPECT_EQ(rt.focusedControl(), &grid);

    // A row reached with the arrow keys is chosen as a pressed one is, without a button going down.
    form.log.clear();
    grid.userMovedCell(1, 1);
    EXPECT_EQ(grid.Row(), 1);
    grid.userDoubleClickedCell(2, 0);
    // The header and places outside are no cells a user presses.
    grid.userChoseCell(0, 0);
    grid.userChoseCell(3, 0);
    grid.userMovedCell(1, 2);
    grid.userMovedCell(0, 0);
    EXPECT_EQ(form.log, (Log{"Click @1,1", "DblClick @2,0"}));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 0);
}

TEST_F(GridTest, SelectCellFollowsAPressOrTheKeyboardsPressButNeverAMoveOrTheProgram) {
    fill({{"rye", "top"}, {"oats", "low"}});
    grid.onSelectCell = [this](int row, int col) {
        log("SelectCell " + std::to_string(row) + "," + std::to_string(col));
    };
    grid.userChoseCell(2, 1);
    EXPECT_EQ(form.log,
              (Log{"OK.LostFocus", "GotFocus @0,0", "MouseDown 1 @2,1", "SelectCell 2,1 @2,1", "Click @2,1"}));

    form.log.clear();
    grid.userMovedCell(1, 0);  // an arrow key
    grid.setRow(2);            // the program
    grid.setCol(1);
    grid.userChoseCellByKey(1, 1);  // Space or Enter
    grid.userChoseCellByKey(0, 1);  // the header is no cell to pick
    EXPECT_EQ(form.log, (Log{"Click @1,0", "SelectCell 1,1 @1,1", "Click @1,1"}));

    // A handler that hides the grid (the entry box takes over) ends the press there.
    form.log.clear();
    grid.onSelectCell = [this](int, int) { grid.setVisible(false); };
    grid.userChoseCell(2, 0);
    EXPECT_EQ(form.log, (Log{"MouseDown 1 @2,0", "OK.GotFocus"}));
}

TEST_F(GridTest, RemovingARowMovesTheRowsBelowUpWithTheirDataAndColours) {
    fill({{"rye", "top"}, {"oats", "low"}, {"corn", "mid"}});
    grid.setRowData(3, 7);
    grid.setCellBackColor(3, 0, colors::PureRed);
    grid.setRow(3);
    grid.RemoveRow(2);
    EXPECT_EQ(column(0), (std::vector<std::string>{"rye", "corn"}));
    EXPECT_EQ(grid.RowData(2), 7);
    EXPECT_EQ(grid.CellBackColor(2, 0), colors::PureRed);
    EXPECT_EQ(grid.Row(), 2) << "the current row stays on its row";

    // The current row taken out: the one below it, or the last when none is.
    grid.RemoveRow(2);
    EXPECT_EQ(grid.Row(), 1);
    grid.RemoveRow(0);  // the header stays
    grid.RemoveRow(5);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Food");
}

TEST_F(GridTest, CellColoursAreTheCellsOwnMoveWhenSortedAndGoWithTheirRows) {
    fill({{"rye", "top"}, {"oats", "low"}});
    EXPECT_EQ(grid.CellBackColor(1, 0), std::nullopt) << "the grid's own colour";
    grid.setCellBackColor(1, 1, colors::PureRed);
    grid.setCellForeColor(1, 1, colors::White);
    grid.setCellBackColor(9, 9, colors::PureRed);  // outside: ignored
    grid.Sort(0, true);
    EXPECT_EQ(grid.CellBackColor(2, 1), colors::PureRed) << "rye sorts after oats";
    EXPECT_EQ(grid.CellForeColor(2, 1), colors::White);
    EXPECT_EQ(grid.CellBackColor(1, 1), std::nullopt);

    // A grid cut down and grown again starts with its own colours, and a
    // column added after a colour was set reads the grid's.
    grid.setCols(3);
    EXPECT_EQ(grid.CellBackColor(2, 2), std::nullopt);
    grid.setRows(1);
    grid.setRows(3);
    EXPECT_EQ(grid.CellBackColor(2, 1), std::nullopt);
    grid.setCellBackColor(2, 1, colors::Yellow);
    grid.setCellBackColor(2, 1, std::nullopt);
    EXPECT_EQ(grid.CellBackColor(2, 1), std::nullopt);
}

TEST_F(GridTest, AFocusHandlerThatDisablesTheGridCancelsThePress) {
    fill({{"rye", "top"}, {"oats", "low"}});
    grid.onGotFocus = [this] { grid.setEnabled(false); };
    grid.userChoseCell(2, 0);
    grid.userSortedColumn(0);
    grid.userMovedCell(2, 0);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(form.log, Log{"OK.LostFocus"});
    EXPECT_EQ(column(0), (Log{"rye", "oats"}));
}

TEST_F(GridTest, AGridThatIsNotSortableKeepsItsOrderOnAHeaderClick) {
    fill({{"rye", "top"}, {"Oats", "low"}});
    grid.onBeforeSort = [this](int) { form.log.push_back("BeforeSort"); };
    grid.setSortable(false);
    grid.userSortedColumn(0);
    EXPECT_EQ(column(0), (Log{"rye", "Oats"}));
    EXPECT_EQ(grid.SortedCol(), -1);
    EXPECT_EQ(form.log, Log{});
}

TEST_F(GridTest, AHeaderClickSortsBetweenBeforeAndAfterSortAndASecondTurnsTheOrder) {
    fill({{"rye", "top"}, {"Oats", "low"}, {"barley", "mid"}});
    grid.onBeforeSort = [this](int col) {
        form.log.push_back("BeforeSort " + std::to_string(col) + " " + column(0)[0]);
    };
    grid.onAfterSort = [this](int col) { form.log.push_back("AfterSort " + std::to_string(col) + " " + column(0)[0]); };
    grid.userSortedColumn(0);
    EXPECT_EQ(column(0), (Log{"barley", "Oats", "rye"}));
    grid.userSortedColumn(0);
    EXPECT_EQ(column(0), (Log{"rye", "Oats", "barley"}));
    grid.userSortedColumn(0);
    EXPECT_EQ(column(0), (Log{"barley", "Oats", "rye"})) << "a third click turns it back";
    grid.userSortedColumn(1);
    EXPECT_EQ(column(1), (Log{"low", "mid", "top"})) << "another column starts ascending";
    grid.userSortedColumn(2);  // no such column
    EXPECT_EQ(form.log, (Log{"BeforeSort 0 rye", "AfterSort 0 barley", "BeforeSort 0 barley", "AfterSort 0 rye",
                             "BeforeSort 0 rye", "AfterSort 0 barley", "BeforeSort 1 barley", "AfterSort 1 Oats"}));
}

TEST_F(GridTest, FailingHandlersAreReportedAndTheGridGoesOn) {
    fill({{"rye", "top"}, {"oats", "low"}});
    grid.onMouseDown = [](int, int, double, double) { throw std::runtime_error("no mouse"); };
    grid.onBeforeSort = [](int) { throw std::runtime_error("no sort"); };
    grid.onScrollTip = [](int row) -> std::string {
        if (row > 1) throw std::runtime_error("no tip");
        return "Row " + std::to_string(row);
    };
    desk.desktop.dialogs.expectFailure("Sample.grdFoods_MouseDown");
    desk.desktop.dialogs.expectFailure("Sample.grdFoods_BeforeSort");
    desk.desktop.dialogs.expectFailure("Sample.grdFoods_ScrollTip");
    grid.userChoseCell(2, 0);
    grid.userSortedColumn(0);
    EXPECT_EQ(grid.scrollTipFor(1), "Row 1");
    EXPECT_EQ(grid.scrollTipFor(2), "");
    ASSERT_EQ(desk.desktop.dialogs.failures().size(), 3u);
    EXPECT_EQ(desk.desktop.dialogs.failures()[0].reason, "no mouse");
    EXPECT_EQ(form.log, (Log{"OK.LostFocus", "GotFocus @0,0", "Click @2,0", "AfterSort 0 @1,0"}))
        << "the click, the sort and the current row go on";
    EXPECT_EQ(column(0), (Log{"oats", "rye"}));

    grid.onScrollTip = nullptr;
    EXPECT_EQ(grid.scrollTipFor(1), "");
}

TEST_F(GridTest, ColumnsKeepTheirWidthsAndAlignmentsAndThoseOutsideReadTheDefault) {
    grid.setCols(2);
    grid.setColWidth(1, 2400);
    grid.setColAlignment(1, CellAlignment::Right);
    grid.setHeaderAlignment(1, CellAlignment::Center);
    grid.setColWidth(5, 100);
    grid.setColAlignment(-1, CellAlignment::Right);
    EXPECT_EQ(grid.ColWidth(1), 2400);
    EXPECT_EQ(grid.ColWidth(0), Grid::DefaultColWidth);
    EXPECT_EQ(grid.ColWidth(5), Grid::DefaultColWidth);
    EXPECT_EQ(grid.ColAlignment(1), CellAlignment::Right);
    EXPECT_EQ(grid.HeaderAlignment(1), CellAlignment::Center);
    EXPECT_EQ(grid.ColAlignment(0), CellAlignment::Left);
    EXPECT_EQ(grid.ColAlignment(-1), CellAlignment::Left);
    grid.setColShownLength(1, 52);
    grid.setTextMatrix(0, 1, "Recipe Name");
    EXPECT_EQ(grid.ColShownLength(1), 52);
    EXPECT_EQ(grid.ColShownLength(0), 0) << "cells show whole";
    EXPECT_EQ(grid.TextMatrix(0, 1), "Recipe Name");
    grid.setCols(1);
    grid.setCols(2);
    EXPECT_EQ(grid.ColWidth(1), Grid::DefaultColWidth) << "a column that comes back starts afresh";
}

}  // namespace
}  // namespace ui::testing
