// The recipe window's print commands and options around the preview panel.
#include "platform/ui/keys.h"
#include "recipes/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;
using C = Form5Controls;

class RecipePrintingTest : public testing::RecipeWindowFixture {
protected:
    // Egg Nog on view, ready to print.
    Form5& showEggNog() {
        writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1.5", "cups", "milk")) +
                                     std::string(RecordBytes().line(1, "2", "", "eggs")));
        writeFile("Appenfil.db1", IndexFileBytes({EntryText("Egg Nog", 1), EntryText("Punch", 2)}));
        Form5& w = open();
        runtime().userClick(*w.Command2);
        choose(*w.Combo2, EntryText("Egg Nog", 1));
        return w;
    }
    printing::PrintFontSettings& font() { return app().state<printing::PrintFontSettings>(); }
};

TEST_F(RecipePrintingTest, PrintOpensThePanelOnTheFullPageLayoutKeepingTheAmountStyle) {
    Form5& w = showEggNog();
    EXPECT_EQ(w.preview().document().PageCount(), 0) << "options set while the panel is hidden lay nothing out";
    runtime().userClick(*w.Command7);
    ASSERT_TRUE(w.SSPanel80->Visible());
    EXPECT_EQ(runtime().focusedControl(), w.preview().SSOption81) << "the panel's first control takes the focus";
    EXPECT_FALSE(w.Combo2->TabStop()) << "Tab stays within the panel";
    EXPECT_FALSE(w.mO->Enabled());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, "Print");
    EXPECT_EQ(font().PrintFontSize, 12);
    EXPECT_EQ(w.preview().Panel3D80[printing::FontNameDisplay]->Caption(), " " + font().PrintFontName);
    EXPECT_FALSE(w.SSCommand80[C::SelectRecipesButton]->Enabled());

    runtime().userClick(*w.SSOption83[3]);
    runtime().userClick(*w.SSOption80[1]);
    EXPECT_EQ(app().state<RecipeFileState>().PrintOption, 4);
    EXPECT_TRUE(w.SSCommand80[C::SelectRecipesButton]->Enabled());
    runtime().userClick(*w.SSCommand80[C::PreviewCancelButton]);
    EXPECT_FALSE(w.SSPanel80->Visible());
    EXPECT_TRUE(w.mO->Enabled());
    EXPECT_TRUE(w.Combo2->TabStop());
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());

    runtime().userMenu(*w.mOP);
    EXPECT_TRUE(w.SSOption83[0]->Value());
    EXPECT_EQ(app().state<RecipeFileState>().PrintOption, 1);
    EXPECT_TRUE(w.SSOption80[1]->Value()) << "the amount style stays";
    EXPECT_EQ(app().state<RecipeFileState>().AmountFormat, 1);
}

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
    EXPECT_EQ(w.SelectedRecipesMode, 88);
    for (ui::OptionButton* option : w.SSOption83) {
        EXPECT_FALSE(option->Enabled());
        EXPECT_FALSE(option->Value());
    }
    runtime().userClick(*w.SSCommand80[C::SelectRecipesButton]);
    EXPECT_EQ(w.Combo9[0]->Text(), EntryText("Egg Nog", 1)) << "the picks are shown again unchanged";
}

// The texts of a page of the preview's document.
std::vector<std::string> TextsOf(const ui::Page& page) {
    std::vector<std::string> texts;
    for (const ui::TextRun& run : page.runs) texts.push_back(run.text);
    return texts;
}

TEST_F(RecipePrintingTest, ThePreviewShowsTheRecipeOnScreenThenThePicks) {
    Form5& w = showEggNog();
    runtime().userClick(*w.Command7);
    const ui::PrintDocument& doc = w.preview().document();
    ASSERT_EQ(doc.PageCount(), 1);
    auto texts = TextsOf(doc.pages()[0]);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Egg Nog"), texts.end()) << "the name without its record number";
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1 1/2"), texts.end());
    runtime().userClick(*w.SSOption80[1]);
    texts = TextsOf(doc.pages()[0]);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1.5"), texts.end()) << "decimals at once";

    // Egg Nog at the top of page one, Punch at the top of page three: two pages.
    runtime().userClick(*w.SSOption83[2]);
    runtime().userClick(*w.SSCommand80[C::SelectRecipesButton]);
    choose(*w.Combo8[4], "Appetizers and beverages");
    choose(*w.Combo9[4], EntryText("Punch", 2));
    runtime().userClick(*w.SSCommand5);
    ASSERT_EQ(doc.PageCount(), 2);
    texts = TextsOf(doc.pages()[1]);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Punch"), texts.end());
    EXPECT_EQ(app().state<RecipeFileState>().PrintOption, 3);
}

TEST_F(RecipePrintingTest, TheWorksheetAlwaysPrintsAtTwelvePoints) {
    Form5& w = showEggNog();
    runtime().userClick(*w.Command7);
    desktop.printer.fontAnswers.push_back({{"Georgia", 16}, 0});
    runtime().userClick(*w.SSCommand80[C::PrinterFontButton]);
    EXPECT_EQ(font().PrintFontSize, 16);
    runtime().userClick(*w.SSCommand80[C::PreviewCancelButton]);

    runtime().userMenu(*w.mOW);
    EXPECT_EQ(font().PrintFontSize, 12);
    EXPECT_EQ(w.preview().Panel3D80[printing::FontSizeDisplay]->Caption(), " 12");
    EXPECT_EQ(w.preview().Panel3d82->font().size, 16) << "the sample stays as the user chose it";
    EXPECT_EQ(w.StatusBar1->Panel(1).text, "Print Worksheet");
    EXPECT_FALSE(w.Frame2->Enabled());
    EXPECT_FALSE(w.SSCommand80[C::SelectRecipesButton]->Enabled());
    runtime().userClick(*w.SSCommand80[C::PreviewCancelButton]);
    EXPECT_TRUE(w.Frame2->Enabled());
}

TEST_F(RecipePrintingTest, EscapeReturnsAnEnlargedPreviewToNormalBeforeClosingIt) {
    Form5& w = showEggNog();
    runtime().userClick(*w.Command7);
    runtime().userClick(*w.preview().SSCommand1);
    ASSERT_TRUE(w.preview().enlarged());
    runtime().userKeyPress(w, ui::keys::Escape);
    EXPECT_FALSE(w.preview().enlarged());
    EXPECT_TRUE(w.SSPanel80->Visible());
    runtime().userKeyPress(w, ui::keys::Escape);
    EXPECT_FALSE(w.SSPanel80->Visible());
}

}  // namespace
}  // namespace recipes
