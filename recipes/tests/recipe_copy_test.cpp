// The recipe on screen copied to the clipboard from the recipe window,
// through the copy option dialog, with the fixed-metric printer: every
// character of the printer's font is as wide as any other.
#include "recipes/printing/copy_hand_over.h"
#include "recipes/printing/copyfrm1.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using printing::Copyfrm1;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::Padded;
using testing::RecordBytes;

class RecipeCopyTest : public testing::RecipeWindowFixture {
protected:
    // A recipe of five ingredients shown in view mode.
    Form5& showRecipe() {
        RecordBytes record;
        record.line(1, "2", "cups", "flour")
            .line(2, "1.5", "tsp", "baking powder")
            .line(3, ".5", "cup", "milk")
            .line(4, "1", "", "egg")
            .line(5, ".75", "cup", "grated cheese")
            .directions("Mix well.\r\nBake on a sheet.")
            .put(field::OvenTemperatureAt, field::OvenTemperatureWidth, "400")
            .put(field::CookingTimeAt, field::CookingTimeWidth, "15 minutes")
            .put(field::YieldAt, field::YieldWidth, "2")
            .put(field::YieldUnitAt, field::YieldUnitWidth, "Dozen");
        writeFile("Recipe2.db1", record);
        writeFile("Appenfil.db1", IndexFileBytes({EntryText("Cheese Puffs", 1)}));
        Form5& w = open();
        runtime().userClick(*w.Command2);
        w.Combo2->userChose(0);
        return w;
    }
    // What the user does in the copy option dialog: choose a layout, then OK.
    void chooseInDialog(std::int16_t layout) {
        desktop.windows.onModal("Copyfrm1", [this, layout](ui::Form& form) {
            auto& d = static_cast<Copyfrm1&>(form);
            if (layout == printing::CopyHandOver::OneColumn) runtime().userClick(*d.SSOption1[Copyfrm1::OneColumn]);
            runtime().userClick(*d.SSCommand1);
        });
    }
};

// The five lines, each as the layout sets it; only the left rows are filled.
std::string Lines(const char* afterLeft) {
    const char* lines[][3] = {{"2", "cups", "flour"},
                              {"1 1/2", "tsp", "baking powder"},
                              {"1/2", "cup", "milk"},
                              {"1", "", "egg"},
                              {"3/4", "cup", "grated cheese"}};
    std::string text;
    for (const auto& line : lines)
        text +=
            Padded(line[0], 8) + Padded(line[1], 13) + Padded(line[2], 13) + afterLeft + std::string(21, ' ') + "\r\n";
    return text;
}

TEST_F(RecipeCopyTest, AFiveIngredientRecipeInEitherLayout) {
    const std::string top = "Type: Appetizers and beverages\r\nRecipe: Cheese Puffs\r\nIngredients:\r\n";
    const std::string rest =
        "\r\n"
        "Directions:\r\nMix well.\r\nBake on a sheet.\r\n"
        "Cooking Information:\r\nOven Temperature: 400\xB0\r\nCooking Time: 15 minutes\r\n\r\n"
        "Serving Information:\r\nYields: 2 Dozen\r\n";
    // "baking powder" is the widest of the first ten lines: the column takes its width.
    const std::string twoColumns =
        top + "Amount Type         Ingredient   \tAmount Type         Ingredient\r\n" + Lines("\t") + rest;
    const std::string oneColumn = top + "Amount Type          Ingredient   \r\n" + Lines("\r\n") + rest;

    Form5& w = showRecipe();
    chooseInDialog(printing::CopyHandOver::TwoColumns);
    desktop.dialogs.expectMessage("Copy Option");
    chooseMenu(w, "mOCo1");
    EXPECT_EQ(desktop.clipboard.text, twoColumns);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Recipe has been copied to the Windows Clipboard.");
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Information);
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());

    // The side toolbar's Copy runs the same copy.
    chooseInDialog(printing::CopyHandOver::OneColumn);
    desktop.dialogs.expectMessage("Copy Option");
    w.Toolbar2->userPressed(4);
    EXPECT_EQ(desktop.clipboard.text, oneColumn);
    EXPECT_FALSE(desktop.display.busy());
}

TEST_F(RecipeCopyTest, WithoutARecipeTheDialogStillComesFirstAndTheClipboardKeepsItsText) {
    Form5& w = open();
    desktop.clipboard.text = "a letter";
    bool dialogShown = false;
    desktop.windows.onModal("Copyfrm1", [&](ui::Form& form) {
        dialogShown = true;
        EXPECT_EQ(desktop.dialogs.messageCount("Copy Recipe to Windows Clipboard"), 0);
        EXPECT_EQ(w.StatusBar1->Panel(1).text, "Copy Option");
        runtime().userClick(*static_cast<Copyfrm1&>(form).SSCommand1);
    });
    desktop.dialogs.expectMessage("Copy Recipe to Windows Clipboard");
    w.mOCo1_Click();
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Please, first select Recipe to Copy to Clipboard!");
    EXPECT_EQ(desktop.clipboard.text, "a letter");
    EXPECT_FALSE(desktop.display.busy());
}

TEST_F(RecipeCopyTest, ARefusedClipboardIsReportedNotConfirmed) {
    Form5& w = showRecipe();
    desktop.clipboard.refuses = true;
    desktop.clipboard.text = "a letter";
    chooseInDialog(printing::CopyHandOver::TwoColumns);
    desktop.dialogs.expectMessage("Copy Option");
    chooseMenu(w, "mOCo1");
    const platform::MessageBoxRequest& shown = desktop.dialogs.messages().back();
    EXPECT_EQ(shown.icon, platform::MsgIcon::Critical);
    EXPECT_NE(shown.text.find("could not be copied"), std::string::npos);
    for (const auto& message : desktop.dialogs.messages())
        EXPECT_NE(message.text, "Recipe has been copied to the Windows Clipboard.");
    EXPECT_EQ(desktop.clipboard.text, "a letter");
    EXPECT_EQ(w.StatusBar1->Panel(1).text, w.Caption());
    EXPECT_FALSE(desktop.display.busy());
}

}  // namespace
}  // namespace recipes
