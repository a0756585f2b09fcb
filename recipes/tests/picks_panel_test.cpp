// The recipes picked to print two to a page, over the print preview.
#include "recipes/picks_panel.h"

#include "recipes/tests/preview_fixture.h"

namespace recipes {
namespace {

using testing::EntryText;
using testing::RecipePrintingTest;
using C = Form5Controls;

TEST_F(RecipePrintingTest, TheRecipeOnScreenGoesToTheTopOrBottomOfPageOne) {
    Form5& w = showEggNog();
    runtime().userClick(*w.Command7);
    runtime().userClick(*w.SSOption83[3]);  // bottom half
    runtime().userClick(*w.SSCommand80[C::SelectRecipesButton]);
    ASSERT_TRUE(w.SSPanel13->Visible());
    EXPECT_EQ(w.Combo8[1]->Text(), "Appetizers and beverages");
    EXPECT_EQ(w.Combo9[1]->Text(), EntryText("Egg Nog", 1));
    EXPECT_EQ(w.Combo9[1]->ListCount(), 2);
    EXPECT_EQ(w.Combo9[0]->Text(), "");
    runtime().userClick(*w.SSCommand6);

    runtime().userClick(*w.SSOption83[2]);  // top half
    runtime().userClick(*w.SSCommand80[C::SelectRecipesButton]);
    EXPECT_EQ(w.Combo9[0]->Text(), EntryText("Egg Nog", 1));
    EXPECT_EQ(w.Combo8[1]->Text(), "") << "the other slot of page one is emptied";
    EXPECT_EQ(w.Combo9[1]->ListCount(), 0);

    // A blank type empties its slot's list at once; a typed type changes nothing.
    runtime().userFocused(*w.Combo8[2]);
    w.Combo8[2]->userEdited("Breads");
    EXPECT_EQ(w.Combo9[2]->ListCount(), 0);
    choose(*w.Combo8[2], "Appetizers and beverages");
    EXPECT_EQ(w.Combo9[2]->ListCount(), 2);
    w.Combo8[2]->userEdited("  ");
    EXPECT_EQ(w.Combo9[2]->ListCount(), 0);

    // Laid out, the picks stay the content: options render them, not the recipe on screen.
    runtime().userClick(*w.SSCommand5);
    EXPECT_FALSE(w.SSPanel13->Visible());
    EXPECT_TRUE(w.state().SelectedRecipesMode);
    for (ui::OptionButton* option : w.SSOption83) {
        EXPECT_FALSE(option->Enabled());
        EXPECT_FALSE(option->Value());
    }
    runtime().userClick(*w.SSCommand80[C::SelectRecipesButton]);
    EXPECT_EQ(w.Combo9[0]->Text(), EntryText("Egg Nog", 1)) << "the picks are shown again unchanged";
}

}  // namespace
}  // namespace recipes
