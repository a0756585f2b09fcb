// A recipe of the recipe window to a transfer file and back.
#include "platform/basic/file_commands.h"
#include "recipe_search/transfer/transfer_file.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "platform/testing/file_size_limit.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

class RecipeTransferTest : public testing::RecipeWindowFixture {
protected:
    // Egg Nog shown in view mode, its directions edited but not saved.
    Form5& showEggNog() {
        writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1.5", "cups", "milk").directions("Chill.")));
        writeFile("Appenfil.db1", IndexFileBytes({EntryText("Egg Nog", 1)}));
        Form5& w = open();
        runtime().userClick(*w.Command2);  // View: Appetizers and beverages has a recipe
        w.Combo2->userChose(0);
        runtime().userClick(*w.Command5);  // Modify
        runtime().userFocused(*w.Text2);
        w.Text2->userEdited("Use 9\" pan");
        return w;
    }
    std::filesystem::path file() const { return folder / "usb" / "EggNog.rc1"; }
};

TEST_F(RecipeTransferTest, ExportWritesTheEditorAsItIsAndChangesNothing) {
    Form5& w = showEggNog();
    std::filesystem::create_directory(folder / "usb");
    EXPECT_EQ(recipe_search::DefaultTransferFileName(w.Combo2->Text()), "EggNog.rc1");
    ASSERT_TRUE(w.WriteTransferFile(file()));
    const std::string bytes = basic::ReadWholeFile(file(), 1 << 20).value_or("");
    EXPECT_EQ(bytes.rfind("\"Appetizers and beverages\"\r\n\"Egg Nog\"\r\n", 0), 0u);
    const auto items = recipe_search::TransferItems(bytes);
    ASSERT_EQ(items.size(), 67u);
    EXPECT_EQ(items[2], "1.5");
    EXPECT_EQ(items[62], "Use 9` pan");
    EXPECT_TRUE(w.state().RecipeChanged) << "the export leaves the changed mark as it was";
    EXPECT_EQ(w.Text2->Text(), "Use 9\" pan");
}

TEST_F(RecipeTransferTest, ImportFillsTheEditorReadyToSave) {
    Form5& w = showEggNog();
    std::filesystem::create_directory(folder / "usb");
    ASSERT_TRUE(w.WriteTransferFile(file()));
    runtime().userClick(*w.Command6);  // saved in place
    ASSERT_TRUE(w.ReadTransferFile(file()));
    EXPECT_EQ(w.Combo1->Text(), "Appetizers and beverages");
    EXPECT_EQ(w.Text8->Text(), "Egg Nog");
    EXPECT_EQ(w.Text1[0]->Text(), "1 1/2");
    EXPECT_EQ(w.state().AmountText[0], "1.5");
    EXPECT_EQ(w.Text2->Text(), "Use 9\" pan") << "the grave accent comes back as a quote";
}

TEST_F(RecipeTransferTest, AFileThatCannotBeReadOffersRetryAndNothingIsImported) {
    Form5& w = open();
    writeFile("bad.rc1", "\"Breads\"\r\n\"Half a recipe\"\r\n");
    desktop.dialogs.expectMessage("Import Recipe", platform::answer::Retry);
    desktop.dialogs.expectMessage("Import Recipe", platform::answer::Cancel);
    EXPECT_FALSE(w.ReadTransferFile(folder / "bad.rc1"));
    EXPECT_EQ(desktop.dialogs.messages().back().buttons, platform::MsgButtons::RetryCancel);
    EXPECT_EQ(w.Text8->Text(), "");

    recipes::RecipeDraft foreign;
    foreign.type = "../../Passwords";
    foreign.name = "Trouble";
    writeFile("foreign.rc1", recipe_search::EncodeTransferFile(foreign));
    desktop.dialogs.expectMessage("Import Recipe");
    EXPECT_FALSE(w.ReadTransferFile(folder / "foreign.rc1")) << "only the 22 types are taken";
    EXPECT_EQ(w.Text8->Text(), "");
}

TEST_F(RecipeTransferTest, WhatComesInFitsTheBoxes) {
    Form5& w = open();
    recipes::RecipeDraft r;
    r.type = "Breads";
    r.name.assign(60, 'n');
    r.name += '\x01';
    r.amounts[0] = "1 1/2";  // a fraction written as text by another program
    r.units[0] = "cups-and-more-than-ten";
    r.ingredients[1] =
        "cr\xE8me\tfra\xEE"
        "che";
    r.directions =
        "Fold in the cr\xE8me\tfra\xEE"
        "che.";
    writeFile("long.rc1", recipe_search::EncodeTransferFile(r));
    ASSERT_TRUE(w.ReadTransferFile(folder / "long.rc1"));
    EXPECT_EQ(w.Text8->Text(), std::string(40, 'n'));
    EXPECT_EQ(w.state().AmountText[0], "112") << "amounts pass the amount filter";
    EXPECT_EQ(w.Text4[0]->Text(), "cups-and-m");
    EXPECT_EQ(w.Text5[1]->Text(),
              "cr\xE8me\tfra\xEE"
              "che")
        << "a tab keeps the words apart";
    EXPECT_EQ(w.Text2->Text(),
              "Fold in the cr\xE8me\tfra\xEE"
              "che.");
}

TEST_F(RecipeTransferTest, AnExportThatCannotBeWrittenLeavesNoFileAndSaysSo) {
    Form5& w = showEggNog();
    std::filesystem::create_directory(folder / "usb");
    desktop.dialogs.expectMessage("Disk Error");
    {
        basic::testing::FileSizeLimit diskFull(100);
        EXPECT_FALSE(w.WriteTransferFile(file()));
    }
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "usb")) << "no partial file is left";
}

}  // namespace
}  // namespace recipes
