// The amount keypad composes amounts with unit words that follow the number.
#include "shopping/tests/shoplist_fixture.h"

namespace shopping {
namespace {

class AmountKeypadTest : public testing::ShoplistFixture {
protected:
    // The window with Milk on row 1, its amount cell chosen.
    Shoplist& openOnMilkAmount() {
        Shoplist& w = open();
        addItem(w, "Milk");
        w.Grid1->userChoseCell(1, 1);
        return w;
    }
};

// Keys as a user presses them: digits as "0" to "9", units by their captions.
struct KeyCase {
    std::vector<const char*> keys;
    const char* amount;
};

TEST_F(AmountKeypadTest, KeysComposeTheAmountWithSingularOrPluralUnits) {
    Shoplist& w = openOnMilkAmount();
    ASSERT_FALSE(w.state().KeypadCovered);
    EXPECT_EQ(w.Label1->Caption(), "Amount of Milk");
    const KeyCase cases[] = {
        {{"2", "Dozen"}, "2 Dozen"},
        {{"1", "Dozen"}, "1 Dozen"},
        {{"1", "Box(es)"}, "1 Box"},
        {{"3", "Box(es)"}, "3 Boxes"},
        {{"2", "Loaf(es)"}, "2 Loafes"},
        {{"1", "Package(s)"}, "1 Package"},
        {{"1", "2", "Pound(s)"}, "12 Pounds"},
        {{"0", "5"}, "5"},
        {{"1", "2", "3", "4", "5"}, "12345"},
        {{"1", "2", "3", "4", "5", "6"}, "6"},
        {{"Can(s)"}, " Can"},
        {{"2", "Bag(s)", "Can(s)"}, " Can"},
        {{"2", "Bag(s)", "7"}, "7"},
    };
    for (const KeyCase& c : cases) {
        w.Text1[Shoplist::AmountBox]->setText("");
        for (const char* key : c.keys) {
            ui::CommandButton* button = nullptr;
            for (ui::CommandButton* digit : w.SSCommand2)
                if (digit->Caption() == std::string("&") + key) button = digit;
            for (ui::CommandButton* unit : w.SSCommand3)
                if (unit->Caption() == key) button = unit;
            ASSERT_NE(button, nullptr) << key;
            runtime().userClick(*button);
        }
        EXPECT_EQ(w.Text1[Shoplist::AmountBox]->Text(), c.amount) << c.amount;
    }
}

TEST_F(AmountKeypadTest, ATypedDecimalBelowTwoTakesTheSingular) {
    Shoplist& w = openOnMilkAmount();
    type(*w.Text1[Shoplist::AmountBox], "1.5");
    runtime().userClick(*w.SSCommand3[11]);  // Pint(s)
    EXPECT_EQ(w.Text1[Shoplist::AmountBox]->Text(), "1.5 Pint");
}

TEST_F(AmountKeypadTest, EnterPutsTheAmountOnTheChosenRowAndAnEmptyOneTakesItAway) {
    Shoplist& w = open();
    addItem(w, "Milk");
    addItem(w, "Bread");
    w.Grid1->userChoseCell(2, 1);
    runtime().userClick(*w.SSCommand2[2]);
    runtime().userClick(*w.SSCommand3[7]);  // Loaf(es)
    runtime().userClick(*w.SSCommand1[Shoplist::EnterAmountKey]);
    EXPECT_EQ(w.Grid1->TextMatrix(2, 1), "2 Loafes");
    EXPECT_EQ(w.list().EntryLines()[1], "Bread                         2 Loafes");
    EXPECT_EQ(w.Text1[Shoplist::AmountBox]->Text(), "");
    EXPECT_TRUE(w.state().ListChanged);

    w.Grid1->userChoseCell(2, 1);
    EXPECT_EQ(w.Text1[Shoplist::AmountBox]->Text(), "2 Loafes");
    type(*w.Text1[Shoplist::AmountBox], "");
    runtime().userClick(*w.SSCommand1[Shoplist::EnterAmountKey]);
    EXPECT_EQ(w.Grid1->TextMatrix(2, 1), "");
    EXPECT_EQ(w.list().EntryLines()[1], "Bread");
}

TEST_F(AmountKeypadTest, TheKeysWaitUnderTheirCoverUntilARowWithAnItemIsChosen) {
    Shoplist& w = open();
    EXPECT_TRUE(w.SSPanel4->Visible());
    runtime().userClick(*w.SSCommand2[5]);
    EXPECT_EQ(w.Text1[Shoplist::AmountBox]->Text(), "");

    // An empty row's amount cell asks for the item first.
    desktop.dialogs.expectMessage("Item Grid");
    w.Grid1->userChoseCell(3, 1);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Please, enter an Item before any Amounts.");
    EXPECT_TRUE(w.SSPanel4->Visible());
    EXPECT_EQ(w.Grid1->Row(), 1) << "the first empty row is chosen";
}

}  // namespace
}  // namespace shopping
