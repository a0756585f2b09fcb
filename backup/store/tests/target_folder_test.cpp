#include <gtest/gtest.h>

#include "backup/store/cookbook_backup.h"
#include "backup/store/storage_backup.h"
#include "backup/store/target_folder.h"
#include "backup/store/tests/backup_test_disks.h"
#include "backup/store/year_backup.h"
#include "platform/testing/test_folder.h"

namespace backup {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolderTest, TheSameFolderByAnyPathIsTheProgramFolderAndASubfolderIsNot) {
    basic::testing::TestFolder root;
    const fs::path program = root / "Program";
    fs::create_directories(program / "sub");
    fs::create_directory_symlink(program, root / "link");
    for (const fs::path& same : {program, fs::path(program.string() + "/"), program / "sub" / "..",
                                 root / "link", root / "PROGRAM", root / "." / "Program"})
        EXPECT_TRUE(IsProgramFolder(same, program)) << same;
    for (const fs::path& other : {program / "sub", root.path(), root / "Programs"})
        EXPECT_FALSE(IsProgramFolder(other, program)) << other;
}

TEST(ProgramFolderTest, EveryStepRefusesTheProgramFolderReachedByALink) {
    basic::testing::TestFolder root;
    const fs::path program = root / "program";
    fs::create_directories(program);
    fs::create_directory_symlink(program, root / "link");
    testing::MakeCookbook(program, 1, 3, 3);
    const basic::ProgramFolder folder(program);
    const std::string before = basic::testing::ReadBytes(program / "Recipe2.db1");
    testing::ScriptedUser user(nullptr, {{Answer::Yes}, {Answer::Yes}, {Answer::Yes}, {Answer::Yes}, {Answer::Yes}});
    EXPECT_EQ(BackupCookbook(folder, 1, root / "link", user).result, Result::Failed);
    EXPECT_EQ(RestoreCookbook(folder, 1, root / "link", user).result, Result::Failed);
    EXPECT_EQ(BackupStorage(folder, food_storage::StorageKind::Basic, root / "link", user).result, Result::Failed);
    EXPECT_EQ(BackupYear(folder, 2004, root / "link", user).result, Result::Failed);
    EXPECT_EQ(RestoreYear(folder, 2004, root / "link", user).result, Result::Failed);
    EXPECT_EQ(basic::testing::ReadBytes(program / "Recipe2.db1"), before);
    EXPECT_FALSE(fs::exists(program / "Recipe2.bk1"));
}

TEST(PromptTest, TheQuestionsNameTheFamilyAndThePathOnLinesOfTheirOwn) {
    const Prompt backup = BackupConfirmation("Menu Planner", "/media/stick/");
    EXPECT_EQ(backup.text, "This utility will first Delete all existing Menu Planner files\rlocated in Path: /media/stick/\r\rProceed?");
    EXPECT_EQ(backup.title, "Delete Files");
    EXPECT_EQ(backup.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(backup.preselected, Answer::No);
    EXPECT_EQ(NewBlankDiskPrompt().text,
              "Disk is either Full, or there is not enough room\rremaining for the requested backup files!\rPlease "
              "Insert a New Blank Formatted\rBackup Disk and then Click on OK.\rCAUTION: Wait till Disk Drive light "
              "goes out and\rBe sure New Disk is inserted before Clicking OK");
    EXPECT_EQ(BackupCancelledPrompt().title, "Backup Proceedure Cancelation");
}

}  // namespace
}  // namespace backup
