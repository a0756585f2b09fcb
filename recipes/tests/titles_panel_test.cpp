#include "recipes/titles_panel.h"

#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using platform::answer::Cancel;

class TitlesPanelTest : public testing::RecipeWindowFixture {};

TEST_F(TitlesPanelTest, SavingTheTitlesAsksAboutUnsavedEditsFirst) {
    Form5& w = open();
    chooseMenu(w, "mOCBTle");
    w.state().RecipeChanged = true;
    w.Text17[0]->userEdited("Sunday dinners");
    desktop.dialogs.expectMessage("Recipe File", Cancel);
    runtime().userClick(*w.SSCommand4);
    EXPECT_TRUE(w.SSPanel12->Visible());
    EXPECT_TRUE(w.state().RecipeChanged);
    EXPECT_EQ(record("GColor4.Fil", 40, 2), "") << "nothing written yet";
}

TEST_F(TitlesPanelTest, TheTitlesPanelSavesTheTitles) {
    Form5& w = open();
    chooseMenu(w, "mOCBTle");
    EXPECT_TRUE(w.SSPanel12->Visible());
    w.Text17[1]->userEdited("Holiday");
    runtime().userClick(*w.SSCommand4);
    EXPECT_FALSE(w.SSPanel12->Visible());
    EXPECT_EQ(record("GColor4.Fil", 40, 3), textRecord("Holiday", 40));
    EXPECT_EQ(w.mOCB1[1]->Caption(), "Cookbook #2 - Holiday");
    EXPECT_EQ(w.Combo1->ListCount(), 22);
}

}  // namespace
}  // namespace recipes
