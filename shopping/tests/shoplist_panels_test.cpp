// The panels that open over the shopping list window, seen through the
// window: the select screens, the grid background selector, the print
// preview with the list's print options, the copy and the list file dialog.
#include <algorithm>

#include "platform/basic/numbers.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_store.h"
#include "shell/grid_colors.h"
#include "shell/settings_files.h"
#include "shopping/list_dialog/open1.h"
#include "shopping/select/list_cookbook.h"
#include "shopping/select/tests/select_fixture.h"
#include "shopping/shopping_help.h"
#include "shopping/tests/shoplist_fixture.h"

namespace shopping {
namespace {

using platform::answer::No;
using platform::answer::OK;
using platform::answer::Yes;

class ShoplistPanelsTest : public testing::ShoplistFixture {
protected:
    void click(ui::Control& control) { runtime().userClick(control); }
    void tick(Shoplist& w, std::string_view caption) {
        const auto& captions = QuickItemCaptions;
        const auto at = std::find(captions.begin(), captions.end(), caption) - captions.begin();
        ASSERT_LT(at, QuickItemCount) << caption;
        click(*w.quickSelect().SSCheck1[static_cast<std::size_t>(at)]);
    }
    // The menus a select screen turns off, which must all come back.
    static std::vector<ui::Menu*> listMenus(Shoplist& w) {
        return {w.mON, w.mOP, w.mODeLst, w.mOPrt, w.mOBC, w.mOTC, w.mOC, w.mOR, w.mOSel};
    }
    std::vector<std::string> pageTexts(Shoplist& w) {
        std::vector<std::string> texts;
        for (const ui::Page& page : w.preview().document().pages())
            for (const ui::TextRun& run : page.runs) texts.push_back(run.text);
        return texts;
    }
};

TEST_F(ShoplistPanelsTest, QuickSelectAddsTheTickedItemsAfterTheListAndGivesTheMenusBack) {
    Shoplist& w = open();
    addItem(w, "Milk");
    click(*w.Command1[Shoplist::QuickSelectButton]);
    QuickSelectPanel& quick = w.quickSelect();
    ASSERT_TRUE(quick.isOpen());
    EXPECT_TRUE(quick.SSPanel1->Visible());
    EXPECT_TRUE(w.mOSel->Checked());
    for (ui::Menu* item : {w.mON, w.mOS, w.mOR}) EXPECT_FALSE(item->Enabled()) << item->name();

    tick(w, "Eggs");
    tick(w, "Butter");
    click(*quick.Command1[AddQuickSelectionsButton]);

    EXPECT_FALSE(quick.isOpen());
    EXPECT_FALSE(quick.SSPanel1->Visible());
    // In the screen's own order, after what the list held; the master list keeps only the typed item.
    EXPECT_EQ(items(w), (std::vector<std::string>{"  Milk", "  Butter", "  Eggs"}));
    EXPECT_EQ(w.masterList().Count(), 1);
    EXPECT_TRUE(w.state().ListChanged);
    EXPECT_FALSE(w.mOSel->Checked());
    for (ui::Menu* item : listMenus(w)) EXPECT_TRUE(item->Enabled()) << item->name();
    EXPECT_TRUE(w.mOS->Enabled());
    EXPECT_FALSE(quick.SSCheck1[2]->Value()) << "an added item is unticked";
}

TEST_F(ShoplistPanelsTest, BothScreensShowEveryCaptionWholeInTheWindowsPlace) {
    Shoplist& w = open();
    EXPECT_EQ(testing::CutCaptions(runtime(), w, *w.quickSelect().SSPanel1), std::vector<std::string>{});
    EXPECT_EQ(testing::CutCaptions(runtime(), w, *w.recipeSelect().SSPanel5), std::vector<std::string>{});
}

TEST_F(ShoplistPanelsTest, TheCookbookMenuChoosesTheCookbookRecipeSelectReads) {
    recipes::RecipeRecord bread;
    bread.ingredients[0] = "Cornmeal";
    bread.amounts[0] = "2";
    bread.units[0] = "cups";
    bread.marker = "Full1";
    const int breads = recipes::RecipeTypeNumber("Breads").value();
    ASSERT_TRUE(recipes::RecipeStore(app().folder(), 3).SaveNew(breads, "Corn Bread", bread).ok());
    ASSERT_TRUE(shell::settings::WriteText(app().folder(), ListCookbookTitleRecord(3), "Holidays"));

    Shoplist& w = open();
    EXPECT_FALSE(w.mOCB->Enabled());
    runtime().userMenu(*w.mOR);
    RecipeSelectPanel& recipe = w.recipeSelect();
    ASSERT_TRUE(recipe.isOpen());
    EXPECT_TRUE(w.mOCB->Enabled());
    EXPECT_FALSE(w.mOSel->Enabled());

    runtime().userMenu(*w.mOCB1[2]);
    EXPECT_EQ(ListCookbook(app()).ListCookbookNumber, 3);
    EXPECT_EQ(basic::Val(shell::settings::ReadText(app().folder(), ListCookbookRecord).value_or("")), 3);
    for (int k = 0; k < ListCookbookCount; ++k) EXPECT_EQ(w.mOCB1[static_cast<std::size_t>(k)]->Checked(), k == 2) << k;
    EXPECT_NE(w.StatusBar1->Panel(1).text.find("Cookbook #3 - Holidays"), std::string::npos);

    const auto& types = recipe.Combo2->items();
    recipe.Combo2->userChose(static_cast<int>(std::find(types.begin(), types.end(), "Breads") - types.begin()));
    ASSERT_EQ(recipe.Combo3->ListCount(), 1);
    recipe.Combo3->userChose(0);
    click(*recipe.SSCheck2[0]);
    click(*recipe.Command1[AddIngredientNamesButton]);
    EXPECT_EQ(items(w), (std::vector<std::string>{"  Cornmeal"}));
    EXPECT_FALSE(w.mOCB->Enabled());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());

    // The choice outlives the window.
    desktop.dialogs.expectMessage("Grocery List", No);
    runtime().userClick(*w.Command1[Shoplist::ExitButton]);
    Shoplist& again = open();
    EXPECT_TRUE(again.mOCB1[2]->Checked());
    EXPECT_FALSE(again.mOCB1[0]->Checked());
}

TEST_F(ShoplistPanelsTest, EscLeavesAnOpenSelectScreenOrTheSelectorBeforeTheWindow) {
    Shoplist& w = open();
    for (ui::Menu* opener : {w.mOSel, w.mOR}) {
        runtime().userMenu(*opener);
        ASSERT_TRUE(w.quickSelect().isOpen() || w.recipeSelect().isOpen()) << opener->name();
        pressKey(w, ui::keys::Escape);
        EXPECT_FALSE(w.quickSelect().isOpen());
        EXPECT_FALSE(w.recipeSelect().isOpen());
        EXPECT_TRUE(w.isLoaded());
        for (ui::Menu* item : listMenus(w)) EXPECT_TRUE(item->Enabled()) << item->name();
    }
    // Ticks left behind by leaving without adding add nothing.
    runtime().userMenu(*w.mOSel);
    tick(w, "Milk");
    pressKey(w, ui::keys::Escape);
    EXPECT_TRUE(items(w).empty());

    runtime().userMenu(*w.mOBC);
    ASSERT_TRUE(w.gridBackgroundSelector().isOpen());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.gridBackgroundSelector().isOpen());
    EXPECT_TRUE(w.isLoaded());
    pressKey(w, ui::keys::Escape);
    EXPECT_FALSE(w.isLoaded());
}

TEST_F(ShoplistPanelsTest, TheSelectorTakesOverFromAnOpenSelectScreenAndTheOtherWayRound) {
    Shoplist& w = open();
    runtime().userMenu(*w.mOSel);
    w.Toolbar2->userPressed(4);  // the toolbar works while a screen is open
    EXPECT_TRUE(w.gridBackgroundSelector().isOpen());
    EXPECT_FALSE(w.quickSelect().isOpen());
    for (ui::Menu* item : listMenus(w)) EXPECT_TRUE(item->Enabled()) << item->name();

    runtime().userMenu(*w.mOR);
    EXPECT_TRUE(w.recipeSelect().isOpen());
    EXPECT_FALSE(w.gridBackgroundSelector().isOpen());
}

TEST_F(ShoplistPanelsTest, APictureChosenInTheSelectorIsSavedWithThePanelColourOnYes) {
    for (int k = 1; k <= shell::GridBackgroundSelector::PictureCount; ++k)
        writePicture("WP" + std::to_string(k) + ".jpg");
    ASSERT_TRUE(shell::settings::WriteText(app().folder(), shell::settings::SharedGridBackgroundRecord, "Default"));
    Shoplist& w = open();
    shell::GridBackgroundSelector& selector = w.gridBackgroundSelector();
    EXPECT_EQ(w.Grid1->BackColor(), w.Text2->BackColor());

    w.Toolbar2->userPressed(4);
    ASSERT_TRUE(selector.isOpen());
    click(*selector.Image3[2]);
    click(*selector.Command16[shell::GridBackgroundSelector::UseAbove]);
    EXPECT_FALSE(selector.isOpen());
    EXPECT_TRUE(w.state().ColorsChanged);

    desktop.dialogs.expectMessage("Color Changes", Yes);
    click(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(shell::settings::ReadText(app().folder(), shell::settings::SharedGridBackgroundRecord), "WP3");
    EXPECT_EQ(shell::settings::ReadText(app().folder(), shell::settings::SharedGridTextColorRecord),
              shell::ColorText(0));
}

TEST_F(ShoplistPanelsTest, NoToTheColourQuestionKeepsTheStoredBackground) {
    writePicture("WP5.jpg");
    ASSERT_TRUE(shell::settings::WriteText(app().folder(), shell::settings::SharedGridBackgroundRecord, "Default"));
    Shoplist& w = open();
    runtime().userMenu(*w.mOBC);
    click(*w.gridBackgroundSelector().Image3[4]);
    click(*w.gridBackgroundSelector().Command16[shell::GridBackgroundSelector::UseAbove]);
    desktop.dialogs.expectMessage("Color Changes", No);
    click(*w.Command1[Shoplist::ExitButton]);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(shell::settings::ReadText(app().folder(), shell::settings::SharedGridBackgroundRecord), "Default");
}

TEST_F(ShoplistPanelsTest, F1OpensTheTopicOfTheOpenScreen) {
    Shoplist& w = open();
    auto f1 = [&] {
        runtime().userKeyDown(w, ui::keys::F1, 0);
        return desktop.help.requests().back().topic;
    };
    runtime().userMenu(*w.mOSel);
    EXPECT_EQ(f1(), help::QuickSelect);
    pressKey(w, ui::keys::Escape);
    runtime().userMenu(*w.mOR);
    EXPECT_EQ(f1(), help::RecipeSelect);
    runtime().userMenu(*w.mH);
    EXPECT_EQ(desktop.help.requests().back().topic, help::RecipeSelect);
    pressKey(w, ui::keys::Escape);
    EXPECT_EQ(f1(), help::ShoppingList);
}

TEST_F(ShoplistPanelsTest, ThePreviewShowsTheListAndItsOptionsLayItOutAgain) {
    Shoplist& w = open();
    app().vars.FamilyName = "Smith";
    for (const char* item : {"Milk", "Bread", "Eggs", "Flour", "Sugar", "Salt"}) addItem(w, item);
    enterAmount(w, 1, "2 Gallon(s)");
    ASSERT_TRUE(w.SSCheck80->Value());
    ASSERT_TRUE(w.SSCheck81->Value());

    click(*w.Command1[Shoplist::PrintButton]);
    ASSERT_TRUE(w.preview().isOpen());
    const auto texts = pageTexts(w);
    auto shows = [](const std::vector<std::string>& texts, std::string_view part) {
        return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(part) != t.npos; });
    };
    for (const char* expected : {"[   ]  Milk", "2 Gallon(s)", "[   ]  Salt", "Wednesday, December 08, 2004", "Smith"})
        EXPECT_TRUE(shows(texts, expected)) << expected;
    const std::size_t linesWithDividers = w.preview().document().pages().front().lines.size();

    click(*w.SSCheck80);
    EXPECT_FALSE(w.state().PrintDividerLines);
    EXPECT_LT(w.preview().document().pages().front().lines.size(), linesWithDividers);
    click(*w.SSCheck81);
    EXPECT_FALSE(w.state().PrintDateOnEachPage);
    EXPECT_FALSE(shows(pageTexts(w), "Wednesday, December 08, 2004"));
    EXPECT_TRUE(shows(pageTexts(w), "[   ]  Salt"));

    // The next opening starts with both options ticked again, without laying anything out.
    w.preview().Cancel();
    desktop.dialogs.expectMessage("Grocery List", No);
    click(*w.Command1[Shoplist::ExitButton]);
    Shoplist& again = open();
    EXPECT_TRUE(again.SSCheck80->Value());
    EXPECT_TRUE(again.state().PrintDividerLines);
    EXPECT_TRUE(again.state().PrintDateOnEachPage);
}

TEST_F(ShoplistPanelsTest, TheWorksheetIsItsOwnPage) {
    Shoplist& w = open();
    runtime().userMenu(*w.mOW);
    const auto texts = pageTexts(w);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Shopping List Worksheet"), texts.end());
    EXPECT_EQ(w.preview().document().PageCount(), 1);
}

TEST_F(ShoplistPanelsTest, CopyPutsTheListOnTheClipboardAndSaysSo) {
    Shoplist& w = open();
    addItem(w, "Milk");
    addItem(w, "Bread");
    enterAmount(w, 1, "2 Gallon(s)");
    desktop.dialogs.expectMessage("Copy Option", OK);
    runtime().userMenu(*w.mE);
    runtime().userMenu(*w.mECopy);
    const std::string& text = desktop.clipboard.text;
    EXPECT_TRUE(text.starts_with("Shopping List\r\nWednesday, December 08, 2004\r\n\r\n          Grocery Items"))
        << text;
    EXPECT_NE(text.find("  Milk "), std::string::npos) << "filled with blanks";
    EXPECT_NE(text.find("\t2 Gallon(s)\r"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\t\r")) << "Bread has no amount";
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Data has been copied to the Windows Clipboard.");
}

class ListDialogThroughTheWindowTest : public ShoplistPanelsTest {
protected:
    // The list file dialog, where the user picks name and presses OK.
    void pickInDialog(const std::string& name) {
        desktop.windows.onModal("Open1", [this, name](ui::Form& form) {
            auto& dialog = static_cast<Open1&>(form);
            const auto& files = dialog.File1->items();
            const auto found = std::find(files.begin(), files.end(), name);
            ASSERT_NE(found, files.end()) << name;
            dialog.File1->userChose(static_cast<int>(found - files.begin()));
            runtime().userClick(*dialog.Command1);
        });
    }
};

TEST_F(ListDialogThroughTheWindowTest, AListSavedOpensAndIsDeletedThroughTheDialog) {
    Shoplist& w = open();
    addItem(w, "Milk");
    addItem(w, "Eggs");
    click(*w.Command1[Shoplist::SaveButton]);
    ASSERT_TRUE(exists("08Dec04.Lst"));
    runtime().userMenu(*w.mON);  // saved: no question
    ASSERT_TRUE(items(w).empty());

    pickInDialog("08Dec04.Lst");
    runtime().userMenu(*w.mOP);
    EXPECT_EQ(items(w), (std::vector<std::string>{"  Milk", "  Eggs"}));
    EXPECT_EQ(w.Text1[Shoplist::DateBox]->Text(), "12/08/04");
    EXPECT_FALSE(w.state().ListChanged);

    pickInDialog("08Dec04.Lst");
    desktop.dialogs.expectMessage("Delete File", Yes);
    w.Toolbar2->userPressed(3);
    EXPECT_FALSE(exists("08Dec04.Lst"));
    EXPECT_EQ(app().loadedWindow<Open1>(), nullptr);

    // With no list files left the window says so and no dialog shows.
    desktop.windows.onModal("Open1", [](ui::Form&) { ADD_FAILURE() << "no dialog without list files"; });
    desktop.dialogs.expectMessage("Open/Delete List Action", OK);
    runtime().userMenu(*w.mODeLst);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Currently, there are No Saved Lists");
}

}  // namespace
}  // namespace shopping
