// Export and import through the transfer dialog, as the user goes through
// them: the drive, folder and file lists, the replace question, the preview.
#include "platform/basic/file_commands.h"
#include "platform/ui/keys.h"
#include "recipe_search/transfer/importfrm.h"
#include "recipe_search/transfer/transfer_file.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

namespace fs = std::filesystem;
using recipe_search::Importfrm;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::RecordBytes;

class TransferDialogTest : public testing::RecipeWindowFixture {
protected:
    TransferDialogTest() {
        fs::create_directories(stick / "pies");
        desktop.volumes.addDrive("STICK", stick);
    }

    // What the user does in the dialog while it is open.
    void inDialog(std::function<void(Importfrm&)> steps) {
        desktop.windows.onModal("Importfrm",
                                [steps = std::move(steps)](ui::Form& form) { steps(static_cast<Importfrm&>(form)); });
    }
    void openFolder(Importfrm& d, const fs::path& path) {
        for (int i = 0; i < d.Dir1->ListCount(); ++i)
            if (d.Dir1->List(i) == path.string()) d.Dir1->userOpenedFolder(i);
    }

    // A recipe shown in view mode, chosen from its type's list.
    Form5& showRecipe(const std::string& name) {
        writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1.5", "cups", "milk").directions("Use 9\" pan")));
        writeFile("Appenfil.db1", IndexFileBytes({EntryText(name, 1)}));
        Form5& w = open();
        runtime().userClick(*w.Command2);
        w.Combo2->userChose(0);
        return w;
    }
    // Create mode, where Import is offered, on a cookbook with one recipe.
    Form5& createMode() {
        if (!exists("Appenfil.db1")) {
            writeFile("Appenfil.db1", IndexFileBytes({EntryText("Punch", 1)}));
            writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1", "cup", "juice")));
        }
        Form5& w = open();
        runtime().userClick(*w.Command1);
        return w;
    }
    void type(ui::TextBox& box, const std::string& text) {
        runtime().userFocused(box);
        box.userEdited(text);
    }

    basic::testing::TestFolder drives;  // where the other volumes lie
    fs::path stick = fs::path(drives.path()) / "stick";
};

TEST_F(TransferDialogTest, ExportProposesANameAndWritesToTheChosenDrive) {
    Form5& w = showRecipe("Egg Nog");
    bool shown = false;
    inDialog([&](Importfrm& d) {
        shown = true;
        EXPECT_EQ(d.Caption(), "Export Recipe");
        EXPECT_EQ(d.Command1->Caption(), "&Export Recipe");
        EXPECT_TRUE(d.Command1->Enabled());
        EXPECT_EQ(runtime().focusedControl(), d.Command1) << "first in tab order";
        EXPECT_EQ(d.Text1->Text(), "Appetizers and beverages");
        EXPECT_EQ(d.Text3->Text(), w.Combo2->Text()) << "the whole entry, record number included";
        EXPECT_EQ(d.Text2->Text(), "EggNog.rc1");
        EXPECT_EQ(d.Drive1->Drive(), "C:");
        EXPECT_EQ(d.Label6->Caption(), folder.path().string() + "/");
        choose(*d.Drive1, "STICK");
        EXPECT_EQ(d.Label6->Caption(), stick.string() + "/");
        openFolder(d, stick / "pies");
        EXPECT_EQ(d.Text2->Text(), "EggNog.rc1") << "a folder change keeps the proposed name";
        runtime().userClick(*d.Command1);
    });
    runtime().userMenu(*w.mOex);
    ASSERT_TRUE(shown);
    const std::string bytes = basic::ReadWholeFile(stick / "pies" / "EggNog.rc1", 1 << 20).value_or("");
    EXPECT_EQ(bytes.rfind("\"Appetizers and beverages\"\r\n\"Egg Nog\"\r\n", 0), 0u);
    const auto items = recipe_search::TransferItems(bytes);
    ASSERT_EQ(items.size(), 67u);
    EXPECT_EQ(items[62], "Use 9` pan");
    EXPECT_FALSE(w.state().RecipeChanged);
    EXPECT_EQ(app().state<recipe_search::TransferHandOver>().TransferMode, 0);

    // The next showing opens on the program's drive again, and the stick
    // kept the folder the user went to.
    inDialog([&](Importfrm& d) {
        EXPECT_EQ(d.Drive1->Drive(), "C:");
        EXPECT_EQ(d.Label6->Caption(), folder.path().string() + "/");
        choose(*d.Drive1, "STICK");
        EXPECT_EQ(d.Label6->Caption(), (stick / "pies").string() + "/");
        EXPECT_EQ(d.File1->items(), std::vector<std::string>{"EggNog.rc1"});
        runtime().userClick(*d.Command2);
    });
    runtime().userMenu(*w.mOex);
}

TEST_F(TransferDialogTest, ExportAsksFirstWhenTheNameIsListedInAnyCase) {
    Form5& w = showRecipe("Apple Pie");
    basic::testing::WriteBytes(stick / "APPLEPIE.RC1", "old");
    auto toStick = [&](Importfrm& d) {
        choose(*d.Drive1, "STICK");
        EXPECT_EQ(d.Text2->Text(), "ApplePie.rc1");
    };
    inDialog([&](Importfrm& d) {
        toStick(d);
        desktop.dialogs.expectMessage("Save .lst File", platform::answer::No);
        runtime().userClick(*d.Command1);
        EXPECT_TRUE(d.isLoaded()) << "No keeps the dialog open";
        const auto& asked = desktop.dialogs.messages().back();
        EXPECT_EQ(asked.text, "ApplePie.rc1\rThis file already already exists.\rDo you want to replace it?");
        EXPECT_EQ(asked.buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(asked.defaultButton, 2);
        runtime().userClick(*d.Command2);
    });
    runtime().userMenu(*w.mOex);
    EXPECT_EQ(basic::testing::ReadBytes(stick / "APPLEPIE.RC1"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(stick), fs::directory_iterator()), 2) << "pies and the old file";

    inDialog([&](Importfrm& d) {
        toStick(d);
        desktop.dialogs.expectMessage("Save .lst File", platform::answer::Yes);
        runtime().userClick(*d.Command1);
    });
    runtime().userMenu(*w.mOex);
    EXPECT_EQ(basic::testing::ReadBytes(stick / "APPLEPIE.RC1").rfind("\"Appetizers", 0), 0u)
        << "Yes replaces the listed file itself";
    EXPECT_FALSE(fs::exists(stick / "ApplePie.rc1"));
}

TEST_F(TransferDialogTest, ExportRefusesWithoutAChosenRecipeAndADriveThatIsNotReadyFallsBack) {
    writeFile("Appenfil.db1", IndexFileBytes({EntryText("Egg Nog", 1)}));
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1", "cup", "milk")));
    Form5& w = open();
    runtime().userClick(*w.Command2);
    desktop.dialogs.expectMessage("Export Recipe to Disk");
    runtime().userMenu(*w.mOex);  // no dialog is scripted: opening one would fail the test
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Please, first select Recipe to Export to Disk!");

    desktop.volumes.addDrive("EMPTY", stick / "not-there");
    w.Combo2->userChose(0);
    inDialog([&](Importfrm& d) {
        desktop.dialogs.expectMessage("Device/Drive Error");
        choose(*d.Drive1, "EMPTY");
        EXPECT_EQ(desktop.dialogs.messages().back().text, "Device/Drive is Unavailable!");
        EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Critical);
        EXPECT_EQ(d.Drive1->Drive(), "C:");
        EXPECT_FALSE(d.Command1->Enabled()) << "until a drive or file is chosen again";
        choose(*d.Drive1, "STICK");
        EXPECT_TRUE(d.Command1->Enabled());
        runtime().userKeyDown(d, ui::keys::Escape, 0);
    });
    runtime().userMenu(*w.mOex);
    EXPECT_EQ(app().state<recipe_search::TransferHandOver>().TransferMode, 9);
    EXPECT_TRUE(fs::is_empty(stick / "pies"));
}

TEST_F(TransferDialogTest, ImportPreviewsTheFileAndFillsTheEditorReadyToSave) {
    writeFile("Appenfil.db1", IndexFileBytes({EntryText("Punch", 1)}));
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "1", "cup", "juice")));
    recipes::RecipeDraft r;
    r.type = "Appetizers and beverages";
    r.name = "Egg Nog";
    r.amounts[0] = ".5";
    r.units[0] = "cup";
    r.ingredients[0] = "cream";
    r.directions = "Use 9\" pan";
    basic::testing::WriteBytes(stick / "pies" / "EggNog.rc1", recipe_search::EncodeTransferFile(r));
    basic::testing::WriteBytes(stick / "pies" / "short.rc1", "\"Breads\"\r\n");
    basic::testing::WriteBytes(stick / "pies" / "notes.txt", "not listed");

    Form5& w = createMode();
    inDialog([&](Importfrm& d) {
        EXPECT_EQ(d.Caption(), "Import Recipe");
        EXPECT_FALSE(d.Command1->Enabled());
        choose(*d.Drive1, "STICK");
        openFolder(d, stick / "pies");
        EXPECT_EQ(d.File1->items(), (std::vector<std::string>{"EggNog.rc1", "short.rc1"}));

        desktop.dialogs.expectMessage("File Error");
        choose(*d.File1, "short.rc1");
        EXPECT_EQ(desktop.dialogs.messages().back().text,
                  "File: short.rc1\rThis file contains an error or will not load properly!");
        EXPECT_EQ(d.File1->ListCount(), 2) << "the file stays listed";

        choose(*d.File1, "EggNog.rc1");
        EXPECT_EQ(d.Text1->Text(), "Appetizers and beverages");
        EXPECT_EQ(d.Text3->Text(), "Egg Nog");
        EXPECT_TRUE(d.Command1->Enabled());
        EXPECT_EQ(runtime().focusedControl(), d.Command1);
        runtime().userClick(*d.Command1);
    });
    runtime().userMenu(*w.mOIm);
    EXPECT_EQ(w.Combo1->Text(), "Appetizers and beverages");
    EXPECT_EQ(w.Text8->Text(), "Egg Nog");
    EXPECT_EQ(w.Text1[0]->Text(), "1/2");
    EXPECT_EQ(w.state().AmountText[0], ".5");
    EXPECT_EQ(w.Text2->Text(), "Use 9\" pan");
    EXPECT_TRUE(w.state().RecipeChanged);
    EXPECT_EQ(w.Combo2->items(), std::vector<std::string>{EntryText("Punch", 1)});
    EXPECT_EQ(w.Combo2->Text(), "") << "no entry chosen";
    EXPECT_TRUE(w.Command6->Enabled());
    EXPECT_TRUE(w.Command25->Enabled());

    // Saved, it is a new recipe of the cookbook: ".5" as written.
    runtime().userClick(*w.Command6);
    EXPECT_EQ(record("Recipe2.db1", RecipeRecordLength, 2).substr(0, 5), ".5   ");
}

TEST_F(TransferDialogTest, AnOlderFileFillsTheFirstSevenRowsOfEachColumn) {
    std::string old = "\"Breads\"\r\n\"Rolls\"\r\n";
    for (int k = 0; k < 14; ++k)
        old += "\"" + std::to_string(k + 1) + "\"\r\n\"cup\"\r\n\"item " + std::to_string(k) + "\"\r\n";
    old += "\"Bake.\"\r\n\"350\"\r\n\"20 min\"\r\n\"12\"\r\n\"Rolls\"\r\n";
    basic::testing::WriteBytes(stick / "OLD.RC1", old);

    Form5& w = createMode();
    // Lines the older layout leaves out were filled before and are emptied.
    type(*w.Text8, "Leftovers");
    for (int line : {7, 8, 9, 17, 18, 19}) type(*w.Text5[line], "leftover");
    desktop.dialogs.expectMessage("Recipe File", platform::answer::No);
    inDialog([&](Importfrm& d) {
        choose(*d.Drive1, "STICK");
        choose(*d.File1, "OLD.RC1");  // listed for the pattern "*.rc1" whatever its case
        runtime().userDoubleClick(*d.File1);
    });
    runtime().userMenu(*w.mOIm);
    for (int line = 0; line < IngredientLineCount; ++line) {
        const bool filled = line <= 6 || (line >= 10 && line <= 16);
        const int k = line <= 6 ? line : line - 3;
        EXPECT_EQ(w.Text5[line]->Text(), filled ? "item " + std::to_string(k) : "") << line;
        EXPECT_EQ(w.state().AmountText[static_cast<std::size_t>(line)], filled ? std::to_string(k + 1) : "") << line;
    }
    EXPECT_EQ(w.Combo4->Text(), "Rolls");
}

TEST_F(TransferDialogTest, ImportDialogRules) {
    basic::testing::WriteBytes(stick / "pies" / "a.rc1", "\"Breads\"\r\n\"A\"\r\n");
    Form5& w = createMode();
    inDialog([&](Importfrm& d) {
        EXPECT_EQ(runtime().focusedControl(), d.Command2) << "the first in tab order that can take it";
        desktop.dialogs.expectMessage("Type Box Data");
        desktop.dialogs.expectMessage("Type Box Data");
        const auto before = desktop.dialogs.messages().size();
        runtime().userFocused(*d.Text3);
        EXPECT_EQ(desktop.dialogs.messages().size(), before + 2) << "OK disabled and the box empty: twice";

        choose(*d.Drive1, "STICK");
        openFolder(d, stick / "pies");
        choose(*d.File1, "a.rc1");
        EXPECT_TRUE(d.Command1->Enabled());
        runtime().userFocused(*d.Text1);
        EXPECT_EQ(runtime().focusedControl(), d.Command1) << "a display box hands the focus on";
        openFolder(d, stick);
        EXPECT_EQ(d.Text2->Text(), "") << "a folder change empties the name";
        EXPECT_FALSE(d.Command1->Enabled());

        runtime().userFocused(*d.Combo4);
        d.Combo4->userEdited("*.*");
        EXPECT_EQ(d.Combo4->Text(), "*.rc1");

        runtime().userDoubleClick(*d.File1);  // no file chosen: cancelled
    });
    runtime().userMenu(*w.mOIm);
    EXPECT_EQ(app().state<recipe_search::TransferHandOver>().TransferMode, 9);
    EXPECT_TRUE(w.SSPanel3->Visible());
    EXPECT_EQ(w.Text8->Text(), "");
}

TEST_F(TransferDialogTest, CancelInTheSaveQuestionOpensNoDialog) {
    Form5& w = createMode();
    type(*w.Text8, "Bread");
    type(*w.Text5[0], "flour");
    desktop.dialogs.expectMessage("Recipe File", platform::answer::Cancel);
    runtime().userMenu(*w.mOIm);  // a dialog would fail the test: none is scripted
    EXPECT_EQ(w.Text5[0]->Text(), "flour");
    EXPECT_TRUE(w.state().RecipeChanged);
}

}  // namespace
}  // namespace recipes
