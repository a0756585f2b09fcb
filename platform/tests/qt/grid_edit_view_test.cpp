// An editable grid on the screen, used with the keyboard alone: F2, Enter or
// a typed character opens an editor over the cell, named by its column's
// heading; Enter keeps the text, Esc drops it, a refused text stays for the
// user to mend, Tab goes on through the editable cells and out of the grid,
// and the form's default and cancel buttons stay out of it.
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "platform/qt/qt_text.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class GridEditViewTest : public QtFormTest {
protected:
    GridEditViewTest() {
        form->panel->setVisible(false);
        form->kinds->setVisible(false);
        for (const auto& control : form->controls()) control->setTabIndex(50);
        form->shelf->setTabIndex(0);
        grid = &form->add<ui::Grid>("grdList");
        grid->setTabIndex(1);
        form->ok->setTabIndex(2);
        grid->Move(240, 600, 5400, 1500);
        grid->setCols(3);
        grid->setTextMatrix(0, 0, "Item");
        grid->setTextMatrix(0, 1, "Amount\rto buy");
        grid->setTextMatrix(0, 2, "Aisle");
        grid->AddRow({"flour", "2 lb", "4"});
        grid->AddRow({"eggs", "12", "9"});
        grid->setEditable(true);
        grid->setColEditable(2, false);
        grid->onEditCell = [this](int row, int col, std::string& text, bool& cancel) {
            form->log.push_back("EditCell " + std::to_string(row) + "," + std::to_string(col) + " " + text);
            cancel = text == "lots";
        };
        showWithFocusIn(*grid);
        QCoreApplication::processEvents();
    }

    QTableView* table() const { return widget<QTableView>("grdList"); }
    // The editor open over a cell, if any: it has the keyboard.
    QLineEdit* editor() const { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }
    void moveTo(int row, int col) {
        grid->setRow(row);
        grid->setCol(col);
        QCoreApplication::processEvents();
    }

    ui::Grid* grid;
};

TEST_F(GridEditViewTest, F2OpensAnEditorNamedByTheHeadingAndEnterKeepsTheText) {
    moveTo(2, 1);
    key(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->accessibleName(), "Amount to buy") << "a screen reader names the column";
    EXPECT_EQ(editor()->text(), "12");
    EXPECT_EQ(grid->EditingCell(), (ui::GridCell{2, 1}));
    editor()->selectAll();
    QTest::keyClicks(editor(), "18");
    key(Qt::Key_Return);
    EXPECT_EQ(grid->TextMatrix(2, 1), "18");
    EXPECT_EQ(editor(), nullptr) << "the editor closed";
    EXPECT_EQ(QApplication::focusWidget(), table()) << "the keyboard back on the grid";
    EXPECT_EQ(table()->model()->index(1, 1).data().toString(), "18");
    EXPECT_EQ(form->log, (Log{"EditCell 2,1 18"})) << "Enter pressed no default button";
}

TEST_F(GridEditViewTest, EscDropsTheTextAndPressesNoCancelButton) {
    moveTo(1, 0);
    key(Qt::Key_Return);  // Enter starts editing, too
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), " and bran");
    key(Qt::Key_Escape);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(grid->TextMatrix(1, 0), "flour");
    EXPECT_FALSE(grid->EditingCell());
    EXPECT_TRUE(form->log.empty());
    EXPECT_TRUE(form->Visible());
}

TEST_F(GridEditViewTest, ARefusedTextStaysInTheEditorForTheUserToMend) {
    moveTo(1, 1);
    key(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    editor()->setText("lots");
    key(Qt::Key_Return);
    ASSERT_NE(editor(), nullptr) << "still open";
    EXPECT_EQ(editor()->text(), "lots");
    EXPECT_EQ(grid->TextMatrix(1, 1), "2 lb");
    editor()->setText("3 lb");
    key(Qt::Key_Return);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(grid->TextMatrix(1, 1), "3 lb");
    EXPECT_EQ(form->log, (Log{"EditCell 1,1 lots", "EditCell 1,1 3 lb"}));
}

TEST_F(GridEditViewTest, TypingStartsAnEditAndTabGoesOnThroughTheEditableCellsThenOut) {
    moveTo(1, 0);
    QTest::keyClicks(table(), "r");  // a typed character starts editing with it
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), "ye");
    EXPECT_EQ(editor()->text(), "rye");
    key(Qt::Key_Tab);
    ASSERT_NE(editor(), nullptr) << "on to Amount";
    EXPECT_EQ(editor()->accessibleName(), "Amount to buy");
    EXPECT_EQ(editor()->text(), "2 lb");
    key(Qt::Key_Tab);  // past Aisle, which the program fills, to the next row
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(grid->EditingCell(), (ui::GridCell{2, 0}));
    key(Qt::Key_Tab, Qt::ShiftModifier);  // back again
    EXPECT_EQ(grid->EditingCell(), (ui::GridCell{1, 1}));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(grid->EditingCell(), (ui::GridCell{2, 1}));
    editor()->setText("6");
    key(Qt::Key_Tab);  // the last editable cell: out of the grid
    EXPECT_EQ(editor(), nullptr);
    EXPECT_FALSE(grid->EditingCell());
    EXPECT_EQ(runtime.focusedControl(), form->ok);
    EXPECT_EQ(grid->TextMatrix(1, 0), "rye");
    EXPECT_EQ(grid->TextMatrix(2, 1), "6");
    EXPECT_EQ(form->log, (Log{"EditCell 1,0 rye", "EditCell 2,1 6", "cmdOK.GotFocus"}))
        << "unchanged cells raise nothing";
}

TEST_F(GridEditViewTest, AColumnTheProgramFillsOpensNoEditor) {
    moveTo(1, 2);
    key(Qt::Key_F2);
    EXPECT_EQ(editor(), nullptr);
    QTest::keyClicks(table(), "7");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(grid->TextMatrix(1, 2), "4");
    EXPECT_FALSE(table()->model()->flags(table()->model()->index(0, 2)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(table()->model()->flags(table()->model()->index(0, 1)).testFlag(Qt::ItemIsEditable));
}

TEST_F(GridEditViewTest, LeavingTheCellKeepsTheTextAndRowsTakenAwayCloseTheEditor) {
    moveTo(1, 0);
    key(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    editor()->setText("bread flour");
    form->shelf->SetFocus();  // elsewhere, as a click on the box would
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->TextMatrix(1, 0), "bread flour");
    EXPECT_FALSE(grid->EditingCell());

    grid->SetFocus();
    moveTo(2, 0);
    key(Qt::Key_F2);
    ASSERT_NE(editor(), nullptr);
    grid->RemoveRow(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor(), nullptr);
    EXPECT_FALSE(grid->EditingCell());
}

}  // namespace
}  // namespace platform::qt::testing
