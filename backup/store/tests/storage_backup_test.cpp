#include <gtest/gtest.h>

#include "backup/store/storage_backup.h"
#include "backup/store/tests/backup_test_disks.h"
#include "platform/testing/test_folder.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using food_storage::StorageKind;
using testing::ScriptedUser;

class StorageBackupTest : public testing::BackupFixture {
protected:

    void SetUp() override {
        BackupFixture::SetUp();
        for (const char* name : {"FdsB1.Fil", "FdsB2.Fil", "FdsB3.Fil", "FdsB4.Fil", "EmerE1.Fil", "EmerE3.Fil",
                                 "EmerE4.Fil", "AddA1.Fil", "AddA3.Fil", "AddA4.Fil"})
            WriteBytes(program / name, std::string("\"") + name + "\"\r\n" + std::string(300, 'x'));
    }
};

TEST_F(StorageBackupTest, EachKindLeavesExactlyItsCopies) {
    const struct {
        StorageKind kind;
        std::vector<std::string> copies;
    } cases[] = {
        {StorageKind::Basic, {"FdsB1.Fds", "FdsB2.Fds", "FdsB3.Fds", "FdsB4.Fds"}},
        {StorageKind::Emergency, {"EmerE1.EmE", "EmerE3.EmE", "EmerE4.EmE"}},
        {StorageKind::Additional, {"AddA1.AdA", "AddA3.AdA", "AddA4.AdA"}},
    };
    for (const auto& c : cases) {
        for (const auto& name : drive.Names(1)) fs::remove(drive.path() / name);
        WriteBytes(drive.path() / c.copies[0], "an older copy");
        ScriptedUser user(&drive, {});
        EXPECT_EQ(BackupStorage(folder, c.kind, drive.path(), user, disk), (Outcome{Result::Completed, "Backup Complete"}));
        EXPECT_EQ(drive.Names(1), c.copies);
        for (const auto& copy : StorageSet(c.kind))
            EXPECT_EQ(drive.Read(1, copy.copyName), ReadBytes(program / copy.programName));
    }
}

TEST_F(StorageBackupTest, ASecondCopyThatFailsLeavesNoCopyAndOkWritesAllOnTheNextDisk) {
    drive.Limit(1, 400);  // room for one copy only
    ScriptedUser user(&drive, {{Answer::Ok, 2}});
    EXPECT_EQ(BackupStorage(folder, StorageKind::Basic, drive.path(), user, disk).result, Result::Completed);
    EXPECT_EQ(user.prompts.at(0), NewBlankDiskPrompt());
    EXPECT_TRUE(drive.Names(1).empty());
    EXPECT_EQ(drive.Names(2).size(), 4u);

    drive.Insert(1);
    ScriptedUser cancelling(&drive, {{Answer::Cancel}, {Answer::Ok}});
    EXPECT_EQ(BackupStorage(folder, StorageKind::Basic, drive.path(), cancelling, disk),
              (Outcome{Result::Cancelled, "Backup Terminated by User"}));
    ASSERT_EQ(cancelling.prompts.size(), 2u);
    EXPECT_EQ(cancelling.prompts[1], BackupCancelledPrompt());
    EXPECT_TRUE(drive.Names(1).empty());
}

TEST_F(StorageBackupTest, ATableNeverSavedIsReportedBeforeAnyDiskPrompt) {
    fs::remove(program / "AddA1.Fil");
    ASSERT_TRUE(StorageSourceProblem(folder, StorageKind::Additional));
    ScriptedUser user(&drive, {{Answer::Ok}});
    EXPECT_EQ(BackupStorage(folder, StorageKind::Additional, drive.path(), user, disk).result, Result::Failed);
    ASSERT_EQ(user.prompts.size(), 1u);
    EXPECT_NE(user.prompts[0].text.find("AddA1.Fil"), std::string::npos);
    EXPECT_TRUE(drive.Names(1).empty());
}

TEST_F(StorageBackupTest, TheEmergencyTableRestoresFromUpperCaseNamesAndKeepsTheNumberInFamily) {
    WriteBytes(drive.path() / "EMERE1.EME", "table");
    WriteBytes(drive.path() / "EMERE3.EME", "titles");
    WriteBytes(drive.path() / "EMERE4.EME", "amounts");
    const std::string family = ReadBytes(program / "FdsB2.Fil");
    ScriptedUser user(&drive, {{Answer::Yes}});
    EXPECT_EQ(RestoreStorage(folder, StorageKind::Emergency, drive.path(), user),
              (Outcome{Result::Completed, "Restoration Completed"}));
    EXPECT_EQ(user.prompts.at(0).text,
              "This utility will first Delete all existing Emerg. files\rlocated in Pantrivo Program!\r\rProceed?");
    EXPECT_EQ(user.statuses.at(0), "Restoring Emergency Food Storage Files");
    EXPECT_EQ(ReadBytes(program / "EmerE1.Fil"), "table");
    EXPECT_EQ(ReadBytes(program / "EmerE3.Fil"), "titles");
    EXPECT_EQ(ReadBytes(program / "EmerE4.Fil"), "amounts");
    EXPECT_EQ(ReadBytes(program / "FdsB2.Fil"), family);
}

TEST_F(StorageBackupTest, ARestoreFromAnIncompleteSetChangesNothingAndAsksAgain) {
    WriteBytes(drive.path() / "FdsB1.Fds", "table only");
    const std::string before = ReadBytes(program / "FdsB1.Fil");
    ScriptedUser user(&drive, {{Answer::Yes}, {Answer::Ok}, {Answer::No}});
    EXPECT_EQ(RestoreStorage(folder, StorageKind::Basic, drive.path(), user), (Outcome{Result::Declined, "Nothing Restored"}));
    ASSERT_EQ(user.prompts.size(), 3u);
    EXPECT_EQ(user.prompts[1], RestoreDiskErrorPrompt());
    EXPECT_EQ(user.prompts[2], user.prompts[0]);
    EXPECT_EQ(ReadBytes(program / "FdsB1.Fil"), before);
    EXPECT_EQ(user.prompts[0].text.rfind("This utility will first Delete all existing Basic files\r", 0), 0u);
}

}  // namespace
}  // namespace backup
