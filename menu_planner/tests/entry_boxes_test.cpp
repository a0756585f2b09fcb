// The entry boxes and their pick lists: moving through the boxes, picks, and
// the entries the meal lists remember.
#include "menu_planner/tests/menu_planner_fixture.h"

namespace menu_planner {
namespace {

class EntryBoxesTest : public testing::MenuPlannerFixture {
protected:
    // The user clicks into a box: focus, then the click.
    void clickInto(ui::TextBox& b) { runtime().userClick(b); }
};

TEST_F(EntryBoxesTest, EnterMovesOnAndTheLastDinnerLineWrapsToBreakfast) {
    Zcalandar& w = open();
    clickInto(box(w, 20));
    EXPECT_TRUE(w.Combo3->Visible()) << "the dinner list beside the box";
    EXPECT_FALSE(w.Combo1->Visible());
    box(w, 20).userEdited("Pot roast");
    pressKey(w, ui::keys::Return);
    EXPECT_EQ(runtime().focusedControl(), &box(w, 0));
    EXPECT_TRUE(w.Combo1->Visible());
    EXPECT_FALSE(w.Combo3->Visible());
    EXPECT_EQ(bytesOf("Menu3.Fil"), quotedLines({"Pot roast"}));
    EXPECT_EQ(w.Combo3->ListCount(), 1);
}

TEST_F(EntryBoxesTest, OnlyABoxClickedIntoOrLeftByEnterIsRemembered) {
    Zcalandar& w = open();
    // Reached by the keyboard and left by Tab: nothing.
    type(box(w, 0), "Eggs");
    runtime().userFocused(box(w, 1));
    EXPECT_FALSE(exists("Menu1.Fil"));

    // Clicked into, then left: remembered once, whatever its case or trailing blanks later.
    clickInto(box(w, 0));
    runtime().userFocused(box(w, 1));
    EXPECT_EQ(bytesOf("Menu1.Fil"), quotedLines({"Eggs"}));
    for (const char* same : {"EGGS", "eggs  "}) {
        clickInto(box(w, 2));
        box(w, 2).userEdited(same);
        runtime().userFocused(box(w, 3));
        EXPECT_EQ(bytesOf("Menu1.Fil"), quotedLines({"Eggs"})) << same;
    }
    // A single character never.
    clickInto(box(w, 4));
    box(w, 4).userEdited("X");
    runtime().userFocused(box(w, 5));
    EXPECT_EQ(w.state().MealLists[0].Count(), 1);
}

TEST_F(EntryBoxesTest, APickFillsTheBoxAndMovesOn) {
    writeFile("Menu1.Fil", quotedLines({"Toast", "Oatmeal"}));
    writeFile("Menu3.Fil", quotedLines({"Stew"}));
    Zcalandar& w = open();
    EXPECT_EQ(w.Combo1->items(), (std::vector<std::string>{"Oatmeal", "Toast"})) << "sorted";

    runtime().userFocused(box(w, 6));
    w.Combo1->userChose(1);
    EXPECT_EQ(box(w, 6).Text(), "Toast");
    EXPECT_TRUE(w.state().EntriesChanged);
    EXPECT_EQ(runtime().focusedControl(), &box(w, 7));
    EXPECT_TRUE(w.Combo2->Visible());

    runtime().userFocused(box(w, 20));
    w.Combo3->userChose(0);
    EXPECT_EQ(box(w, 20).Text(), "Stew");
    EXPECT_EQ(runtime().focusedControl(), &box(w, 0));
    EXPECT_TRUE(w.Command1->Enabled());
}

TEST_F(EntryBoxesTest, QuotesNeverEnterABoxOrAList) {
    Zcalandar& w = open();
    clickInto(box(w, 7));
    EXPECT_EQ(runtime().userKeyPress(w, '"'), 0) << "a typed quote is dropped";
    box(w, 7).userEdited("Mom's \"best\" chili");
    EXPECT_EQ(box(w, 7).Text(), "Mom's best chili") << "a pasted one too";
    runtime().userFocused(box(w, 8));
    EXPECT_EQ(bytesOf("Menu2.Fil"), quotedLines({"Mom's best chili"}));
}

TEST_F(EntryBoxesTest, DeleteMarksTheDayChangedAndEnterDoesNot) {
    Zcalandar& w = open();
    runtime().userFocused(box(w, 3));
    pressKey(w, ui::keys::Return);
    EXPECT_FALSE(w.state().EntriesChanged);
    pressKey(w, ui::keys::Delete);
    EXPECT_TRUE(w.state().EntriesChanged);
}

TEST_F(EntryBoxesTest, ClickingTheCalendarPanelHidesThePickList) {
    Zcalandar& w = open();
    runtime().userFocused(box(w, 0));
    ASSERT_TRUE(w.Combo1->Visible());
    runtime().userClick(*w.SSPanel1);
    EXPECT_FALSE(w.Combo1->Visible());
}

}  // namespace
}  // namespace menu_planner
