// The Recipe Select screen over a cookbook written by the recipe store.
#include <algorithm>

#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "select_fixture.h"
#include "shopping/select/list_cookbook.h"

namespace shopping::testing {
namespace {

using platform::answer::OK;

const int Breads = recipes::RecipeTypeNumber("Breads").value();
const int Soups = recipes::RecipeTypeNumber("Soups and sauces").value();

recipes::RecipeRecord Biscuits() {
    recipes::RecipeRecord record;
    record.ingredients[0] = "Flour (sifted)";
    record.amounts[0] = "2.5";
    record.units[0] = "cups";
    record.ingredients[2] = "baking powder";  // line 2 is empty: this box moves up
    record.amounts[2] = "1.34";
    record.units[2] = "Tbsp";
    record.ingredients[3] = "Salt";
    record.units[3] = "pinch";
    record.marker = "Full1";
    return record;
}

class RecipeSelectTest : public SelectTest {
protected:
    RecipeSelectTest() {
        save(1, Breads, "Biscuits", Biscuits());
        recipes::RecipeRecord soup;
        soup.ingredients[0] = "Leeks";
        soup.amounts[0] = "3";
        soup.marker = "Full1";
        save(1, Breads, "Anadama Bread", soup);
        save(3, Breads, "Corn Bread", soup);
    }

    void save(int cookbook, int type, const char* name, const recipes::RecipeRecord& record) {
        recipes::RecipeStore store(app().folder(), cookbook);
        ASSERT_TRUE(store.SaveNew(type, name, record).ok());
    }
    // The window's loading, then the screen opened.
    void open() {
        LoadListCookbook(app());
        recipe.mOR_Click();
    }
    void chooseType(int type) {
        const auto& types = recipe.Combo2->items();
        const auto at = std::find(types.begin(), types.end(), recipes::RecipeTypeName(type)) - types.begin();
        recipe.Combo2->userChose(static_cast<int>(at));
    }
    std::vector<std::string> recipeNames() const {
        std::vector<std::string> names;
        for (const std::string& entry : recipe.Combo3->items()) names.push_back(recipes::EntryName(entry));
        return names;
    }
    void chooseRecipe(const std::string& name) {
        const auto names = recipeNames();
        recipe.Combo3->userChose(static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin()));
    }
    ui::CheckBox& box(int b) { return *recipe.SSCheck2[static_cast<std::size_t>(b)]; }
    ui::CommandButton& button(int index) { return *recipe.Command1[static_cast<std::size_t>(index)]; }
    std::vector<std::string> shownCaptions() {
        std::vector<std::string> captions;
        for (ui::CheckBox* b : recipe.SSCheck2)
            if (b->Visible()) captions.push_back(b->Caption());
        return captions;
    }
    void showBiscuits() {
        open();
        chooseType(Breads);
        chooseRecipe("Biscuits");
    }
};

TEST_F(RecipeSelectTest, OpeningListsTheTypesAndNamesTheCookbookInTheStatusBar) {
    writeFile("GColor4.Fil", textRecord(" 1", 40) + textRecord(" Everyday ", 40));
    open();
    EXPECT_TRUE(recipe.isOpen());
    EXPECT_TRUE(recipe.SSPanel5->Visible());
    EXPECT_EQ(window.screens, std::vector<std::string>{"Recipe Select shown"});
    ASSERT_EQ(recipe.Combo2->ListCount(), recipes::RecipeTypeCount);
    EXPECT_EQ(recipe.Combo2->List(0), "Appetizers and beverages");
    EXPECT_EQ(recipe.Combo2->List(21), "Vegetables");
    EXPECT_EQ(window.status, WindowCaption + "     Recipe Select from Cookbook #1 - Everyday");
    EXPECT_EQ(runtime().focusedControl(), &button(LeaveRecipeSelectButton));
    EXPECT_FALSE(button(AddIngredientNamesButton).Enabled());
    EXPECT_FALSE(button(AddWithAmountsButton).Enabled());

    recipe.mOR_Click();
    EXPECT_FALSE(recipe.SSPanel5->Visible());
    EXPECT_EQ(window.screens.back(), "Recipe Select hidden");
    EXPECT_EQ(window.status, WindowCaption);
}

TEST_F(RecipeSelectTest, ARecipesIngredientsShowAsBoxesWithTheirAmounts) {
    showBiscuits();
    EXPECT_EQ(recipeNames(), (std::vector<std::string>{"Anadama Bread", "Biscuits"}));
    EXPECT_EQ(shownCaptions(), (std::vector<std::string>{"Flour  => 2 1/2 cups      ",
                                                         "Baking powder => 1 1/3 Tbsp      ", "Salt  pinch     "}));
    EXPECT_TRUE(recipe.Label8->Visible());
    EXPECT_EQ(recipe.Label8->Caption(), "Ingredients => Amount Needed:");
    EXPECT_EQ(runtime().focusedControl(), &button(LeaveRecipeSelectButton));

    click(box(0));
    EXPECT_TRUE(button(AddIngredientNamesButton).Enabled());
    EXPECT_TRUE(button(AddWithAmountsButton).Enabled());
    click(box(0));
    EXPECT_FALSE(button(AddWithAmountsButton).Enabled());
}

TEST_F(RecipeSelectTest, AddingWithAmountsPutsTheAmountBesideTheItem) {
    showBiscuits();
    click(box(0));
    click(box(2));
    click(button(AddWithAmountsButton));
    EXPECT_EQ(window.list.EntryLines(),
              (std::vector<std::string>{"Flour" + std::string(25, ' ') + "2 1/2 cups", "Salt"}));
    EXPECT_FALSE(recipe.isOpen());
    EXPECT_FALSE(recipe.SSPanel5->Visible());
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{});
    EXPECT_EQ(recipe.Combo3->ListCount(), 0);
    EXPECT_FALSE(recipe.Label8->Visible());
    EXPECT_EQ(window.status, WindowCaption);
}

TEST_F(RecipeSelectTest, AddingNamesOnlyLeavesTheAmountsOut) {
    showBiscuits();
    click(box(0));
    click(box(1));
    click(button(AddIngredientNamesButton));
    EXPECT_EQ(window.list.EntryLines(), (std::vector<std::string>{"Flour", "Baking powder"}));
    EXPECT_FALSE(recipe.isOpen());
}

TEST_F(RecipeSelectTest, LeavingWithoutAddingAddsNothingAndStartsAfreshNextTime) {
    showBiscuits();
    click(box(1));
    click(button(LeaveRecipeSelectButton));
    EXPECT_EQ(window.adds, 0);
    EXPECT_FALSE(recipe.isOpen());
    recipe.mOR_Click();
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{});
    EXPECT_EQ(recipe.Combo3->ListCount(), 0);
}

TEST_F(RecipeSelectTest, TheRecipeListBeforeATypeAsksForTheTypeFirst) {
    open();
    desktop.dialogs.expectMessage("Recipe Select", OK);
    click(*recipe.Combo3);
    ASSERT_EQ(desktop.dialogs.messages().size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages()[0].text, "First Select Recipe Type!");
    EXPECT_EQ(desktop.dialogs.messages()[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(runtime().focusedControl(), recipe.Combo2);
}

TEST_F(RecipeSelectTest, ATypeWithoutRecipesGivesAnEmptyListAndChoosingAnotherTypeEmptiesTheBoxes) {
    showBiscuits();
    chooseType(Soups);
    EXPECT_EQ(recipe.Combo3->ListCount(), 0);
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{});
    EXPECT_FALSE(button(AddWithAmountsButton).Enabled());
}

TEST_F(RecipeSelectTest, AMissingCookbookRecordReadsCookbookOne) {
    ASSERT_FALSE(exists("GColor4.Fil"));
    open();
    chooseType(Breads);
    EXPECT_EQ(recipeNames(), (std::vector<std::string>{"Anadama Bread", "Biscuits"}));
}

TEST_F(RecipeSelectTest, ChoosingACookbookStoresItAndStartsTheScreenAfresh) {
    writeFile("GColor4.Fil",
              textRecord(" 1", 40) + textRecord("Everyday", 40) + textRecord("Spare", 40) + textRecord("Holidays", 40));
    showBiscuits();
    click(box(0));
    recipe.mOCB1_Click(3);
    EXPECT_EQ(record("GColor4.Fil", 40, 11), textRecord(" 3", 40));
    EXPECT_EQ(ListCookbook(app()).ListCookbookNumber, 3);
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{});
    EXPECT_FALSE(recipe.Label8->Visible());
    EXPECT_EQ(recipe.Combo2->ListIndex(), -1);
    EXPECT_EQ(recipe.Combo2->ListCount(), recipes::RecipeTypeCount);
    EXPECT_EQ(recipe.Combo3->ListCount(), 0);
    EXPECT_EQ(runtime().focusedControl(), recipe.Combo2);
    EXPECT_EQ(window.status, WindowCaption + "     Recipe Select from Cookbook #3 - Holidays");

    chooseType(Breads);
    EXPECT_EQ(recipeNames(), std::vector<std::string>{"Corn Bread"});
}

TEST_F(RecipeSelectTest, AnEntryThatNamesNoRecordIsNotOffered) {
    // An index entry pointing at record 0, then a sound one.
    writeFile(recipes::RecipeIndexFileName(Soups, 1), textRecord(recipes::MakeIndexEntry("Ghost Soup", 0), 60) +
                                                          textRecord(recipes::MakeIndexEntry("Anadama Bread", 2), 60));
    open();
    chooseType(Soups);
    EXPECT_EQ(recipeNames(), std::vector<std::string>{"Anadama Bread"});
}

TEST_F(RecipeSelectTest, CaptionsAndTheLongestIngredientShowWhole) {
    recipes::RecipeRecord record;
    for (std::size_t k = 0; k < recipes::IngredientLineCount; ++k) {
        record.ingredients[k] = std::string(recipes::field::IngredientWidth, 'W');
        record.amounts[k] = "12.75";
        record.units[k] = "Package(s)";
    }
    record.marker = "Full1";
    save(1, Soups, "Long Lines", record);
    open();
    chooseType(Soups);
    chooseRecipe("Long Lines");
    EXPECT_EQ(shownCaptions().size(), 20u);
    EXPECT_EQ(cutCaptions(*recipe.SSPanel5), std::vector<std::string>{});
    for (const std::string_view type : recipes::RecipeTypeList)
        EXPECT_LE(runtime().measureText(recipe.Combo2->font(), type).width + 300, recipe.Combo2->Width()) << type;
}

TEST_F(RecipeSelectTest, TheListsKeepTheirWidthsOverRepeatedActivations) {
    app().vars.DisplayMode = shell::FullScreenDisplay;
    open();
    const int typeWidth = recipe.Combo2->Width(), recipeWidth = recipe.Combo3->Width();
    for (int i = 0; i < 4; ++i) {
        runtime().userActivated(window);
        recipe.mOR_Click();
        recipe.mOR_Click();
    }
    EXPECT_EQ(recipe.Combo2->Width(), typeWidth);
    EXPECT_EQ(recipe.Combo3->Width(), recipeWidth);
    // Laid out to hold the longest type and a recipe name whole.
    EXPECT_GE(typeWidth, 3000);
    EXPECT_GE(recipeWidth, 4000);
}

}  // namespace
}  // namespace shopping::testing
