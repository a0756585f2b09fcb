// List and combo boxes: where entries go, which one is chosen, and the
// events the program's code and the user's choices raise.
#include <gtest/gtest.h>

#include "platform/tests/ui/sample_form.h"

namespace ui::testing {
namespace {

using Log = std::vector<std::string>;

class ListControlsTest : public ::testing::Test {
protected:
    Desk desk;
    platform::Runtime& rt = desk.runtime;
    SampleForm form{rt};
    ListBox& list = form.add<ListBox>("lstFoods");
    ComboBox& combo = form.add<ComboBox>("cboFoods");

    ListControlsTest() {
        list.onClick = [this] { form.log.push_back("lst.Click " + std::to_string(list.ListIndex())); };
        list.onGotFocus = [this] { form.log.push_back("lst.GotFocus"); };
        combo.onClick = [this] { form.log.push_back("cbo.Click " + std::to_string(combo.ListIndex())); };
        combo.onChange = [this] { form.log.push_back("cbo.Change " + combo.Text()); };
        combo.onGotFocus = [this] { form.log.push_back("cbo.GotFocus"); };
        combo.onDropDown = [this] { form.log.push_back("cbo.DropDown"); };
        form.Show();
    }

    void fill(std::initializer_list<const char*> items) {
        for (const char* item : items) {
            list.AddItem(item);
            combo.AddItem(item);
        }
        form.log.clear();
    }
};

TEST_F(ListControlsTest, SortedBoxesPlaceEntriesAlphabeticallyWithoutRegardToCase) {
    struct Case {
        std::vector<std::string> added;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {{"rice", "Barley", "oats", "apple"}, {"apple", "Barley", "oats", "rice"}},
        // Entries equal but for case keep the order they came in.
        {{"Salt", "salt", "SALT", "pepper"}, {"pepper", "Salt", "salt", "SALT"}},
        // A shorter text comes before the longer one it begins.
        {{"Tea bags", "tea", "Te"}, {"Te", "tea", "Tea bags"}},
        {{"b", "1 cup", "A", "_"}, {"1 cup", "A", "b", "_"}},
    };
    for (const Case& c : cases) {
        ListBox& sortedList = form.add<ListBox>("lstSorted");
        ComboBox& sortedCombo = form.add<ComboBox>("cboSorted");
        sortedList.setSorted(true);
        sortedCombo.setSorted(true);
        for (const std::string& item : c.added) {
            sortedList.AddItem(item, 0);  // the place asked for is ignored
            sortedCombo.AddItem(item, 0);
        }
        EXPECT_EQ(sortedList.items(), c.shown) << c.added.front();
        EXPECT_EQ(sortedCombo.items(), c.shown) << c.added.front();
    }
}

TEST_F(ListControlsTest, UnsortedBoxesPutEntriesWhereAskedAndTheChosenOneMovesAlong) {
    fill({"flour", "sugar"});
    list.setListIndex(1);
    combo.setListIndex(1);
    list.AddItem("yeast", 0);
    combo.AddItem("yeast", 0);
    list.AddItem("salt", 99);  // past the end: at the end
    combo.AddItem("salt");
    const Log expected{"yeast", "flour", "sugar", "salt"};
    EXPECT_EQ(list.items(), expected);
    EXPECT_EQ(combo.items(), expected);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.Text(), "sugar");
    EXPECT_EQ(combo.ListIndex(), 2);
    EXPECT_EQ(combo.Text(), "sugar");
}

TEST_F(ListControlsTest, RemovingAnEntryKeepsTheChosenOneOrChoosesNone) {
    struct Case {
        int removed;
        int chosenAfter;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {2, -1}, {3, 2}, {-1, 2}, {4, 2}};
    for (const Case& c : cases) {
        ListBox& box = form.add<ListBox>("lstRemove");
        for (const char* item : {"a", "b", "c", "d"}) box.AddItem(item);
        box.setListIndex(2);
        box.RemoveItem(c.removed);
        EXPECT_EQ(box.ListIndex(), c.chosenAfter) << "removing " << c.removed;
        EXPECT_EQ(box.Text(), c.chosenAfter < 0 ? "" : "c") << "removing " << c.removed;
    }
}

TEST_F(ListControlsTest, RemovingTheChosenEntryEmptiesOnlyADropDownListsText) {
    for (const ComboStyle style : {ComboStyle::DropDownCombo, ComboStyle::SimpleCombo, ComboStyle::DropDownList}) {
        ComboBox& box = form.add<ComboBox>("cboRemove");
        box.setStyle(style);
        for (const char* item : {"dill", "sage"}) box.AddItem(item);
        box.setListIndex(1);
        box.RemoveItem(1);
        EXPECT_EQ(box.ListIndex(), -1);
        EXPECT_EQ(box.Text(), style == ComboStyle::DropDownList ? "" : "sage") << static_cast<int>(style);
        box.setListIndex(0);
        box.Clear();
        EXPECT_EQ(box.ListCount(), 0);
        EXPECT_EQ(box.Text(), style == ComboStyle::DropDownList ? "" : "dill") << static_cast<int>(style);
    }
}

TEST_F(ListControlsTest, ChoosingAComboEntryShowsItsTextWithChangeOnlyWhereTheTextCanBeTyped) {
    struct Case {
        ComboStyle style;
        Log events;
    };
    const Case cases[] = {
        {ComboStyle::DropDownCombo, {"OK.LostFocus", "cbo.GotFocus", "cbo.Change oats", "cbo.Click 1", "cbo.Click 1"}},
        {ComboStyle::SimpleCombo, {"OK.LostFocus", "cbo.GotFocus", "cbo.Change oats", "cbo.Click 1", "cbo.Click 1"}},
        // A drop-down list's text is no text line of its own: no Change.
        {ComboStyle::DropDownList, {"OK.LostFocus", "cbo.GotFocus", "cbo.Click 1", "cbo.Click 1"}},
    };
    fill({"rye", "oats"});
    for (const Case& c : cases) {
        combo.setStyle(c.style);
        combo.setListIndex(-1);
        form.ok->SetFocus();
        form.log.clear();
        combo.userChose(1);
        combo.userChose(1);  // the same entry again is still a choice
        EXPECT_EQ(combo.Text(), "oats");
        EXPECT_EQ(form.log, c.events) << static_cast<int>(c.style);
    }
}

TEST_F(ListControlsTest, TypingInAComboLeavesTheChosenEntryUnlessItReadsTheSame) {
    fill({"rye", "oats"});
    combo.userChose(0);
    form.log.clear();
    combo.userEdited("rye");  // no change at all
    EXPECT_EQ(combo.ListIndex(), 0);
    combo.userEdited("ryes");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "ryes");
    combo.userEdited("oats");
    EXPECT_EQ(combo.ListIndex(), -1) << "typing an entry's text does not choose it";
    EXPECT_EQ(form.log, (Log{"cbo.Change ryes", "cbo.Change oats"}));
}

TEST_F(ListControlsTest, ADropDownListTakesOnlyItsOwnEntriesAsText) {
    combo.setStyle(ComboStyle::DropDownList);
    fill({"rye", "oats"});
    combo.userEdited("wheat");
    EXPECT_EQ(combo.Text(), "");
    combo.setText("OATS");  // an entry's text in any case chooses it
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(combo.Text(), "oats");
    combo.setText("wheat");
    EXPECT_EQ(combo.Text(), "oats") << "not an entry: ignored";
    combo.setText("");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(form.log, (Log{"cbo.Click 1", "cbo.Click -1"}));
}

TEST(EntryAsShownTest, AShownLengthShowsTheLeadingPartRightTrimmed) {
    const std::string entry = "Apple Crisp" + std::string(41, ' ') + "7";
    struct Case {
        std::string entry;
        int shownLength;
        std::string shown;
    };
    const Case cases[] = {
        {entry, 52, "Apple Crisp"},
        {entry, 0, entry},  // no shown length: whole
        {entry, 200, entry},
        {"  Stew   ", 5, "  Ste"},  // leading blanks are the entry's own
        {"", 52, ""},
        {"Pie" + std::string(49, ' ') + "12345", 52, "Pie"},
    };
    for (const Case& c : cases) EXPECT_EQ(EntryAsShown(c.entry, c.shownLength), c.shown) << c.entry;
    EXPECT_EQ(EntriesAsShown({entry, "Bread  "}, 52), (Log{"Apple Crisp", "Bread"}));
}

TEST_F(ListControlsTest, AShownLengthLeavesTheEntriesAndTheTextWhole) {
    const std::string entry = "Apple Crisp" + std::string(41, ' ') + "7";
    list.setShownLength(52);
    combo.setShownLength(52);
    list.AddItem(entry);
    combo.AddItem(entry);
    list.userChose(0);
    combo.userChose(0);
    EXPECT_EQ(list.Text(), entry);
    EXPECT_EQ(list.List(0), entry);
    EXPECT_EQ(combo.Text(), entry);
    list.setShownLength(-3);
    EXPECT_EQ(list.ShownLength(), 0);
}

TEST_F(ListControlsTest, AListBoxChoiceRaisesClickAndItsTextIsTheEntrys) {
    fill({"rye", "oats"});
    list.userChose(1);
    list.userChose(1);
    EXPECT_EQ(list.Text(), "oats");
    list.setListIndex(5);
    EXPECT_EQ(list.ListIndex(), -1) << "outside the list: none chosen";
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(form.log, (Log{"lst.GotFocus", "lst.Click 1", "lst.Click 1"}));
}

TEST_F(ListControlsTest, ChoicesAndDropDownsNeedAnEnabledVisibleBoxThatKeepsTheFocus) {
    fill({"rye", "oats"});
    list.setEnabled(false);
    list.userChose(1);
    // A focus handler that disables the box cancels the choice, as it does a click.
    combo.onGotFocus = [&] { combo.setEnabled(false); };
    combo.userChose(1);
    combo.userDroppedDown();
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(form.log, Log{});

    combo.setEnabled(true);
    combo.userDroppedDown();
    combo.userEdited("bran");
    EXPECT_EQ(form.log, (Log{"cbo.DropDown", "cbo.Change bran"}));
}

TEST_F(ListControlsTest, AFailingChoiceHandlerIsReportedAndTheBoxStillWorks) {
    fill({"rye", "oats"});
    combo.onClick = [] { throw std::runtime_error("no such food"); };
    desk.desktop.dialogs.expectFailure("Sample.cboFoods_Click");
    combo.userChose(0);
    EXPECT_EQ(combo.ListIndex(), 0) << "the choice stands";
    ASSERT_EQ(desk.desktop.dialogs.failures().size(), 1u);
    EXPECT_EQ(desk.desktop.dialogs.failures()[0].reason, "no such food");
    list.userChose(1);
    EXPECT_EQ(form.log.back(), "lst.Click 1");
}

}  // namespace
}  // namespace ui::testing
