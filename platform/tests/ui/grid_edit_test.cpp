// An editable grid: which cells the user may edit, the events a start and an
// edit raise, a program that changes or refuses the text, Esc, and the order
// Tab takes through the cells.
#include <gtest/gtest.h>

#include "platform/testing/cell_editing.h"
#include "platform/tests/ui/sample_form.h"
#include "platform/ui/keys.h"

namespace ui::testing {
namespace {

using Log = std::vector<std::string>;
using platform::testing::EditCell;

// A shopping list: what to buy, how much, and the aisle the program fills in.
class GridEditTest : public ::testing::Test {
protected:
    Desk desk;
    platform::Runtime& rt = desk.runtime;
    SampleForm form{rt};
    Grid& grid = form.add<Grid>("grdList");

    GridEditTest() {
        grid.setCols(3);
        grid.setTextMatrix(0, 0, "Item");
        grid.setTextMatrix(0, 1, "Amount");
        grid.setTextMatrix(0, 2, "Aisle");
        grid.AddRow({"flour", "2 lb", "4"});
        grid.AddRow({"eggs", "12", "9"});
        grid.setEditable(true);
        grid.setColEditable(2, false);
        grid.onGotFocus = [this] { form.log.push_back("GotFocus"); };
        grid.onBeforeEdit = [this](int row, int col, bool&) { log("BeforeEdit", row, col); };
        grid.onEditCell = [this](int row, int col, std::string& text, bool&) { log("EditCell " + text, row, col); };
        form.Show();
        form.ok->SetFocus();
        form.log.clear();
    }

    void log(const std::string& event, int row, int col) {
        form.log.push_back(event + " " + std::to_string(row) + "," + std::to_string(col));
    }
};

TEST_F(GridEditTest, OnlyBodyCellsOfEditableColumnsOfAnEditableGridTakeAnEdit) {
    EXPECT_TRUE(grid.CellEditable(1, 0));
    EXPECT_TRUE(grid.CellEditable(2, 1));
    EXPECT_FALSE(grid.CellEditable(1, 2)) << "a column the program fills";
    EXPECT_FALSE(grid.CellEditable(0, 0)) << "the header";
    EXPECT_FALSE(grid.CellEditable(3, 0)) << "below the last row";
    EXPECT_FALSE(grid.CellEditable(1, 3)) << "beside the last column";
    EXPECT_FALSE(grid.ColEditable(7));

    EXPECT_FALSE(grid.userBeganEdit(1, 2));
    EXPECT_FALSE(grid.userBeganEdit(0, 1));
    grid.setEditable(false);
    EXPECT_FALSE(grid.userBeganEdit(1, 0));
    EXPECT_FALSE(grid.EditingCell());
    EXPECT_TRUE(form.log.empty()) << "a refused start raises nothing";

    EXPECT_FALSE(form.add<Grid>("grdNew").Editable()) << "a new grid is a list to read";
}

TEST_F(GridEditTest, TypingIntoACellFocusesEditsAndKeepsTheText) {
    ASSERT_TRUE(grid.userBeganEdit(2, 1));
    EXPECT_EQ(rt.focusedControl(), &grid);
    EXPECT_EQ(grid.EditingCell(), (GridCell{2, 1}));
    EXPECT_EQ(grid.Row(), 2) << "the cell edited is the current one";
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_TRUE(grid.userEditedCell("18"));
    EXPECT_EQ(grid.TextMatrix(2, 1), "18");
    EXPECT_FALSE(grid.EditingCell());
    EXPECT_EQ(form.log, (Log{"OK.LostFocus", "GotFocus", "BeforeEdit 2,1", "EditCell 18 2,1"}));

    // The same text again is no edit: the editing ends without an event.
    form.log.clear();
    EXPECT_TRUE(EditCell(grid, 2, 1, "18"));
    EXPECT_EQ(form.log, (Log{"BeforeEdit 2,1"}));
    EXPECT_FALSE(grid.userEditedCell("19")) << "nothing is being edited";
    EXPECT_EQ(grid.TextMatrix(2, 1), "18");
}

TEST_F(GridEditTest, EscKeepsTheCellAsItWas) {
    ASSERT_TRUE(grid.userBeganEdit(1, 0));
    grid.userCancelledEdit();
    EXPECT_FALSE(grid.EditingCell());
    EXPECT_FALSE(grid.userEditedCell("rye flour"));
    EXPECT_EQ(grid.TextMatrix(1, 0), "flour");
    EXPECT_EQ(form.log, (Log{"OK.LostFocus", "GotFocus", "BeforeEdit 1,0"}));
}

TEST_F(GridEditTest, TheProgramMayChangeOrRefuseTheTextOrTheStart) {
    grid.onEditCell = [](int, int col, std::string& text, bool& cancel) {
        if (col == 1 && text.find_first_not_of("0123456789 lbozg") != std::string::npos) cancel = true;
        if (col == 0) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    };
    EXPECT_TRUE(EditCell(grid, 1, 0, "rye flour"));
    EXPECT_EQ(grid.TextMatrix(1, 0), "Rye flour");

    // A refused text leaves the cell as it was and the editing going on, for the user to mend.
    ASSERT_TRUE(grid.userBeganEdit(1, 1));
    EXPECT_FALSE(grid.userEditedCell("lots"));
    EXPECT_EQ(grid.TextMatrix(1, 1), "2 lb");
    EXPECT_EQ(grid.EditingCell(), (GridCell{1, 1}));
    EXPECT_TRUE(grid.userEditedCell("3 lb"));
    EXPECT_EQ(grid.TextMatrix(1, 1), "3 lb");

    // A handler that fails refuses too; the failure is reported and the program goes on.
    desk.desktop.dialogs.expectFailure("Sample.grdList_EditCell");
    grid.onEditCell = [](int, int, std::string&, bool&) { throw std::runtime_error("disk full"); };
    ASSERT_TRUE(grid.userBeganEdit(2, 0));
    EXPECT_FALSE(grid.userEditedCell("duck eggs"));
    EXPECT_EQ(grid.TextMatrix(2, 0), "eggs");

    // BeforeEdit may keep a cell from editing (a total the program keeps).
    grid.userCancelledEdit();
    grid.onBeforeEdit = [](int row, int, bool& cancel) { cancel = row == 2; };
    EXPECT_FALSE(grid.userBeganEdit(2, 1));
    EXPECT_FALSE(grid.EditingCell());
    EXPECT_TRUE(grid.userBeganEdit(1, 1));
}

TEST_F(GridEditTest, AHiddenGridOrAFocusHandlerThatDisablesItTakesNoEdit) {
    grid.onGotFocus = [this] { grid.setEnabled(false); };
    EXPECT_FALSE(grid.userBeganEdit(1, 0));
    EXPECT_FALSE(grid.EditingCell());
    grid.setEnabled(true);
    grid.setVisible(false);
    EXPECT_FALSE(grid.userBeganEdit(1, 0));
}

TEST_F(GridEditTest, ChangesToTheRowsEndTheEditing) {
    const std::vector<std::function<void()>> changes = {
        [this] { grid.RemoveRow(1); },   [this] { grid.setRows(1); },         [this] { grid.setCols(1); },
        [this] { grid.Sort(0, false); }, [this] { grid.setEditable(false); }, [this] { grid.setColEditable(1, false); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        grid.setRows(1);
        grid.setCols(3);
        grid.AddRow({"flour", "2 lb", "4"});
        grid.AddRow({"eggs", "12", "9"});
        grid.setEditable(true);
        grid.setColEditable(1, true);
        ASSERT_TRUE(grid.userBeganEdit(1, 1)) << i;
        changes[i]();
        EXPECT_FALSE(grid.EditingCell()) << "change " << i;
        EXPECT_FALSE(grid.userEditedCell("5 lb")) << "change " << i;
    }
    // Rows and columns added, or rows taken below, leave the cell where it is.
    grid.setCols(2);
    grid.setRows(3);
    grid.setEditable(true);
    ASSERT_TRUE(grid.userBeganEdit(1, 0));
    grid.AddRow({"milk"});
    grid.setCols(3);
    grid.RemoveRow(3);
    grid.setTextMatrix(2, 0, "oat milk");
    EXPECT_EQ(grid.EditingCell(), (GridCell{1, 0}));
}

TEST_F(GridEditTest, TabGoesThroughTheEditableCellsInReadingOrder) {
    // Item and Amount editable, Aisle not: Tab passes over it to the next row.
    struct Case {
        GridCell from;
        bool backwards;
        std::optional<GridCell> next;
    };
    const Case cases[] = {
        {{1, 0}, false, GridCell{1, 1}}, {{1, 1}, false, GridCell{2, 0}}, {{2, 1}, false, std::nullopt},
        {{2, 0}, true, GridCell{1, 1}},  {{1, 0}, true, std::nullopt},    {{0, 2}, false, GridCell{1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.NextEditableCell(c.from.row, c.from.col, c.backwards), c.next)
            << c.from.row << "," << c.from.col << (c.backwards ? " Shift+Tab" : " Tab");

    // A whole list typed with the keyboard alone: each Tab keeps the text and goes on.
    std::optional<GridCell> at = GridCell{1, 0};
    const char* typed[] = {"bread flour", "5 lb", "duck eggs", "6"};
    for (const char* text : typed) {
        ASSERT_TRUE(at);
        ASSERT_TRUE(EditCell(grid, at->row, at->col, text));
        at = grid.NextEditableCell(at->row, at->col);
    }
    EXPECT_FALSE(at) << "past the last cell Tab leaves the grid";
    EXPECT_EQ(grid.TextMatrix(1, 0), "bread flour");
    EXPECT_EQ(grid.TextMatrix(1, 1), "5 lb");
    EXPECT_EQ(grid.TextMatrix(2, 0), "duck eggs");
    EXPECT_EQ(grid.TextMatrix(2, 1), "6");
    EXPECT_EQ(grid.TextMatrix(2, 2), "9") << "the aisle is the program's";
}

TEST_F(GridEditTest, EnterAndEscapeGoToTheCellBeingEditedNotTheFormsButtons) {
    form.ok->setDefault(true);
    form.cancel->setCancel(true);
    ASSERT_TRUE(grid.userBeganEdit(1, 0));
    form.log.clear();
    EXPECT_FALSE(rt.userKeyDown(form, keys::Return, 0)) << "the editor's own";
    EXPECT_FALSE(rt.userKeyDown(form, keys::Escape, 0));
    EXPECT_TRUE(form.log.empty());
    grid.userCancelledEdit();
    EXPECT_FALSE(rt.userKeyDown(form, keys::Return, 0)) << "Enter starts editing an editable current cell";
    EXPECT_TRUE(rt.userKeyDown(form, keys::Escape, 0)) << "Esc outside an edit is the cancel button's";
    grid.setCol(2);
    EXPECT_TRUE(rt.userKeyDown(form, keys::Return, 0))
        << "a cell the program fills lets Enter press the default button";
    EXPECT_EQ(form.log, (Log{"Cancel.Click", "OK.Click"}));
}

}  // namespace
}  // namespace ui::testing
