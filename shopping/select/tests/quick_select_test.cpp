// The Quick Select screen: ticking common items and leaving with or without them.
#include "select_fixture.h"

namespace shopping::testing {
namespace {

constexpr int Milk = 10, Eggs = 18, Vinegar = 89;

class QuickSelectTest : public SelectTest {
protected:
    QuickSelectTest() { quick.mOSel_Click(); }
    ui::CheckBox& box(int index) { return *quick.SSCheck1[static_cast<std::size_t>(index)]; }
    ui::CommandButton& addButton() { return *quick.Command1[AddQuickSelectionsButton]; }
    ui::CommandButton& leaveButton() { return *quick.Command1[LeaveQuickSelectButton]; }
};

TEST_F(QuickSelectTest, TheNinetyItemsStandInTheirGroupsWithTheirCaptions) {
    struct Group {
        const char* frame;
        const char* caption;
        int first, last;
    };
    const Group groups[] = {{"SSFrame2", "Dairy Products", 0, 14},
                            {"SSFrame3", "Poultry, Fish, Meat Products", 15, 29},
                            {"SSFrame4", "Fruits and Vegetables", 30, 59},
                            {"SSFrame5", "Breads and Cereals", 60, 68},
                            {"SSFrame1", "Miscellaneous", 69, 89}};
    for (const Group& g : groups) {
        const ui::Control& frame = window.control<ui::Frame>(g.frame);
        EXPECT_EQ(frame.Caption(), g.caption);
        for (int i = g.first; i <= g.last; ++i) EXPECT_EQ(box(i).container(), &frame) << i;
    }
    EXPECT_EQ(cutCaptions(*quick.SSPanel1), std::vector<std::string>{});
    EXPECT_EQ(box(0).Caption(), "1% Milk");
    EXPECT_EQ(box(Milk).Caption(), "Milk");
    EXPECT_EQ(box(Eggs).Caption(), "Eggs");
    EXPECT_EQ(box(63).Caption(), "Grain Crackers");
    EXPECT_EQ(box(Vinegar).Caption(), "Vinegar");
    EXPECT_EQ(quick.SSPanel1->Caption(), "Quick Select Screen");
    EXPECT_EQ(addButton().Caption(), "E&xit and Add All Checked Selections to Item Grid");
    EXPECT_EQ(leaveButton().Caption(), "E&xit Without Adding Checked Selections to Item Grid");
}

TEST_F(QuickSelectTest, OpeningShowsTheScreenWithTheFocusOnLeavingWithoutAdding) {
    EXPECT_TRUE(quick.isOpen());
    EXPECT_TRUE(quick.SSPanel1->Visible());
    EXPECT_EQ(window.screens, std::vector<std::string>{"Quick Select shown"});
    EXPECT_EQ(runtime().focusedControl(), &leaveButton());
    EXPECT_FALSE(addButton().Enabled()) << "nothing ticked yet";

    quick.mOSel_Click();
    EXPECT_FALSE(quick.isOpen());
    EXPECT_FALSE(quick.SSPanel1->Visible());
    EXPECT_EQ(window.screens.back(), "Quick Select hidden");
}

TEST_F(QuickSelectTest, TickedItemsAreAddedInIndexOrderAndUnticked) {
    click(box(Eggs));
    click(box(Milk));
    EXPECT_TRUE(addButton().Enabled());
    EXPECT_GT(window.datePickerHidden, 0);

    click(addButton());
    EXPECT_EQ(window.list.EntryLines(), (std::vector<std::string>{"Milk", "Eggs"}));
    EXPECT_FALSE(box(Milk).Value());
    EXPECT_FALSE(box(Eggs).Value());
    EXPECT_FALSE(addButton().Enabled());
    EXPECT_FALSE(quick.isOpen());
    EXPECT_FALSE(quick.SSPanel1->Visible());
    EXPECT_EQ(window.screens.back(), "Quick Select hidden");
}

TEST_F(QuickSelectTest, AnItemAlreadyOnTheListIsAddedAgain) {
    ASSERT_EQ(window.list.AppendItem("Milk"), ListEdit::Done);
    click(box(Milk));
    click(addButton());
    EXPECT_EQ(window.list.EntryLines(), (std::vector<std::string>{"Milk", "Milk"}));
}

TEST_F(QuickSelectTest, LeavingWithoutAddingKeepsTheTicksForTheNextOpening) {
    click(box(Vinegar));
    click(leaveButton());
    EXPECT_EQ(window.adds, 0);
    EXPECT_TRUE(window.list.EntryLines().empty());
    EXPECT_FALSE(quick.isOpen());

    quick.mOSel_Click();
    EXPECT_TRUE(box(Vinegar).Value());
    EXPECT_TRUE(addButton().Enabled());
}

TEST_F(QuickSelectTest, UntickingTheLastTickedBoxDisablesAdding) {
    click(box(0));
    click(box(1));
    click(box(0));
    EXPECT_TRUE(addButton().Enabled());
    click(box(1));
    EXPECT_FALSE(addButton().Enabled());
}

TEST_F(QuickSelectTest, ItemsAFullListRefusedKeepTheirTicks) {
    for (int i = 0; i < MaxListLines - 1; ++i)
        ASSERT_EQ(window.list.AppendItem("Item " + std::to_string(i)), ListEdit::Done);
    click(box(0));
    click(box(Milk));
    click(box(Eggs));
    click(addButton());
    EXPECT_EQ(window.list.LineCount(), MaxListLines);
    EXPECT_EQ(window.list.EntryLines().back(), "1% Milk");
    EXPECT_FALSE(box(0).Value());
    EXPECT_TRUE(box(Milk).Value()) << "not added: still ticked";
    EXPECT_TRUE(box(Eggs).Value());
}

TEST_F(QuickSelectTest, TheWindowsLoadingUnticksEveryBox) {
    click(box(Milk));
    click(box(Vinegar));
    quick.ClearSelections();
    for (ui::CheckBox* b : quick.SSCheck1) EXPECT_FALSE(b->Value()) << b->Caption();
    EXPECT_FALSE(addButton().Enabled());
}

}  // namespace
}  // namespace shopping::testing
