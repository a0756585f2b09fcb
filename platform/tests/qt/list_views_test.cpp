// List and combo boxes on the screen: the user's choices, typing and
// drop-downs reach the model as its events, the model's own changes show
// without coming back as the user's, and the form's keys still work.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "platform/ui/keys.h"
#include "sample_window.h"

namespace platform::qt::testing {
namespace {

using Log = std::vector<std::string>;

class ListViewsTest : public QtFormTest {
protected:
    ListViewsTest() {
        // Room for the boxes where the panel and the frame were.
        form->panel->setVisible(false);
        form->kinds->setVisible(false);
        foods = &form->add<ui::ListBox>("lstFoods");
        foods->Move(240, 600, 1800, 1500);
        unit = &form->add<ui::ComboBox>("cboUnit");
        unit->Move(2160, 600, 1500, 330);
        kind = &form->add<ui::ComboBox>("cboKind");
        kind->setStyle(ui::ComboStyle::DropDownList);
        kind->Move(2160, 1080, 1500, 330);
        amount = &form->add<ui::ComboBox>("cboAmount");
        amount->setStyle(ui::ComboStyle::SimpleCombo);
        amount->Move(3840, 600, 1800, 1500);
        for (const char* food : {"rye", "oats", "barley"}) foods->AddItem(food);
        for (const char* u : {"cup", "ounce", "pound"}) unit->AddItem(u);
        for (const char* k : {"Grains", "Dairy"}) kind->AddItem(k);
        for (const char* a : {"1/4", "1/2", "1"}) amount->AddItem(a);

        foods->onGotFocus = [this] { form->log.push_back("lst.GotFocus"); };
        foods->onClick = [this] { form->log.push_back("lst.Click " + std::to_string(foods->ListIndex())); };
        foods->onDblClick = [this] { form->log.push_back("lst.DblClick " + foods->Text()); };
        for (ui::ComboBox* box : {unit, kind, amount}) {
            box->onClick = [this, box] { form->log.push_back(box->name() + ".Click " + box->Text()); };
            box->onChange = [this, box] { form->log.push_back(box->name() + ".Change " + box->Text()); };
            box->onDropDown = [this, box] { form->log.push_back(box->name() + ".DropDown"); };
        }
    }

    QListWidget* foodList() const { return widget<QListWidget>("lstFoods"); }
    QComboBox* combo(const char* name) const { return widget<QComboBox>(name); }
    QPoint entryAt(QListWidget* list, int row) const { return list->visualItemRect(list->item(row)).center(); }
    void press(QListWidget* list, int row) const {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, entryAt(list, row));
    }
    QStringList entriesOf(QComboBox* box) const {
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
        return shown;
    }

    ui::ListBox* foods;
    ui::ComboBox* unit;
    ui::ComboBox* kind;
    ui::ComboBox* amount;
};

TEST_F(ListViewsTest, AListEntryChosenByMouseOrKeyboardIsTheModelsChoice) {
    showWithFocusIn(*form->shelf);
    press(foodList(), 1);
    press(foodList(), 1);  // the chosen entry again: a choice all the same
    QTest::keyClick(foodList(), Qt::Key_Down);
    QTest::keyClick(foodList(), Qt::Key_Down);  // past the last: nothing
    EXPECT_EQ(form->log, (Log{"lst.GotFocus", "lst.Click 1", "lst.Click 1", "lst.Click 2"}));
    EXPECT_EQ(foods->Text(), "barley");
    EXPECT_EQ(runtime.focusedControl(), foods);

    form->log.clear();
    DoubleClick(foodList()->viewport(), entryAt(foodList(), 0));
    EXPECT_EQ(form->log, (Log{"lst.Click 0", "lst.DblClick rye"})) << "the second press is no choice of its own";
}

TEST_F(ListViewsTest, TheModelsEntriesAndChoiceShowWithoutComingBackAsTheUsers) {
    showWithFocusIn(*foods);
    foods->setListIndex(2);
    EXPECT_EQ(foodList()->currentRow(), 2);
    EXPECT_EQ(form->log, Log{"lst.Click 2"}) << "once, from the program's own choice";

    foods->AddItem("wheat", 0);
    foods->AddItem("spelt");
    ASSERT_EQ(foodList()->count(), 5);
    EXPECT_EQ(foodList()->item(0)->text(), "wheat");
    EXPECT_EQ(foodList()->item(4)->text(), "spelt");
    EXPECT_EQ(foodList()->currentRow(), 3) << "the chosen entry moved down one";
    foods->RemoveItem(3);
    EXPECT_EQ(foodList()->count(), 4);
    EXPECT_TRUE(foodList()->selectedItems().isEmpty()) << "the chosen entry went: none highlighted";
    foods->Clear();
    EXPECT_EQ(foodList()->count(), 0);
    EXPECT_EQ(form->log, Log{"lst.Click 2"});
}

TEST_F(ListViewsTest, AChoiceTheModelRefusesLeavesTheOldOneHighlighted) {
    foods->setListIndex(0);
    showWithFocusIn(*form->shelf);
    // Taking the focus, the box disables itself: the choice is cancelled.
    foods->onGotFocus = [this] { foods->setEnabled(false); };
    press(foodList(), 2);
    EXPECT_EQ(foods->ListIndex(), 0);
    EXPECT_EQ(foodList()->currentRow(), 0);
    EXPECT_FALSE(foodList()->isEnabled());
    EXPECT_EQ(form->log, Log{});
}

TEST_F(ListViewsTest, ADropDownListOpensAfterItsDropDownHandlerAndChoosesWithoutChange) {
    kind->onDropDown = [this] {
        form->log.push_back("cboKind.DropDown");
        // The handler fills the list just before it shows.
        kind->Clear();
        for (const char* k : {"Grains", "Spices", "Dairy"}) kind->AddItem(k);
    };
    showWithFocusIn(*form->shelf);
    QComboBox* box = combo("cboKind");
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isEditable());
    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 1000));
    EXPECT_EQ(entriesOf(box), (QStringList{"Grains", "Spices", "Dairy"}));
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Return);
    EXPECT_EQ(form->log, (Log{"cboKind.DropDown", "cboKind.Click Spices"}));
    EXPECT_EQ(kind->ListIndex(), 1);
    EXPECT_EQ(box->currentText(), "Spices");
    EXPECT_EQ(runtime.focusedControl(), kind);

    // The arrows choose in a closed list too, each a Click.
    form->log.clear();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(form->log, Log{"cboKind.Click Dairy"});

    // A handler that disables the box keeps its list shut.
    kind->onDropDown = [this] { kind->setEnabled(false); };
    box->showPopup();
    EXPECT_FALSE(box->view()->isVisible());
}

TEST_F(ListViewsTest, EscapeInAnOpenListClosesItWithoutPressingCancel) {
    showWithFocusIn(*kind);
    QComboBox* box = combo("cboKind");
    box->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 1000));
    QTest::keyClick(box->view(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !box->view()->isVisible(); }, 1000));
    EXPECT_EQ(form->log, Log{"cboKind.DropDown"});
    // Closed, the box hands Esc to the form like any control.
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(form->log, (Log{"cboKind.DropDown", "cmdCancel.Click"}));
}

TEST_F(ListViewsTest, TypingInADropDownComboChangesItsTextLetterByLetter) {
    unit->setMaxLength(6);
    showWithFocusIn(*unit);
    QComboBox* box = combo("cboUnit");
    ASSERT_TRUE(box->isEditable());
    QTest::keyClicks(box, "Pinches");
    EXPECT_EQ(unit->Text(), "Pinche");
    EXPECT_EQ(form->log, (Log{"cboUnit.Change P", "cboUnit.Change Pi", "cboUnit.Change Pin", "cboUnit.Change Pinc",
                              "cboUnit.Change Pinch", "cboUnit.Change Pinche"}));

    // Choosing an entry shows its text; typing in the middle of it keeps the cursor there.
    form->log.clear();
    box->showPopup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }, 1000));
    box->view()->setCurrentIndex(box->model()->index(1, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
    EXPECT_EQ(form->log, (Log{"cboUnit.DropDown", "cboUnit.Change ounce", "cboUnit.Click ounce"}));
    EXPECT_EQ(box->lineEdit()->text(), "ounce");
    box->lineEdit()->setCursorPosition(2);
    QTest::keyClicks(box, "X");
    EXPECT_EQ(unit->Text(), "ouXnce");
    EXPECT_EQ(unit->ListIndex(), -1) << "typed away from the entry";
    EXPECT_EQ(box->lineEdit()->cursorPosition(), 3);
    EXPECT_EQ(box->lineEdit()->text(), "ouXnce");
}

TEST_F(ListViewsTest, TheFormsKeysWorkInEveryKindOfBox) {
    std::vector<int> keysSeen;
    form->setKeyPreview(true);
    form->onKeyDown = [&](int& key, int) {
        if (key == ui::keys::F1 || key == ui::keys::Return || key == ui::keys::Escape) keysSeen.push_back(key);
    };
    showWithFocusIn(*unit);
    for (ui::Control* box : {static_cast<ui::Control*>(unit), static_cast<ui::Control*>(kind),
                             static_cast<ui::Control*>(amount), static_cast<ui::Control*>(foods)}) {
        box->SetFocus();
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << box->name();
        form->log.clear();
        keysSeen.clear();
        QTest::keyClick(focused, Qt::Key_F1);
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_EQ(keysSeen, (std::vector<int>{ui::keys::F1, ui::keys::Return, ui::keys::Escape})) << box->name();
        EXPECT_EQ(form->log, (Log{"cmdOK.Click", "cmdCancel.Click"}))
            << box->name() << ": Enter and Esc press the buttons";
    }
    // Without a default button, Enter in a drop-down combo still chooses nothing.
    form->ok->setDefault(false);
    unit->SetFocus();
    unit->setText("pound");
    form->log.clear();
    QTest::keyClick(combo("cboUnit"), Qt::Key_Return);
    EXPECT_EQ(unit->ListIndex(), -1);
    EXPECT_EQ(form->log, Log{});
}

TEST_F(ListViewsTest, ASimpleComboShowsItsListOpenUnderItsTextLine) {
    showWithFocusIn(*form->shelf);
    QWidget* box = widget("cboAmount");
    ASSERT_NE(box, nullptr);
    auto* line = box->findChild<QLineEdit*>();
    auto* list = box->findChild<QListWidget*>();
    ASSERT_NE(line, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 3);
    EXPECT_LE(line->geometry().bottom(), list->geometry().top());

    press(list, 1);
    EXPECT_EQ(amount->ListIndex(), 1);
    EXPECT_EQ(line->text(), "1/2");
    EXPECT_TRUE(line->hasFocus()) << "the focus stays in the text line";
    EXPECT_EQ(runtime.focusedControl(), amount);
    QTest::keyClick(line, Qt::Key_Down);
    QTest::keyClick(line, Qt::Key_Down);  // already the last
    QTest::keyClick(line, Qt::Key_Up);
    EXPECT_EQ(form->log, (Log{"cboAmount.Change 1/2", "cboAmount.Click 1/2", "cboAmount.Change 1", "cboAmount.Click 1",
                              "cboAmount.Change 1/2", "cboAmount.Click 1/2"}));
    EXPECT_EQ(list->currentRow(), 1);

    form->log.clear();
    QTest::keyClicks(line, " c");
    EXPECT_EQ(amount->Text(), "1/2 c");
    EXPECT_EQ(amount->ListIndex(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(form->log, (Log{"cboAmount.Change 1/2 ", "cboAmount.Change 1/2 c"}));
}

TEST_F(ListViewsTest, TabGoesThroughTheBoxesInTheirTabOrder) {
    const std::vector<ui::Control*> order{form->shelf, amount, foods, unit, kind, form->ok};
    for (const auto& control : form->controls()) control->setTabIndex(50);
    for (std::size_t i = 0; i < order.size(); ++i) order[i]->setTabIndex(static_cast<int>(i));
    showWithFocusIn(*form->shelf);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(runtime.focusedControl(), order[i]) << i;
    }
    EXPECT_EQ(QApplication::focusWidget(), widget("cmdOK"));
}

// An entry padded with blanks to character 52, then a record number, as a
// recipe index keeps its names.
std::string IndexEntry(const std::string& name, int record) {
    return name + std::string(52 - name.size(), ' ') + std::to_string(record);
}

TEST_F(ListViewsTest, EntriesShowAndReadOnlyTheirShownPartWhileTheModelKeepsThemWhole) {
    const std::string longName = "Grandmother's Famous Apple Cinnamon Crisp";  // 41 characters
    auto& names = form->add<ui::ComboBox>("cboNames");
    names.setStyle(ui::ComboStyle::SimpleCombo);
    names.setShownLength(52);
    names.Move(240, 2280, 1500, 1200);  // narrower than the longest name
    auto& picks = form->add<ui::ComboBox>("cboPicks");
    picks.setStyle(ui::ComboStyle::DropDownList);
    picks.setShownLength(52);
    picks.Move(2160, 1560, 1500, 330);
    foods->setShownLength(52);
    foods->Clear();
    for (ui::ComboBox* box : {&names, &picks}) {
        box->AddItem(IndexEntry("Apple Crisp", 7));
        box->AddItem(IndexEntry(longName, 12));
    }
    foods->AddItem(IndexEntry("Apple Crisp", 7));
    showWithFocusIn(*foods);

    auto* line = widget("cboNames")->findChild<QLineEdit*>();
    auto* list = widget("cboNames")->findChild<QListWidget*>();
    EXPECT_EQ(list->item(0)->text(), "Apple Crisp");
    EXPECT_EQ(foodList()->item(0)->text(), "Apple Crisp");
    EXPECT_EQ(entriesOf(combo("cboPicks")), (QStringList{"Apple Crisp", QString::fromStdString(longName)}));
    // What a screen reader reads of an entry is what shows.
    QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(foodList());
    ASSERT_NE(entries, nullptr);
    ASSERT_GE(entries->childCount(), 1);
    EXPECT_EQ(entries->child(0)->text(QAccessible::Name), "Apple Crisp");

    press(foodList(), 0);
    EXPECT_EQ(foods->Text(), IndexEntry("Apple Crisp", 7)) << "the program reads the record number";
    names.setText(IndexEntry(longName, 12));
    EXPECT_EQ(line->text(), QString::fromStdString(longName));
    EXPECT_EQ(line->cursorPosition(), 0) << "the line reads from its first character";
    EXPECT_EQ(names.Text(), IndexEntry(longName, 12));
    picks.setListIndex(1);
    EXPECT_EQ(combo("cboPicks")->currentText(), QString::fromStdString(longName));
    EXPECT_EQ(picks.Text(), IndexEntry(longName, 12));
}

TEST_F(ListViewsTest, SortedEntriesShowInTheModelsOrder) {
    auto& sorted = form->add<ui::ComboBox>("cboSorted");
    sorted.setSorted(true);
    sorted.Move(2160, 1560, 1500, 330);
    form->Show();
    for (const char* spice : {"thyme", "Basil", "cumin", "anise"}) sorted.AddItem(spice);
    EXPECT_EQ(entriesOf(combo("cboSorted")), (QStringList{"anise", "Basil", "cumin", "thyme"}));
    sorted.setListIndex(2);
    sorted.RemoveItem(0);
    EXPECT_EQ(entriesOf(combo("cboSorted")), (QStringList{"Basil", "cumin", "thyme"}));
    EXPECT_EQ(combo("cboSorted")->currentIndex(), 1);
    EXPECT_EQ(combo("cboSorted")->currentText(), "cumin");
}

}  // namespace
}  // namespace platform::qt::testing
