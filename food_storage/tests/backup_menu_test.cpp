// The food storage window's Utilities menu: the family each kind hands the
// backup window, the save question before it, and the table loaded again
// after a restore.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "food_storage/store/storage_files.h"
#include "food_storage/tests/storage_fixture.h"
#include "shell/backup_handover.h"
#include "shell/tests/fake_backup_window.h"

namespace food_storage {
namespace {

using platform::answer::Cancel;
using platform::answer::No;
using platform::answer::Yes;
using Showing = shell::testing::FakeBackupWindow::Showing;
namespace family = shell::backup_family;

// The captions of a menu bar or of a menu's items, in order.
template <class Items>
std::vector<std::string> Captions(const Items& items) {
    std::vector<std::string> captions;
    for (const auto& item : items) captions.push_back(item->Caption());
    return captions;
}

class StorageBackupTest : public testing::StorageFixture {
protected:
    basic::ProgramFolder programFolder() const { return basic::ProgramFolder(folder.path()); }
    // The title of row 2 as the kind's table file holds it.
    std::string savedTitle(StorageKind kind) { return LoadStorage(programFolder(), kind).table.Cell(2, 0); }

    shell::testing::FakeBackupWindow backup{app()};
};

TEST_F(StorageBackupTest, TheUtilitiesMenuStandsBeforeHelp) {
    Form24& w = open();
    EXPECT_EQ(Captions(w.menus()), (std::vector<std::string>{"&Options", "&Edit", "&Rollup", "&Utilities", "&Help"}));
    EXPECT_EQ(Captions(w.mU->items()), (std::vector<std::string>{"&Backup Files to Disk", "&Restore Files from Disk"}));
}

TEST_F(StorageBackupTest, EachKindHandsOverItsOwnFamily) {
    const struct {
        StorageKind kind;
        std::int16_t backs, restores;
    } cases[] = {
        {StorageKind::Basic, family::BasicStorageBackup, family::BasicStorageRestore},
        {StorageKind::Emergency, family::EmergencyStorageBackup, family::EmergencyStorageRestore},
        {StorageKind::Additional, family::AdditionalStorageBackup, family::AdditionalStorageRestore},
    };
    for (const auto& c : cases) {
        backup.shown.clear();
        Form24& w = open(c.kind);
        chooseMenu(w, "mUB");
        chooseMenu(w, "mUR");
        EXPECT_EQ(backup.shown, (std::vector<Showing>{{c.backs, 0, 0}, {c.restores, shell::RestoreModeOn, 0}}))
            << static_cast<int>(c.kind) << ": nothing changed, nothing asked";
        EXPECT_EQ(w.kind(), c.kind) << "the restore reloads the same kind";
        EXPECT_FALSE(desktop.display.busy());
        runtime().userClick(*w.Command2);
        ASSERT_FALSE(w.isLoaded());
    }
}

TEST_F(StorageBackupTest, ChangesAreAskedAboutBeforeTheBackup) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    std::optional<std::string> savedWhileOpen;
    backup.whileOpen = [&] { savedWhileOpen = savedTitle(StorageKind::Emergency); };

    desktop.dialogs.expectMessage("Food Storage", Cancel);
    chooseMenu(w, "mUB");
    const auto& asked = desktop.dialogs.messages().back();
    EXPECT_EQ(asked.text, "Save changes made to Food Storage data before making backup?");
    EXPECT_EQ(asked.buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(asked.defaultButton, 1);
    EXPECT_TRUE(backup.shown.empty()) << "Cancel ends the action";

    desktop.dialogs.expectMessage("Food Storage", No);
    chooseMenu(w, "mUB");
    EXPECT_EQ(savedWhileOpen, "") << "No backs up the files as they are";
    EXPECT_TRUE(w.state().document.changed) << "the changes are still to be saved";
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Beans");
    // So leaving still asks about them.
    desktop.dialogs.expectMessage("Food Storage", Cancel);
    runtime().userClick(*w.Command2);
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes made to Food Storage data before exiting?");

    desktop.dialogs.expectMessage("Food Storage", Yes);
    chooseMenu(w, "mUB");
    EXPECT_EQ(savedWhileOpen, "Beans") << "Yes saves before the backup window opens";
    EXPECT_FALSE(w.state().document.changed);
    EXPECT_EQ(backup.shown.size(), 2u);
}

TEST_F(StorageBackupTest, ASaveThatFailsBeforeTheBackupStopsIt) {
    std::filesystem::create_directory(folder / "EmerE1.Fil");  // in the new file's way
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    desktop.dialogs.expectMessage("Food Storage", Yes);
    desktop.dialogs.expectMessage("Food Storage");  // "The Food Storage data could not be saved."
    chooseMenu(w, "mUB");
    EXPECT_TRUE(backup.shown.empty());
    EXPECT_TRUE(w.state().document.changed);
}

TEST_F(StorageBackupTest, ARestoreLoadsTheRestoredFilesInTheAllView) {
    Form24& w = open();
    runtime().userClick(*w.Command3D1[2]);
    ASSERT_FALSE(w.state().allView());
    backup.whileOpen = [&] {
        StorageTable table = LoadStorage(programFolder(), StorageKind::Emergency).table;
        table.Cell(2, 0) = "Rice";
        ASSERT_TRUE(SaveStorage(programFolder(), StorageKind::Emergency, table, "4"));
        EXPECT_FALSE(w.state().allView()) << "the window waits while the backup window is open";
    };
    chooseMenu(w, "mUR");
    EXPECT_TRUE(w.state().allView());
    EXPECT_EQ(w.Grid1->Rows(), 61);
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Rice");
    EXPECT_EQ(w.Text2->Text(), "4");
    EXPECT_FALSE(w.state().document.changed);
    EXPECT_FALSE(desktop.display.busy());
}

TEST_F(StorageBackupTest, ChangesAreAskedAboutBeforeARestore) {
    Form24& w = open();
    enterCell(w, 2, 0, "Beans");
    desktop.dialogs.expectMessage("Food Storage", Cancel);
    chooseMenu(w, "mUR");
    EXPECT_EQ(desktop.dialogs.messages().back().text, "Save changes made to Food Storage data before restoring files?");
    EXPECT_TRUE(backup.shown.empty()) << "Cancel keeps the table and restores nothing";
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Beans");

    std::optional<std::string> savedWhileOpen;
    backup.whileOpen = [&] { savedWhileOpen = savedTitle(StorageKind::Emergency); };
    desktop.dialogs.expectMessage("Food Storage", Yes);
    chooseMenu(w, "mUR");
    EXPECT_EQ(savedWhileOpen, "Beans");
    EXPECT_EQ(w.Grid1->TextMatrix(2, 0), "Beans") << "loaded again from the files";
}

class StorageWithoutBackupTest : public testing::StorageFixture {};

TEST_F(StorageWithoutBackupTest, WithoutABackupWindowTheItemsChangeNothing) {
    Form24& w = open();
    runtime().userClick(*w.Command3D1[2]);
    chooseMenu(w, "mUB");
    chooseMenu(w, "mUR");
    EXPECT_FALSE(w.state().allView()) << "nothing was restored: the view stays";
    EXPECT_EQ(app().vars.BackupFamily, 0);
    EXPECT_EQ(app().vars.RestoreMode, 0);
    EXPECT_FALSE(desktop.display.busy());
}

}  // namespace
}  // namespace food_storage
