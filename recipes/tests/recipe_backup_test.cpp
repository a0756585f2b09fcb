// The recipe window's Utilities menu: what it hands the backup window, the
// save question before it, and the cookbook shown afresh after a restore.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"
#include "shell/backup_handover.h"
#include "shell/hinfo1.h"
#include "shell/tests/fake_backup_window.h"

namespace recipes {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;
using Showing = shell::testing::FakeBackupWindow::Showing;
using testing::EntryText;
using testing::IndexFileBytes;
using testing::IndexRecordBytes;
using testing::RecordBytes;

constexpr Showing CookbookBackup{shell::backup_family::CookbookBackup, 0, 0};
constexpr Showing CookbookRestore{shell::backup_family::CookbookRestore, shell::RestoreModeOn, 0};

class RecipeBackupTest : public testing::RecipeWindowFixture {
protected:
    // One bread, "Rolls", in record 1 of the cookbook.
    void writeRolls(int cookbook = 1) {
        const std::string n = std::to_string(cookbook);
        writeFile("Recipe2.db" + n, std::string(RecordBytes().line(1, "2", "cups", "flour")));
        writeFile("Breanfil.db" + n, IndexFileBytes({EntryText("Rolls", 1)}));
    }
    // Create mode on the breads, a recipe typed and not saved.
    void typeScones(Form5& w) {
        desktop.dialogs.expectMessage("Recipe Files");  // Create starts on a type without recipes
        runtime().userClick(*w.Command1);
        chooseType(w, "Breads");
        runtime().userFocused(*w.Text8);
        w.Text8->userEdited("Scones");
        runtime().userFocused(*w.Text5[0]);
        w.Text5[0]->userEdited("cream");
        ASSERT_TRUE(w.state().RecipeChanged);
    }
    // Rolls chosen from the breads in view mode.
    void showRolls(Form5& w) {
        view(w);
        chooseType(w, "Breads");
        choose(*w.Combo2, EntryText("Rolls", 1));
        ASSERT_EQ(w.Text5[0]->Text(), "flour");
    }
    bool backupOffered(Form5& w) {
        runtime().userMenu(*w.mU);
        return w.mUB->Enabled();
    }

    shell::testing::FakeBackupWindow backup{app()};
};

struct OfferCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    bool offered;
};

class RecipeBackupOfferTest : public RecipeBackupTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(RecipeBackupOfferTest, BackupIsOfferedOnlyWhenTheCurrentCookbookNamesARecipe) {
    for (const auto& [name, bytes] : GetParam().files) writeFile(name, bytes);
    Form5& w = open();
    EXPECT_EQ(backupOffered(w), GetParam().offered);
    EXPECT_TRUE(w.mUR->Enabled()) << "a restore is always offered";
    if (!GetParam().offered) return;
    chooseMenu(w, "mUB");
    EXPECT_EQ(backup.shown, std::vector<Showing>{CookbookBackup}) << "nothing unsaved: no question";
}

const std::string Rolls = IndexFileBytes({EntryText("Rolls", 1)});
const std::string RollsRecord = RecordBytes().line(1, "2", "cups", "flour");
// "GColor4.Fil" record 1 naming cookbook 2 as current: " 2" as a 40-byte RecordString.
const std::string CookbookTwoRecord = std::string("\x02\x00 2", 4) + std::string(36, '\0');

INSTANTIATE_TEST_SUITE_P(
    Cookbooks, RecipeBackupOfferTest,
    ::testing::Values(
        OfferCase{"Empty", {}, false},
        OfferCase{"OneBread", {{"Recipe2.db1", RollsRecord}, {"Breanfil.db1", Rolls}}, true},
        OfferCase{"EntryBeforeItsRecordIsWritten", {{"Breanfil.db1", Rolls}}, true},
        OfferCase{"LastTypeOnly", {{"Recipe2.db1", RollsRecord}, {"Vegenfil.db1", Rolls}}, true},
        OfferCase{"EmptyEntryOnly", {{"Recipe2.db1", RollsRecord}, {"Breanfil.db1", IndexRecordBytes("")}}, false},
        OfferCase{"OnlyAnotherCookbook", {{"Recipe2.db2", RollsRecord}, {"Breanfil.db2", Rolls}}, false},
        OfferCase{"CurrentCookbookTwo",
                  {{"GColor4.Fil", CookbookTwoRecord}, {"Recipe2.db2", RollsRecord}, {"Breanfil.db2", Rolls}},
                  true}),
    [](const ::testing::TestParamInfo<OfferCase>& info) { return std::string(info.param.name); });

TEST_F(RecipeBackupTest, UnsavedEditsAreAskedAboutBeforeTheBackup) {
    writeRolls();
    Form5& w = open();
    typeScones(w);
    std::optional<std::string> indexWhileOpen;
    backup.whileOpen = [&] { indexWhileOpen = bytesOf("Breanfil.db1"); };

    desktop.dialogs.expectMessage("Recipe File", Cancel);
    chooseMenu(w, "mUB");
    EXPECT_TRUE(backup.shown.empty()) << "Cancel stops the backup";
    EXPECT_EQ(w.Text8->Text(), "Scones");
    EXPECT_TRUE(w.state().RecipeChanged);

    desktop.dialogs.expectMessage("Recipe File", No);
    chooseMenu(w, "mUB");
    EXPECT_EQ(backup.shown, std::vector<Showing>{CookbookBackup});
    EXPECT_EQ(indexWhileOpen, Rolls) << "No backs up the cookbook as it is";
    EXPECT_EQ(w.Text8->Text(), "Scones") << "and leaves the edits to be saved later";
    EXPECT_TRUE(w.state().RecipeChanged);

    desktop.dialogs.expectMessage("Recipe File", Yes);
    chooseMenu(w, "mUB");
    ASSERT_EQ(backup.shown.size(), 2u);
    EXPECT_EQ(indexWhileOpen, IndexFileBytes({EntryText("Rolls", 1), EntryText("Scones", 2)}))
        << "Yes saves the recipe before the backup window opens";
    EXPECT_FALSE(w.state().RecipeChanged);
    EXPECT_EQ(app().vars.BackupFamily, 0);
}

TEST_F(RecipeBackupTest, AYesWhoseSaveWasRefusedBacksUpTheCookbookAsItIsAndKeepsTheEdits) {
    writeRolls();
    Form5& w = open();
    typeScones(w);
    w.Text8->userEdited("");  // no name: the save refuses
    std::optional<std::string> indexWhileOpen;
    backup.whileOpen = [&] {
        indexWhileOpen = bytesOf("Breanfil.db1");
        shell::BeginWait(app());  // as a step left it
    };
    desktop.dialogs.expectMessage("Recipe File", Yes);
    desktop.dialogs.expectMessage("Save");  // "Please enter Recipe Name in order to save!"
    chooseMenu(w, "mUB");
    EXPECT_EQ(backup.shown, std::vector<Showing>{CookbookBackup});
    EXPECT_EQ(indexWhileOpen, Rolls);
    EXPECT_EQ(w.Text5[0]->Text(), "cream");
    EXPECT_TRUE(w.state().RecipeChanged);
    EXPECT_FALSE(desktop.display.busy()) << "the busy pointer is off once the backup window closed";
}

TEST_F(RecipeBackupTest, ARestoreShowsTheRestoredCookbookWithViewOffered) {
    writeRolls();
    Form5& w = open();
    showRolls(w);
    ASSERT_FALSE(w.Command2->Enabled()) << "view mode";
    // The restore brings back a cookbook whose record 1 is a rye bread.
    backup.whileOpen = [&] {
        writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "3", "cups", "rye flour")));
        writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rye", 1)}));
        EXPECT_EQ(w.Text5[0]->Text(), "flour") << "the window waits while the backup window is open";
    };
    chooseMenu(w, "mUR");

    EXPECT_EQ(backup.shown, std::vector<Showing>{CookbookRestore});
    EXPECT_EQ(w.state().mode, RecipeMode::NoCommand);
    EXPECT_TRUE(w.Command2->Enabled());
    EXPECT_TRUE(w.Command1->Enabled());
    EXPECT_EQ(w.Text5[0]->Text(), "") << "nothing of the cookbook before is shown";
    EXPECT_EQ(w.Combo2->ListCount(), 0);
    EXPECT_EQ(w.Combo1->ListCount(), 22);
    EXPECT_FALSE(desktop.display.busy());

    runtime().userClick(*w.Command2);  // View, on the breads still in the type box
    chooseType(w, "Breads");
    ASSERT_EQ(w.Combo2->ListCount(), 1);
    w.Combo2->userChose(0);
    EXPECT_EQ(w.Text5[0]->Text(), "rye flour");
}

TEST_F(RecipeBackupTest, AnOlderCookbookOneRestoredIsConvertedAtTheNextCommand) {
    writeRolls();
    Form5& w = open();
    ASSERT_FALSE(w.state().OldFormatPending);
    backup.whileOpen = [&] {
        writeFile("Recipe2.db1", std::string(testing::OldRecordBytes().line(1, "2", "cups", "milk")));
        writeFile("Dipsnfil.db1", IndexFileBytes({EntryText("Fondue", 1)}));
        std::filesystem::remove(folder / "Breanfil.db1");
    };
    chooseMenu(w, "mUR");
    EXPECT_TRUE(w.state().OldFormatPending);
    view(w);  // View converts first
    EXPECT_FALSE(w.state().OldFormatPending);
    chooseType(w, "Dips");
    w.Combo2->userChose(0);
    EXPECT_EQ(w.Text5[0]->Text(), "milk");
}

TEST_F(RecipeBackupTest, UnsavedEditsAreAskedAboutBeforeARestore) {
    writeRolls();
    Form5& w = open();
    typeScones(w);
    desktop.dialogs.expectMessage("Recipe File", Cancel);
    chooseMenu(w, "mUR");
    EXPECT_TRUE(backup.shown.empty()) << "Cancel keeps the edits and restores nothing";
    EXPECT_EQ(w.Text8->Text(), "Scones");
    EXPECT_TRUE(w.state().RecipeChanged);

    desktop.dialogs.expectMessage("Recipe File", No);
    chooseMenu(w, "mUR");
    EXPECT_EQ(backup.shown, std::vector<Showing>{CookbookRestore});
    EXPECT_FALSE(w.state().RecipeChanged) << "No drops the edits as the cookbook loads afresh";
}

class RecipeWithoutBackupTest : public testing::RecipeWindowFixture {};

TEST_F(RecipeWithoutBackupTest, WithoutABackupWindowTheItemsChangeNothing) {
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "2", "cups", "flour")));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rolls", 1)}));
    Form5& w = open();
    view(w);
    chooseType(w, "Breads");
    w.Combo2->userChose(0);
    chooseMenu(w, "mUB");
    chooseMenu(w, "mUR");
    EXPECT_EQ(w.Text5[0]->Text(), "flour") << "nothing was restored: the recipe stays shown";
    EXPECT_EQ(w.state().mode, RecipeMode::View);
    EXPECT_EQ(app().vars.BackupFamily, 0);
    EXPECT_EQ(app().vars.RestoreMode, 0);
}

}  // namespace
}  // namespace recipes
