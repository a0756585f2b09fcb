#include <gtest/gtest.h>

#include "backup/store/disk_info.h"
#include "backup/store/tests/backup_test_disks.h"
#include "backup/store/year_backup.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/testing/test_folder.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::InfoRecords;
using testing::ScriptedUser;

constexpr long L = menu_planner::DayRecordLength;

// A day's record as the planner writes it: 682 bytes, zero bytes to 700.
std::string Day(long k) {
    std::string record = testing::RecordBytes(k, menu_planner::DayRecordUsedBytes);
    record.resize(L, '\0');
    return record;
}

class YearBackupTest : public testing::BackupFixture {
protected:
    fs::path yearFile = program / " 2004.Mnu";

    // Days planned up to record `through`; records 1 to 10 hold no day.
    std::string MakeYear(long through) {
        std::string bytes(10 * L, '\0');
        for (long k = 11; k <= through; ++k) bytes += Day(k);
        bytes.resize(bytes.size() - (L - menu_planner::DayRecordUsedBytes));
        WriteBytes(yearFile, bytes);
        return bytes;
    }
};

TEST_F(YearBackupTest, TheYear2004OnOneDiskAndBack) {
    const std::string year = MakeYear(431);
    ASSERT_EQ(year.size(), 301682u);
    WriteBytes(drive.path() / " 2004.MB1", "an older copy in capitals");
    ScriptedUser user(&drive, {});
    EXPECT_EQ(BackupYear(folder, 2004, drive.path(), user, disk), (Outcome{Result::Completed, "Backup Complete"}));
    EXPECT_EQ(drive.Names(1), (std::vector<std::string>{" 2004.Mb1", "Disk2004.Mbk"}));
    EXPECT_EQ(InfoRecords(drive.Read(1, "Disk2004.Mbk")),
              (std::vector<std::string>{"MPlan", "1", "1", " 432", " 2004", "T1"}));
    EXPECT_EQ(drive.Read(1, " 2004.Mb1").size(), 431u * L);
    EXPECT_EQ(drive.Read(1, " 2004.Mb1").substr(0, year.size()), year);

    WriteBytes(yearFile, "planned since");
    ScriptedUser restorer(&drive, {{Answer::Yes}});
    EXPECT_EQ(RestoreYear(folder, 2004, drive.path(), restorer), (Outcome{Result::Completed, "Restoration Completed"}));
    EXPECT_EQ(restorer.prompts.at(0).text,
              "This utility will first Delete all existing Menu Planner files\rlocated in Pantrivo Program!\r\rProceed?");
    EXPECT_EQ(ReadBytes(yearFile), year);
}

TEST_F(YearBackupTest, AYearPlannedToMarchIsBackedUpAsAFullYearAndRestoredTo301682Bytes) {
    const std::string march = MakeYear(313);
    ScriptedUser user(&drive, {{Answer::Yes}});
    ASSERT_EQ(BackupYear(folder, 2004, drive.path(), user, disk).result, Result::Completed);
    EXPECT_EQ(drive.Read(1, " 2004.Mb1").size(), 431u * L);
    ASSERT_EQ(RestoreYear(folder, 2004, drive.path(), user).result, Result::Completed);
    const std::string restored = ReadBytes(yearFile);
    EXPECT_EQ(restored.size(), 301682u);
    EXPECT_EQ(restored.substr(0, march.size()), march);
    EXPECT_EQ(restored.find_first_not_of('\0', march.size()), std::string::npos);
}

TEST_F(YearBackupTest, ADiskFullAtRecord215AndAnEmptyDiskTakePartInTheChain) {
    const std::string year = MakeYear(431);
    drive.Limit(1, 180 + 214 * L + 50);
    drive.Limit(2, 180);  // takes its information file and no record
    ScriptedUser user(&drive, {{Answer::Ok, 2}, {Answer::Ok, 3}});
    EXPECT_EQ(BackupYear(folder, 2004, drive.path(), user, disk).result, Result::Completed);
    EXPECT_EQ(user.prompts.at(0), NextBackupDiskPrompt(2));
    EXPECT_EQ(user.prompts.at(1), NextBackupDiskPrompt(3));
    EXPECT_EQ(user.statuses,
              (std::vector<std::string>{"Making Menu Plan Backup Disk #1", "Deleting Old Files",
                                        "Making Menu Plan Backup Disk #2", "Deleting Old Files",
                                        "Making Menu Plan Backup Disk #3"}));
    EXPECT_EQ(InfoRecords(drive.Read(1, "Disk2004.Mbk")), (std::vector<std::string>{"MPlan", "1", "2", " 215", " 2004", "T1"}));
    EXPECT_EQ(InfoRecords(drive.Read(2, "Disk2004.Mbk")), (std::vector<std::string>{"MPlan", "2", "3", " 215", " 2004", "T1"}));
    EXPECT_EQ(InfoRecords(drive.Read(3, "Disk2004.Mbk")), (std::vector<std::string>{"MPlan", "3", "3", " 432", " 2004", "T1"}));
    EXPECT_EQ(drive.Read(3, " 2004.Mb1").substr(0, L), Day(215));

    // Disk 3 offered when disk 2 is asked for brings the same request; disk 2
    // holds nothing and at once asks for disk 3.
    WriteBytes(yearFile, "planned since");
    drive.Insert(1);
    ScriptedUser restorer(&drive, {{Answer::Yes}, {Answer::Ok, 3}, {Answer::Ok, 2}, {Answer::Ok, 3}});
    EXPECT_EQ(RestoreYear(folder, 2004, drive.path(), restorer).result, Result::Completed);
    ASSERT_EQ(restorer.prompts.size(), 4u);
    EXPECT_EQ(restorer.prompts[1], InsertRestoreDiskPrompt(2));
    EXPECT_EQ(restorer.prompts[2], InsertRestoreDiskPrompt(2));
    EXPECT_EQ(restorer.prompts[3], InsertRestoreDiskPrompt(3));
    EXPECT_EQ(ReadBytes(yearFile), year);
}

TEST_F(YearBackupTest, AWrongDiskACancelledDiskChangeOrANoLeaveTheYearFileUntouched) {
    MakeYear(431);
    drive.Limit(1, 180 + 100 * L);
    ScriptedUser user(&drive, {{Answer::Ok, 2}});
    ASSERT_EQ(BackupYear(folder, 2004, drive.path(), user, disk).result, Result::Completed);
    const std::string before = "the year as it is";
    WriteBytes(yearFile, before);

    ScriptedUser wrong(&drive, {{Answer::Ok}});  // disk 2 in the drive
    EXPECT_EQ(RestoreYear(folder, 2004, drive.path(), wrong).result, Result::NotFound);
    EXPECT_EQ(wrong.prompts, std::vector<Prompt>{RestoreDiskErrorPrompt()});
    drive.Insert(1);
    ScriptedUser declined(&drive, {{Answer::No}});
    EXPECT_EQ(RestoreYear(folder, 2004, drive.path(), declined), (Outcome{Result::Declined, "Nothing Restored"}));
    ScriptedUser cancelled(&drive, {{Answer::Yes}, {Answer::Cancel}});
    EXPECT_EQ(RestoreYear(folder, 2004, drive.path(), cancelled), (Outcome{Result::Cancelled, "Nothing Restored"}));
    EXPECT_EQ(ReadBytes(yearFile), before);
}

TEST_F(YearBackupTest, NoYearFileIsReportedAndAFullFirstDiskAsksForABlankOneUntilCancel) {
    ScriptedUser none(&drive, {{Answer::Ok}});
    EXPECT_EQ(BackupYear(folder, 2004, drive.path(), none, disk).result, Result::Failed);
    EXPECT_EQ(none.prompts.size(), 1u);
    EXPECT_TRUE(drive.Names(1).empty());

    // Only the information file that did not fit goes; the old copy stays.
    MakeYear(100);
    WriteBytes(drive.path() / " 2004.Mb1", "the last copy");
    drive.Limit(1, 100);
    ScriptedUser user(&drive, {{Answer::Ok}, {Answer::Cancel}});
    EXPECT_EQ(BackupYear(folder, 2004, drive.path(), user, disk), (Outcome{Result::Cancelled, "Backup Terminated by User"}));
    EXPECT_EQ(user.prompts, (std::vector<Prompt>{NewBlankDiskPrompt(), NewBlankDiskPrompt()}));
    EXPECT_EQ(drive.Names(1), std::vector<std::string>{" 2004.Mb1"});
    EXPECT_EQ(drive.Read(1, " 2004.Mb1"), "the last copy");
}

}  // namespace
}  // namespace backup
