// The recipe window's Utilities menu and the real backup window together: a
// cookbook backed up to a folder on another drive, changed, and brought back
// from there, the window showing the restored recipes.
#include <filesystem>
#include <string>

#include "backup/backup1.h"
#include "recipes/store/tests/cookbook_bytes.h"
#include "recipes/tests/recipe_window_fixture.h"
#include "shell/backup_handover.h"

namespace {

namespace fs = std::filesystem;
using platform::answer::Yes;
using recipes::Form5;
using recipes::testing::EntryText;
using recipes::testing::IndexFileBytes;
using recipes::testing::RecordBytes;

class BackupFromRecipeWindowTest : public recipes::testing::RecipeWindowFixture {
protected:
    BackupFromRecipeWindowTest() {
        backup::RegisterBackup(app());
        fs::create_directories(stick / "backups");
        desktop.volumes.addDrive("STICK", stick);
    }

    // What the user does in the backup window: the stick's folder, the
    // action, Yes to the question, then Exit once the status line shows.
    void goThroughBackupWindow(const std::string& expectedStatus) {
        desktop.windows.onModal("Backup1", [this, expectedStatus](ui::Form& form) {
            auto& w = static_cast<backup::Backup1&>(form);
            choose(*w.Drive1, "STICK");
            bool opened = false;
            for (int i = 0; i < w.Dir1->ListCount() && !opened; ++i)
                if (w.Dir1->List(i) == (stick / "backups").string()) {
                    w.Dir1->userOpenedFolder(i);
                    opened = true;
                }
            ASSERT_TRUE(opened);
            desktop.dialogs.expectMessage("Delete Files", Yes);
            runtime().userClick(*w.SSCommand2);
            EXPECT_EQ(w.SSPanel2->Caption(), expectedStatus);
            runtime().userClick(*w.SSCommand1);
        });
    }
    std::string shownIngredient(Form5& w, const std::string& entry) {
        view(w);
        chooseType(w, "Breads");
        choose(*w.Combo2, entry);
        return w.Text5[0]->Text();
    }

    basic::testing::TestFolder drives;
    fs::path stick = drives.path() / "stick";
};

TEST_F(BackupFromRecipeWindowTest, ACookbookBackedUpToAnotherDriveComesBackByItsRestore) {
    const std::string rolls(RecordBytes().line(1, "2", "cups", "flour"));
    const std::string breads = IndexFileBytes({EntryText("Rolls", 1)});
    writeFile("Recipe2.db1", rolls);
    writeFile("Breanfil.db1", breads);
    Form5& w = open();

    runtime().userMenu(*w.mU);
    ASSERT_TRUE(w.mUB->Enabled());
    goThroughBackupWindow("Backup Complete");
    chooseMenu(w, "mUB");
    EXPECT_EQ(basic::testing::ReadBytes(stick / "backups" / "Breanfil.db1"), breads);
    EXPECT_EQ(app().vars.RestoreMode, 0);

    // Later the cookbook holds another bread; the restore brings the rolls back.
    writeFile("Recipe2.db1", std::string(RecordBytes().line(1, "3", "cups", "rye flour")));
    writeFile("Breanfil.db1", IndexFileBytes({EntryText("Rye", 1)}));
    goThroughBackupWindow("Restoration Completed");
    chooseMenu(w, "mUR");

    EXPECT_EQ(bytesOf("Breanfil.db1"), breads);
    EXPECT_EQ(bytesOf("Recipe2.db1").substr(0, rolls.size()), rolls);
    EXPECT_EQ(shownIngredient(w, EntryText("Rolls", 1)), "flour");
}

}  // namespace
