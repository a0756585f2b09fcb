// The recipe window's searches: the panels, the result grids and opening a result.
#include "platform/ui/keys.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using platform::answer::Cancel;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

class RecipeSearchPanelTest : public testing::RecipeWindowFixture {
protected:
    RecipeSearchPanelTest() {
        writeFile("Recipe2.db1",
                  std::string(RecordBytes().line(1, "2", "cups", "flour").line(2, "2", "", "eggs")) +  // 1
                      std::string(RecordBytes().line(1, "1", "lb.", "potatoes")) +                     // 2
                      std::string(RecordBytes().line(1, "1", "", "lamb")) +                            // 3
                      std::string(RecordBytes().line(1, "1", "cup", "flour")));                        // 4
        writeFile("Pastnfil.db1", IndexFileBytes({EntryText("Shepherdspie", 3), EntryText("Apple Pie", 1)}));
        writeFile("Appenfil.db1", IndexFileBytes({EntryText("Pierogi", 2)}));
        writeFile("Breanfil.db1", IndexFileBytes({EntryText("Scones", 4)}));
    }
    void openNameSearch(Form5& w) {
        runtime().userClick(*w.Command16);
        ASSERT_TRUE(w.SSPanel6->Visible());
        runtime().userClick(*w.Command11);
        ASSERT_TRUE(w.SSPanel2->Visible());
    }
    std::vector<std::string> rows(const ui::Grid& grid) {
        std::vector<std::string> found;
        for (int row = 1; row < grid.Rows(); ++row)
            found.push_back(grid.TextMatrix(row, 0) + "|" + EntryName(grid.TextMatrix(row, 1)));
        return found;
    }
};

TEST_F(RecipeSearchPanelTest, TheNameSearchListsWhatItFoundAndCountsIt) {
    Form5& w = open();
    openNameSearch(w);
    w.Text10->userEdited(" pie");
    runtime().userClick(*w.Command14);
    EXPECT_EQ(rows(*w.Grid1),
              (std::vector<std::string>{"Appetizers and beverages|Pierogi", "Pastry and Pies|Apple Pie"}));
    EXPECT_EQ(w.Label32->Caption(), "Number of Recipe Matches Found: 2");
    EXPECT_TRUE(w.Grid1->Visible());
    w.Text10->userEdited("pie");
    runtime().userClick(*w.Command14);
    EXPECT_EQ(rows(*w.Grid1).size(), 3u);
    w.Text10->userEdited("1");
    runtime().userClick(*w.Command14);
    EXPECT_TRUE(w.SSPanel7->Visible()) << "a digit never matches a record number";
    runtime().userClick(*w.Command17);
    EXPECT_EQ(rows(*w.Grid1).size(), 4u);
    EXPECT_EQ(w.Text10->Text(), "");
    EXPECT_EQ(w.Grid1->TextMatrix(0, 0), "Type Recipe");
}

TEST_F(RecipeSearchPanelTest, AResultChosenByKeysAfterASortOpensThatRecipe) {
    Form5& w = open();
    openNameSearch(w);
    runtime().userClick(*w.Command17);
    w.Grid1->userSortedColumn(1);  // by name: Apple Pie, Pierogi, Scones, Shepherdspie
    w.Grid1->userChoseCell(1, 1);
    w.Grid1->userMovedCell(3, 1);
    EXPECT_TRUE(w.Command15->Enabled());
    runtime().userClick(*w.Command15);
    EXPECT_FALSE(w.SSPanel2->Visible());
    EXPECT_TRUE(w.Panel3D1->Visible());
    EXPECT_EQ(w.Combo1->Text(), "Breads");
    EXPECT_EQ(w.state().CurrentRecordNumber, 4);
    EXPECT_EQ(w.Text5[0]->Text(), "flour");
    EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");
    EXPECT_TRUE(w.mOCB->Enabled()) << "the cookbook menus are back";
}

TEST_F(RecipeSearchPanelTest, AHitWhoseNameStartsWithBlanksOpensAndSavesItsOwnRecord) {
    // "  Apple Pie" in record 12: its text without the blanks ends in "12"
    // one place earlier, where "2" alone would name the potatoes' record.
    for (int k = 5; k <= 11; ++k)
        testing::WriteAt(folder / "Recipe2.db1", (k - 1) * 2045ull, std::string(RecordBytes()));
    testing::WriteAt(folder / "Recipe2.db1", 11 * 2045ull, std::string(RecordBytes().line(1, "3", "", "apples")));
    writeFile("Pastnfil.db1",
              IndexFileBytes({EntryText("Shepherdspie", 3), EntryText("Apple Pie", 1), EntryText("  Apple Pie", 12)}));
    const std::string potatoes = record("Recipe2.db1", 2045, 2);
    Form5& w = open();
    openNameSearch(w);
    w.Text10->userEdited("apple");
    runtime().userClick(*w.Command14);
    ASSERT_EQ(w.Grid1->Rows(), 3);
    w.Grid1->userSortedColumn(1);
    int blanksRow = 0;
    for (int row = 1; row < w.Grid1->Rows(); ++row)
        if (w.Grid1->TextMatrix(row, 1).size() == 52) blanksRow = row;  // the entry that lost its two blanks
    ASSERT_NE(blanksRow, 0);
    w.Grid1->userChoseCell(blanksRow, 1);
    runtime().userClick(*w.Command15);
    EXPECT_EQ(w.state().CurrentRecordNumber, 12);
    EXPECT_EQ(w.Text5[0]->Text(), "apples");
    EXPECT_EQ(EntryRecordNumber(w.Combo2->List(w.state().CurrentListIndex)), 12)
        << "delete and rename act on this entry";

    runtime().userClick(*w.Command5);  // Modify
    runtime().userFocused(*w.Text5[0]);
    w.Text5[0]->userEdited("green apples");
    runtime().userClick(*w.Command6);  // Save
    EXPECT_EQ(record("Recipe2.db1", 2045, 12), std::string(RecordBytes().line(1, "3", "", "green apples")));
    EXPECT_EQ(record("Recipe2.db1", 2045, 2), potatoes) << "no other recipe is written over";
}

TEST_F(RecipeSearchPanelTest, TheIngredientSearchCombinesItsWords) {
    Form5& w = open();
    runtime().userClick(*w.Command16);
    runtime().userClick(*w.Command12);
    w.Text12->userEdited("");
    w.Text13->userEdited("flour");
    w.Text14->userEdited("egg");
    EXPECT_TRUE(w.Frame1->Enabled());
    runtime().userClick(*w.Command22);
    EXPECT_EQ(w.Text12->Text(), "flour") << "the words move up, none lost";
    EXPECT_EQ(w.Text13->Text(), "egg");
    EXPECT_EQ(rows(*w.Grid2), std::vector<std::string>{"Pastry and Pies|Apple Pie"});
    EXPECT_EQ(w.Label7->Caption(), "All Recipes - Number of Ingredient Matches Found: 1");
    runtime().userClick(*w.SSOption1[1]);
    runtime().userClick(*w.Command22);
    EXPECT_EQ(rows(*w.Grid2).size(), 2u) << "either word";

    desktop.dialogs.expectMessage("Search");
    runtime().userClick(*w.Command19);  // no type chosen
    w.Combo7->setText("../../Passwords");
    desktop.dialogs.expectMessage("Search");
    runtime().userClick(*w.Command19);
    EXPECT_FALSE(std::filesystem::exists(folder / "../../Passnfil.db1"));
    w.Combo7->setText("Breads");
    runtime().userClick(*w.Command19);
    EXPECT_EQ(rows(*w.Grid2), std::vector<std::string>{"Breads|Scones"});
}

// Enter in the boxes searches the chosen type; in the result grid it searches
// again until the user chooses a row, and then opens that row.
TEST_F(RecipeSearchPanelTest, EnterInTheIngredientPanelSearchesOrOpensTheChosenResult) {
    Form5& w = open();
    const auto enter = [&] {
        if (!runtime().userKeyDown(w, ui::keys::Return, 0)) runtime().userKeyPress(w, ui::keys::Return);
    };
    runtime().userClick(*w.Command16);
    runtime().userClick(*w.Command12);
    runtime().userFocused(*w.Text12);
    w.Text12->userEdited("flour");
    w.Combo7->setText("Breads");
    enter();
    EXPECT_EQ(w.Text12->Text(), "flour") << "Enter is not typed";
    EXPECT_EQ(rows(*w.Grid2), std::vector<std::string>{"Breads|Scones"});
    EXPECT_EQ(runtime().focusedControl(), w.Command19);

    w.Combo7->setText("Pastry and Pies");
    runtime().userFocused(*w.Grid2);
    enter();
    EXPECT_TRUE(w.SSPanel8->Visible()) << "no row chosen yet: Enter searches";
    EXPECT_EQ(rows(*w.Grid2), std::vector<std::string>{"Pastry and Pies|Apple Pie"});

    runtime().userFocused(*w.Grid2);
    w.Grid2->userMovedCell(1, 1);
    enter();
    EXPECT_FALSE(w.SSPanel8->Visible());
    EXPECT_TRUE(w.Panel3D1->Visible());
    EXPECT_EQ(w.Combo1->Text(), "Pastry and Pies");
    EXPECT_EQ(w.state().CurrentRecordNumber, 1);
    EXPECT_EQ(w.Text5[0]->Text(), "flour");
    EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");
}

TEST_F(RecipeSearchPanelTest, SearchingATypeWithoutRecipesSaysSo) {
    writeFile("Cooknfil.db1", testing::IndexRecordBytes(""));  // an empty entry alone
    writeFile("Breanfil.db1", IndexFileBytes({"", EntryText("Scones", 4)}));
    Form5& w = open();
    runtime().userClick(*w.Command16);
    runtime().userClick(*w.Command12);
    w.Text12->userEdited("flour");
    for (const char* type : {"Cookies", "Dips"}) {  // an empty index and none at all
        w.Combo7->setText(type);
        desktop.dialogs.expectMessage("Recipe Files");
        runtime().userClick(*w.Command19);
        EXPECT_EQ(desktop.dialogs.messages().back().text, std::string("No Recipes for ") + type + " were found!");
        EXPECT_FALSE(w.SSPanel9->Visible()) << type;
        EXPECT_TRUE(w.SSPanel8->Visible()) << "the panel stays open";
    }
    w.Combo7->setText("Breads");
    runtime().userClick(*w.Command19);
    EXPECT_EQ(rows(*w.Grid2), std::vector<std::string>{"Breads|Scones"}) << "an empty first entry hides nothing";
}

TEST_F(RecipeSearchPanelTest, CancellingTheSaveQuestionKeepsTheCookbookMenusAsTheyWere) {
    Form5& w = open();
    w.state().RecipeChanged = true;
    desktop.dialogs.expectMessage("Recipe File", Cancel);
    runtime().userClick(*w.Command16);
    EXPECT_FALSE(w.SSPanel6->Visible());
    EXPECT_TRUE(w.mOCB->Enabled());
    EXPECT_TRUE(w.mOCBTle->Enabled());
}

}  // namespace
}  // namespace recipes
