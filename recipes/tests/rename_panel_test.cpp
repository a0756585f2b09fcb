// Renaming a recipe in the recipe window: the rename panel, and the type's
// index file as the test wrote it, byte by byte.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <vector>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "platform/testing/file_size_limit.h"
#include "recipes/tests/recipe_window_fixture.h"

namespace recipes {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::IndexRecordBytes;
using testing::RecordBytes;

class RenameTest : public testing::RecipeWindowFixture {
protected:
    // Cookbook 1: twelve breads in use, record 12 a pumpkin bread. The index
    // also holds a damaged record and an entry past the end of the data file:
    // neither is listed, and a rename must keep both as they are.
    RenameTest() {
        std::string records;
        for (int k = 1; k <= 11; ++k) records += RecordBytes().line(1, "1", "cup", "bread " + std::to_string(k));
        records += RecordBytes().line(1, "2", "cups", "pumpkin").directions("Bake an hour.").put(2029, 11, "Loaf(s)");
        writeFile("Recipe2.db1", records);
        writeFile("Breanfil.db1", indexWith(EntryText("Pumpkin Bread", 12)));
        dataBytes = bytesOf("Recipe2.db1");
        indexBytes = bytesOf("Breanfil.db1");
    }
    // The index file, its second record given.
    static std::string indexWith(const std::string& secondEntry) {
        return IndexFileBytes({EntryText("Rye", 2), secondEntry, EntryText("Rolls", 1)}) +
               IndexRecordBytes("Lost", 200) + IndexFileBytes({EntryText("Ghost", 40)});
    }

    // The index file as a rename leaves it, the renamed entry given: the
    // entries sorted as the lists show them, the damaged record after them.
    static std::string renamedIndexWith(const std::string& renamedEntry) {
        std::vector<std::string> texts{EntryText("Rye", 2), renamedEntry, EntryText("Rolls", 1),
                                       EntryText("Ghost", 40)};
        std::stable_sort(texts.begin(), texts.end(), basic::LessNoCase);
        return IndexFileBytes(texts) + IndexRecordBytes("Lost", 200);
    }

    // The window in view mode with the pumpkin bread shown.
    Form5& showPumpkinBread() {
        Form5& w = open();
        view(w);
        chooseType(w, "Breads");
        choose(*w.Combo2, EntryText("Pumpkin Bread", 12));
        EXPECT_EQ(w.state().CurrentRecordNumber, 12);
        EXPECT_EQ(w.Text5[0]->Text(), "pumpkin");
        return w;
    }
    void openRenamePanel(Form5& w) {
        chooseMenu(w, "mOChange");
        ASSERT_TRUE(w.SSPanel10->Visible());
    }
    void expectFilesUntouched() {
        EXPECT_EQ(bytesOf("Recipe2.db1"), dataBytes);
        EXPECT_EQ(bytesOf("Breanfil.db1"), indexBytes);
    }
    std::set<std::string> filesInFolder() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            names.insert(entry.path().filename().string());
        return names;
    }
    // The window as the rename panel leaves it when it closes with the recipe still shown.
    void expectRecipeStillShown(Form5& w) {
        EXPECT_FALSE(w.SSPanel10->Visible());
        EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");
        EXPECT_EQ(w.Text15->Text(), "");
        EXPECT_EQ(w.Text16->Text(), "");
        EXPECT_EQ(w.state().CurrentRecordNumber, 12);
        EXPECT_EQ(w.Combo2->Text(), EntryText("Pumpkin Bread", 12));
        EXPECT_TRUE(w.state().SuppressNextPrompt);
        EXPECT_EQ(runtime().focusedControl(), w.Command3);
        for (ui::Control* c : std::initializer_list<ui::Control*>{w.Combo1, w.Combo2, w.Command1, w.Command3,
                                                                  w.Command4, w.Command5, w.Command7, w.Command8,
                                                                  w.Command16, w.Text1[19], w.Text5[0], w.Combo4})
            EXPECT_TRUE(c->Enabled()) << c->name();
        for (ui::Menu* m : {w.mO, w.mEdit, w.mU, w.mOCB, w.mOCBTle}) EXPECT_TRUE(m->Enabled()) << m->name();
        EXPECT_TRUE(w.Toolbar2->Button(4).enabled);
        chooseMenu(w, "mO");
        EXPECT_TRUE(w.mOChange->Enabled()) << "the recipe can be renamed again";
    }

    std::string dataBytes;
    std::string indexBytes;
};

TEST_F(RenameTest, RenamingRewritesOnlyTheRecipesEntryAndLeavesTheRecordAlone) {
    Form5& w = showPumpkinBread();
    openRenamePanel(w);
    w.Text16->userEdited("Zucchini Bread");
    runtime().userClick(*w.Command23);

    ASSERT_EQ(EntryText("Zucchini Bread", 12), "Zucchini Bread" + std::string(38, ' ') + "12");
    EXPECT_EQ(bytesOf("Breanfil.db1"), IndexFileBytes({EntryText("Ghost", 40), EntryText("Rolls", 1),
                                                       EntryText("Rye", 2), EntryText("Zucchini Bread", 12)}) +
                                           IndexRecordBytes("Lost", 200))
        << "sorted as the lists show them; the unlisted entry stays, and the damaged record follows as it was";
    EXPECT_EQ(bytesOf("Recipe2.db1"), dataBytes);

    // View mode again, the type's names read back from the file, no recipe shown.
    EXPECT_FALSE(w.SSPanel10->Visible());
    EXPECT_EQ(w.SSPanel4->Caption(), "View Recipe");
    ASSERT_EQ(w.Combo2->ListCount(), 3);
    EXPECT_EQ(w.Combo2->List(0), EntryText("Rolls", 1));
    EXPECT_EQ(w.Combo2->List(1), EntryText("Rye", 2));
    EXPECT_EQ(w.Combo2->List(2), EntryText("Zucchini Bread", 12));
    EXPECT_EQ(w.List1->ListCount(), 3);
    EXPECT_EQ(w.Text5[0]->Text(), "");
    EXPECT_FALSE(w.Command4->Enabled()) << "nothing shown to delete";
    EXPECT_FALSE(w.Command2->Enabled());
    EXPECT_TRUE(w.mOCB->Enabled());
    EXPECT_FALSE(desktop.display.busy());

    // The same record under its new name.
    choose(*w.Combo2, EntryText("Zucchini Bread", 12));
    EXPECT_EQ(w.state().CurrentRecordNumber, 12);
    EXPECT_EQ(w.Text5[0]->Text(), "pumpkin");
    EXPECT_EQ(w.Text2->Text(), "Bake an hour.");
}

TEST_F(RenameTest, ThePanelTakesOverTheWindowWhileItIsOpen) {
    Form5& w = showPumpkinBread();
    openRenamePanel(w);
    EXPECT_EQ(w.SSPanel10->Caption(), "\rRecipe Name Change");
    EXPECT_EQ(w.SSPanel4->Caption(), "Name Change");
    EXPECT_EQ(w.Text15->Text(), "Pumpkin Bread" + std::string(27, ' '));
    EXPECT_EQ(w.Text16->Text(), "");
    EXPECT_FALSE(w.Command23->Enabled()) << "nothing typed yet";
    EXPECT_EQ(runtime().focusedControl(), w.Text16);
    EXPECT_EQ(w.Text16->BackColor(), ui::colors::Yellow);
    EXPECT_TRUE(w.state().SuppressNextPrompt);
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             w.Combo1, w.Combo2, w.Command1, w.Command3, w.Command4, w.Command5, w.Command7, w.Command8, w.Command16,
             w.Text1[0], w.Text4[10], w.Text5[19], w.Text2, w.Text3, w.Text6, w.Text7, w.Combo4})
        EXPECT_FALSE(c->Enabled()) << c->name();
    for (ui::Menu* m : {w.mO, w.mEdit, w.mU, w.mOCB, w.mOCBTle}) EXPECT_FALSE(m->Enabled()) << m->name();
    EXPECT_FALSE(w.Toolbar2->Button(4).enabled);

    // Leaving the box gives it the window colour back.
    runtime().userFocused(*w.Command24);
    EXPECT_EQ(w.Text16->BackColor(), w.Text11->BackColor());
}

TEST_F(RenameTest, CancelAndEscCloseThePanelAndChangeNothing) {
    const std::vector<std::pair<const char*, std::function<void(Form5&)>>> ways{
        {"Cancel", [&](Form5& w) { runtime().userClick(*w.Command24); }},
        {"Esc", [&](Form5& w) { runtime().userKeyPress(w, ui::keys::Escape); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        Form5& w = showPumpkinBread();
        openRenamePanel(w);
        w.Text16->userEdited("Zucchini Bread");
        close(w);
        expectRecipeStillShown(w);
        EXPECT_EQ(w.Text5[0]->Text(), "pumpkin");
        EXPECT_FALSE(w.state().RecipeChanged);
        EXPECT_NE(app().loadedWindow<Form5>(), nullptr) << "Esc closed the panel, not the window";
        expectFilesUntouched();
        chooseMenu(w, "mOe");
    }
}

TEST_F(RenameTest, TheNewNameBoxDropsEveryDoubleQuote) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Pie\"", "Pie"},                                    // typed at the end
        {"12\" Pizza", "12 Pizza"},                          // typed in the middle
        {"\"Best\" Banana Bread", "Best Banana Bread"},      // pasted, several
        {"\"", ""},                                          // all there was
        {"\"\"\"", ""},                                      // nothing but quotes
        {"Grandma's Apple Bread", "Grandma's Apple Bread"},  // other marks stay
    };
    Form5& w = showPumpkinBread();
    openRenamePanel(w);
    for (const auto& [typed, kept] : cases) {
        w.Text16->userEdited("x");
        w.Command23->setEnabled(false);
        w.Text16->userEdited(typed);
        EXPECT_EQ(w.Text16->Text(), kept) << typed;
        EXPECT_TRUE(w.Command23->Enabled()) << typed;
    }
    w.Text16->userEdited("Mom's \"Famous\" Bread");
    runtime().userClick(*w.Command23);
    EXPECT_EQ(bytesOf("Breanfil.db1"), renamedIndexWith(EntryText("Mom's Famous Bread", 12)));
}

TEST_F(RenameTest, AnEmptyNameIsRefusedAndANameOfBlanksAccepted) {
    Form5& w = showPumpkinBread();
    openRenamePanel(w);
    w.Text16->userEdited("Z");
    w.Text16->userEdited("");
    EXPECT_TRUE(w.Command23->Enabled()) << "emptying the box is a change too";
    desktop.dialogs.expectMessage("Recipe Name Change");
    runtime().userClick(*w.Command23);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "No Change Recipe Name has been entered!");
    EXPECT_EQ(desktop.dialogs.messages().back().icon, platform::MsgIcon::Information);
    EXPECT_TRUE(w.SSPanel10->Visible());
    EXPECT_EQ(runtime().focusedControl(), w.Text16);
    expectFilesUntouched();

    w.Text16->userEdited("   ");
    runtime().userClick(*w.Command23);
    EXPECT_FALSE(w.SSPanel10->Visible());
    EXPECT_EQ(bytesOf("Breanfil.db1"), renamedIndexWith(std::string(52, ' ') + "12"));
}

TEST_F(RenameTest, UnsavedEditsAreAskedAboutFirstAndKeptWhenTheRenameIsCancelled) {
    struct Case {
        int answer;
        bool panelOpens;
        int changedAfterCancel;        // RecipeChanged once the panel is cancelled
        const char* recordIngredient;  // line 1's ingredient in record 12 afterwards
    };
    for (const Case& c :
         {Case{No, true, 1, "pumpkin"}, Case{Yes, true, 0, "squash"}, Case{Cancel, false, 1, "pumpkin"}}) {
        SCOPED_TRACE(c.answer);
        writeFile("Recipe2.db1", dataBytes);
        Form5& w = showPumpkinBread();
        w.Text5[0]->setText("squash");
        w.state().RecipeChanged = true;
        desktop.dialogs.expectMessage("Recipe File", c.answer);
        chooseMenu(w, "mOChange");
        EXPECT_EQ(desktop.dialogs.messages().back().text, "Save Current Recipe before next action or exiting?");
        EXPECT_FALSE(w.state().SaveInPlaceOnYes);
        if (c.answer == Cancel) {
            EXPECT_EQ(w.state().SaveAnswer, 0);
        }
        EXPECT_EQ(w.SSPanel10->Visible(), c.panelOpens);
        if (c.panelOpens) {
            EXPECT_FALSE(w.state().RecipeChanged) << "not counted while the panel is open";
            runtime().userClick(*w.Command24);
        }
        EXPECT_EQ(w.state().RecipeChanged, c.changedAfterCancel == 1);
        EXPECT_EQ(w.Text5[0]->Text(), "squash") << "the boxes keep the edits";
        EXPECT_EQ(basic::RTrim(RecipeStore(app().folder(), 1).ReadRecord(12).ingredients[0]), c.recordIngredient);
        EXPECT_EQ(bytesOf("Breanfil.db1"), indexBytes);

        // Exit asks once more about edits that were not saved.
        if (c.changedAfterCancel == 1) desktop.dialogs.expectMessage("Recipe File", No);
        runtime().userClick(*w.Command3);
        EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
        EXPECT_TRUE(desktop.dialogs.scriptDone());
    }
}

TEST_F(RenameTest, EditsAnsweredNoAreDroppedWhenTheNewNameIsSaved) {
    Form5& w = showPumpkinBread();
    w.Text5[0]->setText("squash");
    w.state().RecipeChanged = true;
    desktop.dialogs.expectMessage("Recipe File", No);
    chooseMenu(w, "mOChange");
    w.Text16->userEdited("Zucchini Bread");
    runtime().userClick(*w.Command23);
    EXPECT_FALSE(w.state().RecipeChanged);
    EXPECT_EQ(w.Text5[0]->Text(), "");
    EXPECT_EQ(bytesOf("Recipe2.db1"), dataBytes);
    runtime().userClick(*w.Command3);  // no question: nothing is left to save
    EXPECT_EQ(app().loadedWindow<Form5>(), nullptr);
}

TEST_F(RenameTest, TheMenuItemIsOfferedOnlyInViewModeWithARecipeChosen) {
    Form5& w = open();
    auto offered = [&] {
        chooseMenu(w, "mO");
        return w.mOChange->Enabled();
    };
    EXPECT_FALSE(offered()) << "at load";
    view(w);
    chooseType(w, "Breads");
    EXPECT_FALSE(offered()) << "a type, no recipe";
    choose(*w.Combo2, EntryText("Rye", 2));
    EXPECT_TRUE(offered()) << "a recipe viewed";
    runtime().userClick(*w.Command1);
    EXPECT_FALSE(offered()) << "creating a recipe";
    runtime().userMenu(*w.mOChange);
    EXPECT_FALSE(w.SSPanel10->Visible()) << "a disabled item does nothing";
}

TEST_F(RenameTest, ARenameThatCannotBeWrittenSaysSoAndChangesNothing) {
    const std::vector<std::pair<const char*, std::function<void(Form5&)>>> failures{
        {"disk full",
         [&](Form5& w) {
             basic::testing::FileSizeLimit diskFull(200);  // smaller than the new index
             runtime().userClick(*w.Command23);
         }},
        {"index is a folder",
         [&](Form5& w) {
             std::filesystem::remove(folder / "Breanfil.db1");
             std::filesystem::create_directory(folder / "Breanfil.db1");
             runtime().userClick(*w.Command23);
         }},
    };
    for (const auto& [failure, rename] : failures) {
        SCOPED_TRACE(failure);
        writeFile("Breanfil.db1", indexBytes);
        Form5& w = showPumpkinBread();
        openRenamePanel(w);
        w.Text16->userEdited("Zucchini Bread");
        const auto files = filesInFolder();
        desktop.dialogs.expectMessage("Recipe Name Change");
        rename(w);
        EXPECT_NE(desktop.dialogs.messages().back().text.find("\"Breanfil.db1\""), std::string::npos);
        EXPECT_EQ(filesInFolder(), files) << "no file left behind";
        EXPECT_EQ(bytesOf("Recipe2.db1"), dataBytes);
        if (std::filesystem::is_regular_file(folder / "Breanfil.db1")) {
            EXPECT_EQ(bytesOf("Breanfil.db1"), indexBytes);
        }
        EXPECT_FALSE(desktop.display.busy());

        // The panel stays with the name, to try again or cancel.
        EXPECT_TRUE(w.SSPanel10->Visible());
        EXPECT_EQ(w.Text16->Text(), "Zucchini Bread");
        runtime().userClick(*w.Command24);
        expectRecipeStillShown(w);
        chooseMenu(w, "mOe");
        std::filesystem::remove_all(folder / "Breanfil.db1");
    }
}

}  // namespace
}  // namespace recipes
