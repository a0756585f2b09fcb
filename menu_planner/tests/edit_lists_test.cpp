// The Edit Lists panel: adding to and deleting from the meal lists, whose
// files and pick lists follow at once.
#include "menu_planner/tests/menu_planner_fixture.h"

namespace menu_planner {
namespace {

class EditListsTest : public testing::MenuPlannerFixture {
protected:
    void addEntry(Zcalandar& w, const std::string& text) {
        type(*w.Text2, text);
        pressKey(w, ui::keys::Return);
    }
    void deleteEntry(Zcalandar& w, const std::string& entry) {
        const auto& items = w.Combo4->items();
        const auto at = std::find(items.begin(), items.end(), entry);
        ASSERT_NE(at, items.end()) << entry;
        w.Combo4->userChose(static_cast<int>(at - items.begin()));
        runtime().userClick(*w.Command12);
    }
};

TEST_F(EditListsTest, OpensOnTheBreakfastListWithItsInstructions) {
    Zcalandar& w = open();
    runtime().userClick(*w.Command4);
    ASSERT_TRUE(w.Panel3D3->Visible());
    EXPECT_EQ(w.Panel3D3->Caption(), "Edit Breakfast List");
    EXPECT_FALSE(w.Command10->Enabled());
    EXPECT_TRUE(w.Command8->Enabled() && w.Command9->Enabled());
    EXPECT_FALSE(w.mOCal->Enabled());
    EXPECT_FALSE(box(w, 0).TabStop());
    EXPECT_EQ(w.Label4->Caption(),
              "To Add a New Breakfast Item:\rType New Breakfast Item and then\rPress the Enter Key.\r\r"
              "To Delete an Existing Breakfast Item:\rFirst select Breakfast Item from Drop-Down list.\r"
              "Then Click Delete Command Button");
    runtime().userClick(*w.Command9);
    EXPECT_EQ(w.Panel3D3->Caption(), "Edit Dinner List");

    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.Panel3D3->Visible());
    EXPECT_TRUE(w.mOCal->Enabled());
    EXPECT_TRUE(box(w, 0).TabStop());
    EXPECT_TRUE(w.isLoaded());
}

TEST_F(EditListsTest, AnAddedEntryIsWrittenSortedAndOfferedAtOnce) {
    writeFile("Menu2.Fil", quotedLines({"Banana", "Cherry"}));
    Zcalandar& w = open();
    runtime().userClick(*w.Command4);
    runtime().userClick(*w.Command8);
    addEntry(w, "apple");
    EXPECT_EQ(bytesOf("Menu2.Fil"), quotedLines({"apple", "Banana", "Cherry"}));
    EXPECT_EQ(w.Text2->Text(), "");
    EXPECT_EQ(w.Combo2->items(), (std::vector<std::string>{"apple", "Banana", "Cherry"}));

    desktop.dialogs.expectMessage("Edit Routine");
    addEntry(w, "APPLE");
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Entry already exists!");
    EXPECT_EQ(w.Text2->Text(), "");
    addEntry(w, " apple");
    EXPECT_EQ(w.state().MealLists[1].Count(), 4) << "a leading blank makes another entry";
}

TEST_F(EditListsTest, DeletingKeepsTheStoredOrderAndTheLastEntryGoesToo) {
    writeFile("Menu1.Fil", quotedLines({"Cherry", "Banana", "apple"}));
    Zcalandar& w = open();
    runtime().userClick(*w.Command4);
    deleteEntry(w, "Banana");
    EXPECT_EQ(bytesOf("Menu1.Fil"), quotedLines({"Cherry", "apple"}));
    EXPECT_EQ(w.Combo1->ListCount(), 2);
    EXPECT_FALSE(w.Command12->Enabled());

    deleteEntry(w, "Cherry");
    deleteEntry(w, "apple");
    EXPECT_EQ(bytesOf("Menu1.Fil"), "");
    EXPECT_EQ(w.Combo1->ListCount(), 0);
    EXPECT_EQ(w.Combo4->ListCount(), 0);
}

TEST_F(EditListsTest, DeletingWhatIsNotThereChangesNothing) {
    writeFile("Menu3.Fil", quotedLines({"Stew"}));
    Zcalandar& w = open();
    runtime().userClick(*w.Command4);
    runtime().userClick(*w.Command9);
    type(*w.Text2, "Pizza");
    w.Command12->setEnabled(true);
    runtime().userClick(*w.Command12);
    EXPECT_EQ(bytesOf("Menu3.Fil"), quotedLines({"Stew"}));
    EXPECT_EQ(w.Text2->Text(), "");
}

TEST_F(EditListsTest, DamagedListFilesOpenAsWhatCanBeRead) {
    const struct {
        const char* what;
        std::string bytes;
        int count;
    } cases[] = {
        {"unclosed quote", "\"Toast\r\n\"Eggs\"\r\n", -1},
        {"endless line", std::string(200000, 'a'), -1},
        {"binary", std::string("\"A\0B\"\r\n\xFF\xFE", 10), -1},
    };
    for (const auto& c : cases) {
        writeFile("Menu1.Fil", c.bytes);
        Zcalandar& w = open();
        for (const std::string& item : w.Combo1->items()) EXPECT_EQ(item.find('"'), std::string::npos) << c.what;
        runtime().userClick(*w.Command2);
        ASSERT_FALSE(w.isLoaded()) << c.what;
    }
}

}  // namespace
}  // namespace menu_planner
