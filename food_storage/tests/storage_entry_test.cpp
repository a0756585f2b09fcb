// Entry into the storage grid: amounts per person and totals, bookings of
// amounts added and used, dates, and what the input box refuses.
#include "food_storage/tests/storage_fixture.h"

namespace food_storage {
namespace {

class StorageEntryTest : public testing::StorageFixture {
protected:
    // Emergency row 2 titled, 4 in family, 12 cans a person.
    Form24& beansFor4() {
        Form24& w = open();
        enterCell(w, 2, 0, "Beans");
        enterFamily(w, "4");
        enterCell(w, 2, 2, "12 cans");
        // The click after an amount per person only clears its guard.
        w.Grid1->userChoseCell(2, 6);
        EXPECT_FALSE(w.state().InputArmed);
        return w;
    }
};

TEST_F(StorageEntryTest, TheTotalNeededFollowsTheFamilyAndTheBookingsTheAmountOnHand) {
    Form24& w = beansFor4();
    EXPECT_EQ(w.Grid1->TextMatrix(2, 1), "4");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 3), "48 cans");
    EXPECT_EQ(w.table().Cell(2, 3), " 48 cans");

    enterCell(w, 2, 6, "12");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 4), "12 cans");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 6), "12");
    EXPECT_EQ(runtime().focusedControl(), w.Command6);

    enterCell(w, 2, 7, "12");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 4), "");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 6), "");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 7), "12");
    EXPECT_TRUE(w.state().document.changed);

    // A larger family changes the total at once; the amount on hand stays.
    enterFamily(w, "5");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 3), "60 cans");
}

TEST_F(StorageEntryTest, UsingFromARowWithNothingOnHandIsRefused) {
    Form24& w = open();
    enterCell(w, 3, 0, "Rice");
    desktop.dialogs.expectMessage("Food Storage Entry");
    w.Grid1->userChoseCell(3, 7);
    EXPECT_EQ(desktop.dialogs.messages().back().text,
              "There is No Amount On Hand Total for this Storage Item\rfrom which to Remove Amount Used!");
    EXPECT_FALSE(w.state().InputArmed);
    EXPECT_EQ(w.Grid1->TextMatrix(3, 7), "");
    EXPECT_EQ(runtime().focusedControl(), w.Command2);
}

TEST_F(StorageEntryTest, ACellOfAnUnnamedRowAsksForTheNameAndArmsTheTitle) {
    Form24& w = open();
    for (int col : {2, 5, 6}) {
        desktop.dialogs.expectMessage("Food Storage Entry");
        w.Grid1->userChoseCell(4, col);
        EXPECT_EQ(desktop.dialogs.messages().back().text, "Please enter Storage Item Name First!");
        EXPECT_TRUE(w.state().InputArmed);
        EXPECT_EQ(w.Grid1->Col(), 0) << col;
        w.Grid1->userChoseCell(4, 0);  // clears the guard the title's arming left
    }
}

TEST_F(StorageEntryTest, AMarkedCellTakesNoEntry) {
    Form24& w = open();
    runtime().userClick(*w.Command6);  // the save sets the layout's marks
    w.Grid1->userChoseCell(1, 3);
    EXPECT_FALSE(w.state().InputArmed);
    EXPECT_EQ(w.Grid1->Col(), 0);
}

TEST_F(StorageEntryTest, TheUnitOfATotalRowIsCarriedAsAWholeWord) {
    // Basic row 1 is the Grains total row once saved.
    Form24& w = open(StorageKind::Basic);
    runtime().userClick(*w.Command6);
    enterCell(w, 1, 0, "Grains");
    const struct {
        const char* before;
        const char* typed;
        const char* after;
    } cases[] = {{"25", "30", "30"}, {"25 lbs.", "30", "30 lbs."}, {"2 gals", "3", "3 gals"}, {"2 oz", "4 lb", "4 lb"}};
    for (const auto& c : cases) {
        enterCell(w, 1, 2, c.before);
        w.Grid1->userChoseCell(1, 0);  // the guard
        enterCell(w, 1, 2, c.typed);
        w.Grid1->userChoseCell(1, 0);
        EXPECT_EQ(w.table().Cell(1, 2), c.after) << c.before << " then " << c.typed;
    }
}

TEST_F(StorageEntryTest, AnAmountPerPersonOfNothingClearsTheRowsNeed) {
    Form24& w = beansFor4();
    w.Grid1->userChoseCell(2, 0);
    w.Grid1->userChoseCell(2, 2);
    ASSERT_TRUE(w.state().InputArmed);
    w.Text1->userEdited("0");
    pressKey(w, ui::keys::Return);
    for (int col : {1, 2, 3}) EXPECT_EQ(w.Grid1->TextMatrix(2, col), "") << col;
    EXPECT_TRUE(w.state().InputArmed) << "the box stays armed for another amount";
}

TEST_F(StorageEntryTest, KitchenAmountsCountAsTheyRead) {
    Form24& w = open();
    enterCell(w, 2, 0, "Flour");
    enterFamily(w, "3");
    enterCell(w, 2, 2, "2 1/2 lbs");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 3), "7.5 lbs");
}

TEST_F(StorageEntryTest, TypedAmountsOfAnyTextNeitherCrashNorGoNegative) {
    Form24& w = beansFor4();
    enterCell(w, 2, 6, "10");
    const struct {
        int col;
        const char* typed;
        const char* kept;    // what the box keeps
        const char* onHand;  // afterwards
    } cases[] = {
        {6, "12a", "12", "22 cans"},
        {6, "abc", "", "22 cans"},
        {6, "-5", "5", "27 cans"},
        // A fraction of nothing reads as the whole number before it.
        {6, "1/0", "1/0", "28 cans"},
        {6, "/", "/", "28 cans"},
        {6, ".", ".", "28 cans"},
        {7, "99999999", "99999999", ""},
    };
    for (const auto& c : cases) {
        w.Grid1->userChoseCell(2, c.col);
        ASSERT_TRUE(w.state().InputArmed) << c.typed;
        w.Text1->userEdited(c.typed);
        EXPECT_EQ(w.Text1->Text(), c.kept) << c.typed;
        pressKey(w, ui::keys::Return);
        EXPECT_EQ(w.Grid1->TextMatrix(2, 4), c.onHand) << c.typed;
        EXPECT_EQ(w.Grid1->TextMatrix(2, 4).find('-'), std::string::npos);
    }
}

TEST_F(StorageEntryTest, DatesArePickedOrTypedAndCheckedAlike) {
    Form24& w = beansFor4();
    w.Grid1->userChoseCell(2, 5);
    ASSERT_TRUE(w.state().DatePickerShown);
    w.MonthView1->userClickedDate({2004, 4, 12});
    EXPECT_EQ(w.Grid1->TextMatrix(2, 5), "04/12/04");
    EXPECT_FALSE(w.MonthView1->Visible());

    // The calendar opens at the cell's date.
    w.Grid1->userChoseCell(2, 5);
    EXPECT_EQ(w.MonthView1->Value(), (basic::CalendarDate{2004, 4, 12}));

    const struct {
        const char* typed;
        const char* cell;
    } cases[] = {{"5/3/05", "05/03/05"}, {"13/1/05", "05/03/05"},    {"2/30/05", "05/03/05"},
                 {"1/2", "05/03/05"},    {"12/31/1999", "12/31/99"}, {"//", "12/31/99"}};
    for (const auto& c : cases) {
        w.Grid1->userChoseCell(2, 5);
        ASSERT_TRUE(w.state().InputArmed) << c.typed;
        w.Text1->userEdited(c.typed);
        pressKey(w, ui::keys::Return);
        EXPECT_EQ(w.Grid1->TextMatrix(2, 5), c.cell) << c.typed;
        w.Grid1->userChoseCell(2, 0);
    }
}

TEST_F(StorageEntryTest, ClearingTheLastActionColumnsLeavesTheMarks) {
    Form24& w = beansFor4();
    runtime().userClick(*w.Command6);
    enterCell(w, 2, 6, "5");
    desktop.dialogs.expectMessage("Delete Data", platform::answer::Yes);
    runtime().userMenu(*w.mOClr);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Delete All Last Action Data,\r(Last 3 Columns of Data)?");
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::None);
    EXPECT_EQ(w.Grid1->TextMatrix(2, 6), "");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 4), "5 cans");
    EXPECT_EQ(w.Grid1->TextMatrix(1, 5), "*");
}

}  // namespace
}  // namespace food_storage
