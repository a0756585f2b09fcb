// Typing items: the grid's rows, the master list, quotes and the date box.
#include "shopping/store/item_master_list.h"
#include "shopping/tests/shoplist_fixture.h"

namespace shopping {
namespace {

class ItemEntryTest : public testing::ShoplistFixture {};

TEST_F(ItemEntryTest, TypedItemsJoinTheListAndOnlyNewOnesTheMasterList) {
    writeFile("LISTNAME.Fil", quotedLines({"Milk"}));
    Shoplist& w = open();
    addItem(w, "milk ");
    EXPECT_EQ(bytesOf("LISTNAME.Fil"), quotedLines({"Milk"})) << "case and trailing blanks are ignored";
    type(*w.Text1[Shoplist::ItemBox], " Milk");
    pressKey(w, ui::keys::Return);
    EXPECT_EQ(bytesOf("LISTNAME.Fil"), quotedLines({"Milk", " Milk"})) << "a leading blank makes it new";

    EXPECT_EQ(items(w), (std::vector<std::string>{"  milk", "  Milk"}));
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Grocery Items = 2");
    EXPECT_TRUE(w.state().ListChanged);
    EXPECT_EQ(w.Text1[Shoplist::ItemBox]->Text(), "");
}

TEST_F(ItemEntryTest, TypingCompletesFromTheMasterListInAlphabeticalOrder) {
    writeFile("LISTNAME.Fil", quotedLines({"Mints", "Milk", "Margarine"}));
    Shoplist& w = open();
    ui::TextBox& box = *w.Text1[Shoplist::ItemBox];
    type(box, "mi");
    runtime().userKeyUp(w, 'I', 0);
    EXPECT_EQ(w.Combo1->Text(), "Milk");
    type(box, "zz");
    runtime().userKeyUp(w, 'Z', 0);
    EXPECT_EQ(w.Combo1->Text(), "Milk");
}

TEST_F(ItemEntryTest, AnItemTypedThenARowChosenReplacesThatItemAndKeepsItsAmount) {
    Shoplist& w = open();
    addItem(w, "Milk");
    addItem(w, "Bread");
    enterAmount(w, 2, "2 Loaves");
    type(*w.Text1[Shoplist::ItemBox], "Eggs");
    w.Grid1->userChoseCell(2, 0);
    EXPECT_EQ(items(w), (std::vector<std::string>{"  Milk", "  Eggs"}));
    EXPECT_EQ(w.Grid1->TextMatrix(2, 1), "2 Loaves");

    type(*w.Text1[Shoplist::ItemBox], "Flour");
    w.Grid1->userChoseCell(5, 0);
    EXPECT_EQ(items(w), (std::vector<std::string>{"  Milk", "  Eggs", "  Flour"})) << "an empty row appends";
}

TEST_F(ItemEntryTest, AnItemChosenFromTheListReplacesTheChosenRowsItem) {
    writeFile("LISTNAME.Fil", quotedLines({"Bread"}));
    Shoplist& w = open();
    addItem(w, "Milk");
    enterAmount(w, 1, "2 Gallon(s)");
    w.Grid1->userChoseCell(1, 0);
    w.Combo1->userChose(0);
    EXPECT_EQ(w.list().EntryLines(), (std::vector<std::string>{"Bread                         2 Gallon(s)"}));
    EXPECT_FALSE(w.state().RowEditMark);

    // Without a row chosen the item waits in the item box.
    w.Combo1->userChose(0);
    EXPECT_EQ(w.Text1[Shoplist::ItemBox]->Text(), "Bread");
    EXPECT_EQ(w.list().LineCount(), 1);
}

TEST_F(ItemEntryTest, DeleteInTheItemBoxDeletesTheChosenRow) {
    Shoplist& w = open();
    addItem(w, "Milk");
    w.Grid1->userChoseCell(1, 0);
    ASSERT_EQ(runtime().focusedControl(), w.Text1[Shoplist::ItemBox]);
    desktop.dialogs.expectMessage("Delete Row", platform::answer::Yes);
    pressKey(w, ui::keys::Delete);
    EXPECT_EQ(w.list().LineCount(), 0);
    EXPECT_FALSE(w.Command1[Shoplist::DeleteRowButton]->Enabled());
}

// A heading sort reorders the rows; what the user then edits or deletes is
// the line the row shows, not the one that stood there before.
TEST_F(ItemEntryTest, AfterAHeadingSortEditsAndDeletesHitTheLineShown) {
    Shoplist& w = open();
    for (const char* item : {"carrots", "Bread", "apples"}) addItem(w, item);
    w.Grid1->userSortedColumn(0);
    ASSERT_EQ(items(w), (std::vector<std::string>{"  apples", "  Bread", "  carrots"}));
    EXPECT_EQ(w.Grid1->Rows(), 16);
    EXPECT_TRUE(w.state().ListChanged);

    enterAmount(w, 1, "1 Bag");
    EXPECT_EQ(w.list().EntryLines()[2], "apples                        1 Bag");

    w.Grid1->userChoseCell(2, 0);
    desktop.dialogs.expectMessage("Delete Row", platform::answer::Yes);
    runtime().userClick(*w.Command1[Shoplist::DeleteRowButton]);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Delete Item and Amount for - \rBread, ?");
    EXPECT_EQ(w.list().EntryLines(), (std::vector<std::string>{"carrots", "apples                        1 Bag"}));
}

TEST_F(ItemEntryTest, TheAlphabeticalOrderIgnoresCaseAndSwitchesBack) {
    Shoplist& w = open();
    for (const char* item : {"carrots", "Bread", "apples"}) addItem(w, item);
    runtime().userClick(*w.SSOption1[1]);
    EXPECT_EQ(items(w), (std::vector<std::string>{"  apples", "  Bread", "  carrots"}));
    runtime().userClick(*w.SSOption1[0]);
    EXPECT_EQ(items(w), (std::vector<std::string>{"  carrots", "  Bread", "  apples"}));
}

TEST_F(ItemEntryTest, TheScrollTipNamesTheRowAndItsItem) {
    Shoplist& w = open();
    addItem(w, "Milk");
    EXPECT_EQ(w.Grid1->scrollTipFor(1), " Row 1:   Milk ");
    EXPECT_EQ(w.Grid1->scrollTipFor(2), " Row 2:  ");
}

TEST_F(ItemEntryTest, TheThousandAndFirstItemIsRefusedWithAMessage) {
    Shoplist& w = open();
    std::vector<ListEntry> entries;
    for (int i = 0; i < MaxListLines; ++i) entries.push_back({"Item " + std::to_string(i), ""});
    EXPECT_EQ(w.AddSelections(entries, false), MaxListLines);
    EXPECT_EQ(w.Grid1->Rows(), MaxListLines + 1);

    desktop.dialogs.expectMessage("Item Grid");
    addItem(w, "Milk");
    EXPECT_EQ(w.list().LineCount(), MaxListLines);
    EXPECT_EQ(w.Text1[Shoplist::ItemBox]->Text(), "Milk") << "the item waits in its box";

    desktop.dialogs.expectMessage("Item Grid");
    EXPECT_EQ(w.AddSelections({{"Eggs", ""}}, true), 0);
    EXPECT_FALSE(exists("LISTNAME.Fil"));
}

TEST_F(ItemEntryTest, QuotesNeverEnterTheItemOrAmountBoxes) {
    Shoplist& w = open();
    ui::TextBox& item = *w.Text1[Shoplist::ItemBox];
    runtime().userFocused(item);
    EXPECT_EQ(runtime().userKeyPress(w, '"'), 0);
    item.userEdited("12\" pizza \"large\"");  // pasted
    EXPECT_EQ(item.Text(), "12 pizza large");
    addItem(w, "Milk");
    w.Grid1->userChoseCell(1, 1);
    type(*w.Text1[Shoplist::AmountBox], "2 \"big\" jugs");
    EXPECT_EQ(w.Text1[Shoplist::AmountBox]->Text(), "2 big jugs");
}

TEST_F(ItemEntryTest, EnterInTheAmountBoxOnARowWithoutAnItemPutsNothingThere) {
    Shoplist& w = open();
    addItem(w, "Milk");
    w.Grid1->userChoseCell(4, 0);
    type(*w.Text1[Shoplist::AmountBox], "2 Cans");
    desktop.dialogs.expectMessage("Item Grid");
    pressKey(w, ui::keys::Return);
    EXPECT_EQ(w.list().EntryLines(), (std::vector<std::string>{"Milk"}));
    EXPECT_EQ(w.Grid1->TextMatrix(4, 1), "");
}

TEST_F(ItemEntryTest, DeletingTheOnlyMasterItemLeavesOneEmptyItemTheNextOneTakes) {
    writeFile("LISTNAME.Fil", quotedLines({"Milk"}));
    Shoplist& w = open();
    w.Combo1->userChose(0);
    EXPECT_EQ(w.Text1[Shoplist::ItemBox]->Text(), "Milk");
    runtime().userClick(*w.Command1[Shoplist::DeleteMasterItemButton]);
    EXPECT_EQ(bytesOf("LISTNAME.Fil"), quotedLines({""}));
    addItem(w, "Eggs");
    EXPECT_EQ(bytesOf("LISTNAME.Fil"), quotedLines({"Eggs"}));
}

TEST_F(ItemEntryTest, AnEmptiedItemBoxSwitchesDeleteFromFileOffBeforeItsClick) {
    writeFile("LISTNAME.Fil", quotedLines({"Milk"}));
    Shoplist& w = open();
    w.Combo1->userChose(0);
    type(*w.Text1[Shoplist::ItemBox], "");
    runtime().userClick(*w.Command1[Shoplist::DeleteMasterItemButton]);
    EXPECT_EQ(bytesOf("LISTNAME.Fil"), quotedLines({"Milk"}));
}

// --- the date box

TEST_F(ItemEntryTest, TheDateBoxRefusesImpossibleDatesAndResetsToOneItTakes) {
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {{"13/01/04", false}, {"12/32/04", false}, {"1/1/1999", false}, {"12/14/2004", false},
                 {"2/30/04", false},  {"1/1/2004", true},  {"12/8/04", true},   {"2/29/04", true}};
    Shoplist& w = open();
    ui::TextBox& box = *w.Text1[Shoplist::DateBox];
    for (const auto& c : cases) {
        type(box, c.text);
        if (!c.accepted) desktop.dialogs.expectMessage("Error Message");
        runtime().userFocused(*w.Text1[Shoplist::ItemBox]);
        EXPECT_EQ(box.Text(), c.accepted ? c.text : "12/8/04") << c.text;
        // The reset value passes the box's own check.
        runtime().userFocused(box);
        runtime().userFocused(*w.Text1[Shoplist::ItemBox]);
    }
}

TEST_F(ItemEntryTest, TheDateBoxTakesOnlyDigitsAndSlashesAndMovesTheCalendar) {
    Shoplist& w = open();
    ui::TextBox& box = *w.Text1[Shoplist::DateBox];
    type(box, "12/1a");
    EXPECT_EQ(box.Text(), "12/1");
    type(box, "12/14/04");
    EXPECT_EQ(w.MonthView1->Value(), (basic::CalendarDate{2004, 12, 14}));
}

TEST_F(ItemEntryTest, ADateClickedInTheCalendarFillsTheBoxAndMarksTheListChanged) {
    Shoplist& w = open();
    runtime().userClick(*w.Text1[Shoplist::DateBox]);
    w.MonthView1->userClickedDate({2005, 1, 5});
    EXPECT_EQ(w.Text1[Shoplist::DateBox]->Text(), "1/5/05");
    EXPECT_FALSE(w.MonthView1->Visible());
    EXPECT_TRUE(w.state().ListChanged);
}

}  // namespace
}  // namespace shopping
