// A grid on the screen: tens of thousands of rows filled one at a time show
// once the event loop turns; presses, double clicks, arrow keys and header
// clicks reach the model as its events; the model's current row shows as the
// selection, and a drag of the scroll box shows the grid's tip.
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include "platform/qt/qt_text.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class GridViewTest : public QtFormTest {
protected:
    static constexpr int BodyRows = 30000;

    GridViewTest() {
        // Room for the grid where the panel and the frame were.
        form->panel->setVisible(false);
        form->kinds->setVisible(false);
        grid = &form->add<ui::Grid>("grdFound");
        grid->Move(240, 600, 5400, 1500);
        grid->setCols(2);
        grid->setTextMatrix(0, 0, "Recipe");
        grid->setTextMatrix(0, 1, "Minutes");
        grid->setColWidth(0, 3000);
        grid->setColAlignment(1, ui::CellAlignment::Right);
        grid->setAccessibleName("Recipes found");
        auto log = [this](const std::string& event) {
            form->log.push_back(event + " @" + std::to_string(grid->Row()) + "," + std::to_string(grid->Col()));
        };
        grid->onGotFocus = [log] { log("GotFocus"); };
        grid->onMouseDown = [log](int, int, double, double) { log("MouseDown"); };
        grid->onClick = [log] { log("Click"); };
        grid->onDblClick = [log] { log("DblClick"); };
        grid->onBeforeSort = [log](int col) { log("BeforeSort " + std::to_string(col)); };
        grid->onAfterSort = [log](int col) { log("AfterSort " + std::to_string(col)); };
    }

    // Rows "Recipe 0" to "Recipe n-1", the minutes counting down, added one at a time.
    void fill(int rows) {
        for (int i = 0; i < rows; ++i) grid->AddRow({"Recipe " + std::to_string(i), std::to_string(rows - i)});
    }

    QTableView* table() const { return widget<QTableView>("grdFound"); }
    QString shown(int row, int col) const { return table()->model()->index(row, col).data().toString(); }
    QPoint cellAt(int row, int col) const { return table()->visualRect(table()->model()->index(row, col)).center(); }
    void clickHeader(int col) const {
        QHeaderView* header = table()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    ui::Grid* grid;
};

TEST_F(GridViewTest, ARowOfItsOwnHeightShowsItsCellsLinesAndGoesBackToTheTablesHeight) {
    showWithFocusIn(*form->shelf);
    fill(3);
    grid->setTextMatrix(2, 0, "Toast\rTea\r");
    grid->setRowHeight(2, 900);
    QCoreApplication::processEvents();
    const int normal = table()->rowHeight(0);
    EXPECT_EQ(table()->rowHeight(1), ToPixels(900));
    EXPECT_EQ(shown(1, 0), "Toast\nTea\n");
    grid->setRowHeight(2, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(table()->rowHeight(1), normal);
}

TEST_F(GridViewTest, RowsFilledOneAtATimeShowWithTheirHeaderWidthsAndAlignment) {
    showWithFocusIn(*form->shelf);
    fill(BodyRows);
    QCoreApplication::processEvents();
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->model()->rowCount(), BodyRows);
    EXPECT_EQ(table()->model()->columnCount(), 2);
    EXPECT_EQ(table()->model()->headerData(1, Qt::Horizontal).toString(), "Minutes");
    EXPECT_EQ(shown(BodyRows - 1, 0), "Recipe 29999");
    EXPECT_EQ(table()->columnWidth(0), ToPixels(3000));
    EXPECT_EQ(table()->accessibleName(), "Recipes found");
    EXPECT_EQ(
        table()->model()->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
        Qt::AlignRight);

    // Rows that go and a cell that changes show too.
    grid->setRows(3);
    grid->setTextMatrix(2, 1, "45");
    QCoreApplication::processEvents();
    EXPECT_EQ(table()->model()->rowCount(), 2);
    EXPECT_EQ(shown(1, 1), "45");
}

TEST_F(GridViewTest, PressesDoubleClicksAndArrowKeysReachTheModel) {
    fill(50);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, cellAt(2, 1));
    EXPECT_EQ(form->log, (Log{"GotFocus @0,0", "MouseDown @3,1", "Click @3,1"}));
    EXPECT_EQ(runtime.focusedControl(), grid);

    form->log.clear();
    QTest::keyClick(table(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4) << "an arrow key moves the current cell";
    DoubleClick(table()->viewport(), cellAt(0, 0));
    EXPECT_EQ(form->log, (Log{"Click @4,1", "MouseDown @1,0", "Click @1,0", "DblClick @1,0"}))
        << "the arrow key chooses its row; the second press of the double click is none of its own";
}

TEST_F(GridViewTest, TheKeyboardChoosesAndOpensARowAndTabLeavesTheGrid) {
    // A form without a default button, as the recipe window, whose Enter would press it.
    form->ok->setDefault(false);
    for (const auto& control : form->controls()) control->setTabIndex(50);
    form->shelf->setTabIndex(0);
    grid->setTabIndex(1);
    form->ok->setTabIndex(2);
    fill(5);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(runtime.focusedControl(), grid);
    EXPECT_FALSE(table()->currentIndex().isValid()) << "entering the grid chooses no row";
    QTest::keyClick(table(), Qt::Key_Down);  // the first row
    QTest::keyClick(table(), Qt::Key_Down);
    QTest::keyClick(table(), Qt::Key_Return);
    EXPECT_EQ(form->log, (Log{"GotFocus @0,0", "Click @1,0", "Click @2,0", "Click @2,0", "DblClick @2,0"}));
    EXPECT_TRUE(table()->selectionModel()->isRowSelected(1, {}));

    QTest::keyClick(table(), Qt::Key_Tab);
    EXPECT_EQ(runtime.focusedControl(), form->ok) << "Tab leaves the grid";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(runtime.focusedControl(), grid);
    QTest::keyClick(table(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(runtime.focusedControl(), form->shelf);
    EXPECT_EQ(grid->Row(), 2) << "the chosen row stays";

    // A row the program made current is chosen by a key that stays on it.
    grid->setRows(2);
    grid->setRow(1);
    grid->SetFocus();
    QCoreApplication::processEvents();
    form->log.clear();
    QTest::keyClick(table(), Qt::Key_Down);
    EXPECT_EQ(form->log, Log{"Click @1,0"});
}

TEST_F(GridViewTest, AColumnOfIndexEntriesShowsAndReadsTheNamesOnly) {
    grid->setColShownLength(0, 52);
    const std::string entry = "Apple Crisp" + std::string(41, ' ') + "7";
    grid->AddRow({entry, "30"});
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(0, 0), "Apple Crisp");
    EXPECT_EQ(shown(0, 1), "30");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(table());
    ASSERT_NE(reader, nullptr);
    ASSERT_NE(reader->tableInterface(), nullptr);
    EXPECT_EQ(reader->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), "Apple Crisp");
    EXPECT_EQ(grid->TextMatrix(1, 0), entry) << "the program reads the record number";
}

TEST_F(GridViewTest, AHeaderClickSortsTheRowsAndASecondTurnsTheOrder) {
    fill(BodyRows);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    clickHeader(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->log, (Log{"GotFocus @0,0", "BeforeSort 1 @0,0", "AfterSort 1 @0,0"}))
        << "a click on the header is a click on the grid: it takes the focus";
    // Text order: "1", "10", "100", "1000", "10000", "10001"...
    EXPECT_EQ(grid->TextMatrix(1, 1), "1");
    EXPECT_EQ(grid->TextMatrix(2, 1), "10");
    EXPECT_EQ(shown(1, 1), "10");
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorSection(), 1);
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);

    clickHeader(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->TextMatrix(1, 1), "9999");
    EXPECT_EQ(shown(0, 1), "9999");
    EXPECT_EQ(table()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(GridViewTest, TheCurrentRowShowsSelectedOnlyWhileHighlightIsOn) {
    fill(BodyRows);
    grid->SelectRow(20000);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    ASSERT_EQ(table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table()->selectionModel()->selectedRows()[0].row(), 19999);
    EXPECT_EQ(table()->rowAt(table()->visualRect(table()->model()->index(19999, 0)).center().y()), 19999)
        << "brought into sight";

    grid->setHighlight(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(table()->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(table()->currentIndex().row(), 19999);
}

TEST_F(GridViewTest, APressOrSpaceSelectsACellButTheArrowKeysOnlyMoveThere) {
    fill(5);
    grid->setSelectionMode(ui::GridSelection::Cell);
    grid->onSelectCell = [this](int row, int col) {
        form->log.push_back("SelectCell " + std::to_string(row) + "," + std::to_string(col));
    };
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, cellAt(1, 1));
    QTest::keyClick(table(), Qt::Key_Left);
    QTest::keyClick(table(), Qt::Key_Space);
    EXPECT_EQ(form->log, (Log{"GotFocus @0,0", "MouseDown @2,1", "SelectCell 2,1", "Click @2,1", "Click @2,0",
                              "SelectCell 2,0", "Click @2,0"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(table()->selectionModel()->selectedIndexes().size(), 1) << "the cell alone shows selected";
    EXPECT_EQ(table()->selectionModel()->selectedIndexes()[0], table()->model()->index(1, 0));
}

TEST_F(GridViewTest, CellColoursAndAHeaderOfSeveralLinesShow) {
    fill(3);
    grid->setCellBackColor(2, 0, ui::colors::PureRed);
    grid->setCellForeColor(2, 1, ui::colors::White);
    grid->setTextMatrix(0, 1, "Last\rAction\rDate");
    grid->setHeaderHeight(900);
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    EXPECT_EQ(table()->model()->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(table()->model()->index(1, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 255, 255));
    EXPECT_FALSE(table()->model()->index(0, 0).data(Qt::BackgroundRole).isValid()) << "the grid's own colour";
    EXPECT_EQ(table()->model()->headerData(1, Qt::Horizontal).toString(), "Last\nAction\nDate");
    EXPECT_EQ(table()->horizontalHeader()->height(), ToPixels(900));

    grid->setCellBackColor(2, 0, std::nullopt);
    grid->RemoveRow(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(table()->model()->rowCount(), 2);
    EXPECT_FALSE(table()->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
}

TEST_F(GridViewTest, DraggingTheScrollBoxShowsTheTipForTheTopRow) {
    fill(1000);
    grid->onScrollTip = [this](int row) { return "Up to " + grid->TextMatrix(row, 0); };
    showWithFocusIn(*form->shelf);
    QCoreApplication::processEvents();
    QScrollBar* bar = table()->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(500);
    EXPECT_EQ(QToolTip::text(), "Up to Recipe 500");
    bar->setSliderDown(false);
}

}  // namespace
}  // namespace platform::qt::testing
