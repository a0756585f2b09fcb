#include "recipes/recipe_window.h"

#include "platform/help_file.h"
#include "platform/ui/keys.h"
#include "recipes/recipe_help.h"
#include "recipes/recipe_settings.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

class RecipeWindowTest : public testing::RecipeWindowFixture {
protected:
    // Cookbook 1 with two breads: Rolls (record 1) and Rye (record 2).
    void writeBreads() {
        writeFile("Recipe2.db1", std::string(RecordBytes()
                                                 .line(1, ".34", "cup", "sugar")
                                                 .line(2, "1.5", "cups", "flour")
                                                 .directions("Knead.")
                                                 .put(2004, 5, "12")
                                                 .put(2029, 11, "Dozen")) +
                                     std::string(RecordBytes().line(1, "2", "cups", "rye flour")));
        writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rye", 2), EntryText("Rolls", 1)}));
    }
};

TEST_F(RecipeWindowTest, RegisteringClaimsItsOwnSettingsAndHelpTopicsWhichTheHelpFileHolds) {
    EXPECT_TRUE(app().settingsRecords.refused().empty());
    EXPECT_TRUE(app().helpTopics.refused().empty());
    for (const auto& [ref, setting] : RecipeSettingsRecords)
        EXPECT_EQ(*app().settingsRecords.holder(shell::settings::KeyOf(ref)), setting);

    const auto reading = platform::help::ReadHelpFile(PANTRIVO_HELP_FILE);
    ASSERT_EQ(reading.status, platform::help::ReadStatus::Read) << PANTRIVO_HELP_FILE;
    for (const auto& [number, title] : help::Topics) {
        EXPECT_EQ(*app().helpTopics.holder(number), title);
        ASSERT_NE(reading.file.find(number), nullptr) << number;
        EXPECT_EQ(reading.file.find(number)->title, title);
    }
}

TEST_F(RecipeWindowTest, OpensOverTheStartWindowAndHandsBackAtItsPlace) {
    Form5& w = open();
    shell::Startfrm& start = this->start();
    EXPECT_EQ(w.Top(), start.Top());
    EXPECT_EQ(w.Left(), start.Left());
    EXPECT_EQ(w.Width(), start.Width());
    EXPECT_EQ(w.Height(), start.Height());
    EXPECT_TRUE(w.Panel3D1->Visible());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());
    EXPECT_FALSE(desktop.display.busy());

    chooseMenu(start, "mOPS");  // smaller screen display: the window can move
    runtime().userMoved(w, 1500, 900);
    chooseMenu(w, "mOe");
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
    EXPECT_EQ(start.Left(), 1500);
    EXPECT_EQ(start.Top(), 900);
    EXPECT_TRUE(start.Visible());
}

TEST_F(RecipeWindowTest, TheCookbookAndItsTitleNameTheWindow) {
    Form5& fresh = open();
    EXPECT_EQ(fresh.Caption(), "Pantrivo - Recipe File - Cookbook #1 - ");
    EXPECT_TRUE(fresh.mOCB1[0]->Checked());
    EXPECT_EQ(fresh.mOCB1[0]->Caption(), "Cookbook #1 - ");
    chooseMenu(fresh, "mOe");

    writeFile("GColor4.Fil",
              textRecord(" 1", 40) + textRecord("", 40) + textRecord("", 40) + textRecord("  Family ", 40));
    Form5& w = app().window<Form5>();
    w.Show();
    runtime().userMenu(*w.mOCB1[2]);
    EXPECT_EQ(record("GColor4.Fil", 40, 1), textRecord(" 3", 40));
    EXPECT_EQ(w.Caption(), "Pantrivo - Recipe File - Cookbook #3 - Family");
    EXPECT_EQ(w.mOCB1[2]->Caption(), "Cookbook #3 -   Family ");
    EXPECT_TRUE(w.mOCB1[2]->Checked());
    EXPECT_FALSE(w.mOCB1[0]->Checked());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());

    app().vars.FamilyName = "Miller";
    w.Form_Load();
    EXPECT_EQ(w.Caption(), "Miller Pantrivo - Recipe File - Cookbook #3 - Family");
}

TEST_F(RecipeWindowTest, AStoredCookbookOutsideOneToEightIsTheNearestOne) {
    for (const auto& [stored, expected] :
         std::vector<std::pair<std::string, int>>{{"12", 8}, {"-4", 1}, {"", 1}, {"x", 1}}) {
        writeFile("GColor4.Fil", textRecord(stored, 40));
        Form5& w = app().window<Form5>();
        w.Show();
        EXPECT_EQ(app().state<RecipeFileState>().CookbookNumber, expected) << stored;
        w.Unload();
    }
}

TEST_F(RecipeWindowTest, AReloadFillsEveryListOnce) {
    Form5& w = open();
    w.Form_Load();
    w.Form_Load();
    EXPECT_EQ(w.Combo1->ListCount(), 22);
    EXPECT_EQ(w.Combo7->ListCount(), 22);
    for (auto* box : w.Combo8) EXPECT_EQ(box->ListCount(), 22);
    EXPECT_EQ(w.Combo5->ListCount(), 17);
    EXPECT_EQ(w.Combo6->ListCount(), 17);
    EXPECT_EQ(w.Combo3->ListCount(), 14);
    EXPECT_EQ(w.Combo4->ListCount(), 8);
    EXPECT_EQ(w.Combo1->List(0), "Appetizers and beverages");
    EXPECT_EQ(w.Combo4->List(0), "Cake(s)");
    EXPECT_EQ(w.state().RecipeTypeNames[22], "Vegetables");
}

TEST_F(RecipeWindowTest, ViewingATypeListsItsRecipesSortedAndShowsOneWithFractions) {
    writeBreads();
    Form5& w = open();
    view(w);
    EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");
    chooseType(w, "Breads");
    ASSERT_EQ(w.Combo2->ListCount(), 2);
    EXPECT_EQ(w.Combo2->List(0), EntryText("Rolls", 1));
    EXPECT_EQ(w.Combo2->List(1), EntryText("Rye", 2));
    EXPECT_EQ(w.List1->ListCount(), 2);

    w.Combo2->userChose(0);
    EXPECT_EQ(w.state().CurrentRecordNumber, 1);
    EXPECT_EQ(w.Text1[0]->Text(), "1/3");
    EXPECT_EQ(w.state().AmountText[0], ".34");
    EXPECT_EQ(w.Text1[1]->Text(), "1 1/2");
    EXPECT_EQ(w.Text4[1]->Text(), "cups");
    EXPECT_EQ(w.Text5[1]->Text(), "flour");
    EXPECT_EQ(w.Text2->Text(), "Knead.");
    EXPECT_EQ(w.Text6->Text(), "12");
    EXPECT_EQ(w.Combo4->Text(), "Dozen");
    EXPECT_EQ(w.Label13->Caption(), "6");
    EXPECT_TRUE(w.Command5->Enabled());
    EXPECT_TRUE(w.Command4->Enabled());
    EXPECT_TRUE(w.mOCo1->Enabled());
    EXPECT_TRUE(w.Toolbar2->Button(3).enabled);
}

TEST_F(RecipeWindowTest, ATypeWithoutRecipesSaysSo) {
    Form5& w = open();
    view(w);
    desktop.dialogs.expectMessage("Recipe Files");
    chooseType(w, "Breads");
    EXPECT_EQ(desktop.dialogs.messages().back().text, "No Recipes for Breads were found!");
    EXPECT_EQ(w.Combo2->ListCount(), 0);
}

TEST_F(RecipeWindowTest, ArrowKeysStepThroughTheTypesPastOnesWithoutRecipes) {
    writeBreads();
    Form5& w = open();
    view(w);  // Appetizers and beverages, which has no recipes
    ASSERT_EQ(runtime().focusedControl(), w.Combo1);
    // Down, as the box steps to the next entry between the key's press and its release.
    auto down = [&] {
        runtime().userKeyDown(w, ui::keys::Down, 0);
        w.Combo1->userChose(w.Combo1->ListIndex() + 1);
        runtime().userKeyUp(w, ui::keys::Down, 0);
    };
    desktop.dialogs.expectMessage("Recipe Files");
    down();
    EXPECT_EQ(desktop.dialogs.messages().back().text, "No Recipes for Barbecues were found!");
    EXPECT_EQ(desktop.dialogs.messageCount("Recipe Files"), 2) << "said once for the step";
    EXPECT_EQ(w.Combo1->Text(), "Barbecues");
    EXPECT_EQ(w.Combo1->ListIndex(), 1) << "the box stays on the type, for the next step";
    EXPECT_EQ(runtime().focusedControl(), w.Combo1);
    down();
    EXPECT_EQ(w.Combo1->Text(), "Breads");
    EXPECT_EQ(w.Combo2->ListCount(), 2);
}

TEST_F(RecipeWindowTest, CreatingInATypeWithoutRecipesTheNameBoxTakesTheTyping) {
    Form5& w = open();
    desktop.dialogs.expectMessage("Recipe Files");
    runtime().userClick(*w.Command1);  // Create, on Appetizers and beverages
    EXPECT_EQ(runtime().focusedControl(), w.Text8);
    desktop.dialogs.expectMessage("Recipe Files");
    chooseType(w, "Breads");
    EXPECT_EQ(desktop.dialogs.messages().back().text, "No Recipes for Breads were found!");
    EXPECT_EQ(runtime().focusedControl(), w.Text8) << "the box shown as current has the focus";
    EXPECT_EQ(w.Text8->BackColor(), ui::colors::Yellow);
    EXPECT_NE(w.Combo1->BackColor(), ui::colors::Yellow);
}

TEST_F(RecipeWindowTest, ADamagedRecordShowsNoGarbage) {
    writeFile("Recipe2.db1", std::string(2045, '\0'));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Lost", 1)}));
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(0);
    for (auto* box : w.Text1) EXPECT_EQ(box->Text(), "");
    EXPECT_EQ(w.Text2->Text(), "");
    EXPECT_EQ(w.Combo4->Text(), "");
}

TEST_F(RecipeWindowTest, F1OpensTheTopicOfWhatIsShown) {
    Form5& w = open();
    EXPECT_TRUE(runtime().userKeyDown(w, ui::keys::F1, 0));
    w.SSPanel8->setVisible(true);
    runtime().userKeyDown(w, ui::keys::F1, 0);
    w.preview().Show();
    runtime().userKeyDown(w, ui::keys::F1, 0);
    const auto& shown = desktop.help.requests();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].topic, 3030);
    EXPECT_EQ(shown[1].topic, 3050);
    EXPECT_EQ(shown[2].topic, 1014);
}

TEST_F(RecipeWindowTest, TopToolbarButtons) {
    Form5& w = open();
    w.Toolbar1->userPressed(47);
    ASSERT_EQ(desktop.shell.calls().size(), 1u);
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());
    w.Toolbar1->userPressed(48);
    ASSERT_EQ(desktop.help.requests().size(), 1u);
    EXPECT_EQ(desktop.help.requests()[0].topic, 3030);
    w.Toolbar1->userPressed(28);  // the recipe file's own button closes it like Exit
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
}

TEST_F(RecipeWindowTest, UnsavedEditsAreAskedAboutOnEveryWayOut) {
    Form5& w = open();
    w.state().RecipeChanged = true;
    desktop.dialogs.expectMessage("Recipe File", Cancel);
    EXPECT_FALSE(runtime().userClose(w)) << "the close box asks as Exit does";
    EXPECT_NE(app().loadedWindow<Form5>(), nullptr);

    desktop.dialogs.expectMessage("Recipe File", Cancel);
    runtime().userKeyPress(w, ui::keys::Escape);
    EXPECT_NE(app().loadedWindow<Form5>(), nullptr);

    desktop.dialogs.expectMessage("Recipe File", Cancel);
    chooseMenu(start(), "mOe");
    EXPECT_FALSE(runtime().ended()) << "the start window's Exit asks the open window first";

    desktop.dialogs.expectMessage("Recipe File", No);
    EXPECT_TRUE(runtime().userClose(w));
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
    EXPECT_TRUE(start().Visible());
}

TEST_F(RecipeWindowTest, EscWithOnlyAColourChangeClosesWithoutAsking) {
    Form5& w = open();
    desktop.dialogs.expectMessage("Panel Color", No);
    chooseMenu(w, "mOC");
    EXPECT_TRUE(w.colors().ColorsChanged);
    runtime().userKeyPress(w, ui::keys::Escape);
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
}

TEST_F(RecipeWindowTest, ExitAsksAboutAChangedColour) {
    Form5& w = open();
    desktop.dialogs.expectMessage("Panel Color", Yes);
    desktop.dialogs.expectColor(ui::Rgb(0, 128, 128));
    chooseMenu(w, "mOC");
    EXPECT_EQ(w.Panel3D1->BackColor(), ui::Rgb(0, 128, 128));
    desktop.dialogs.expectMessage("Color Changes", Yes);
    runtime().userClick(*w.Command3);
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
    EXPECT_EQ(record("GColor2.Fil", 20, 25), textRecord("8421376", 20));
}

TEST_F(RecipeWindowTest, ChangingTheCookbookAsksAboutUnsavedEditsFirst) {
    Form5& w = open();
    w.state().RecipeChanged = true;
    desktop.dialogs.expectMessage("Recipe File", Cancel);
    runtime().userMenu(*w.mOCB1[1]);
    EXPECT_EQ(app().state<RecipeFileState>().CookbookNumber, 1);
    EXPECT_TRUE(w.state().RecipeChanged);
    desktop.dialogs.expectMessage("Recipe File", No);
    runtime().userMenu(*w.mOCB1[1]);
    EXPECT_EQ(app().state<RecipeFileState>().CookbookNumber, 2);
}

TEST_F(RecipeWindowTest, ThePopupOffersCopyOnlyWhileItIsOpen) {
    writeBreads();
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(1);
    runtime().userMouseUp(w, w.Panel3D1, 2, 0, 5, 5);
    EXPECT_FALSE(w.mOCopy->Visible());
    EXPECT_FALSE(w.Toolbar2->Button(4).enabled);
    EXPECT_TRUE(w.mOChange->Enabled()) << "a recipe is viewed";

    desktop.windows.expectPopupChoice("mOe");
    runtime().userMouseUp(w, w.Command1, 2, 0, 5, 5);
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
}

}  // namespace
}  // namespace recipes
