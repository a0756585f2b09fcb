// The replace step of a restore: killed at every durable step, or with a
// move that fails, the program folder ends with the whole old set or the
// whole new one, byte for byte, and no staging folder.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "backup/store/cookbook_backup.h"
#include "backup/store/restore_commit.h"
#include "backup/store/storage_backup.h"
#include "backup/store/target_folder.h"
#include "backup/store/tests/backup_test_disks.h"
#include "backup/store/year_backup.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/testing/kill_points.h"
#include "platform/testing/test_folder.h"
#include "recipes/store/record_journal.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::ScriptedUser;
using Files = std::map<std::string, std::string>;

// Every entry of the folder; a folder shows as "<folder>".
Files Snapshot(const fs::path& dir) {
    Files files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
    return files;
}

void Reset(const fs::path& dir, const Files& files) {
    for (const auto& entry : fs::directory_iterator(dir)) fs::remove_all(entry.path());
    for (const auto& [name, bytes] : files) WriteBytes(dir / name, bytes);
}

// The program folder's file layer with renames that fail: the failAt-th
// alone, or it and every later one.
struct FailingRenames final : DiskFiles {
    int failAt = 0;
    bool failLater = false;
    int renames = 0;
    std::unique_ptr<DiskWriter> Open(const fs::path& file, bool empty) override { return RealDisk().Open(file, empty); }
    bool Remove(const fs::path& file) override { return RealDisk().Remove(file); }
    bool Rename(const fs::path& from, const fs::path& to) override {
        ++renames;
        if (renames == failAt || (failLater && renames > failAt)) return false;
        return RealDisk().Rename(from, to);
    }
};

// A year of 301,682 bytes whose days each hold their number and the mark.
std::string YearBytes(char mark) {
    std::string bytes;
    for (long k = 1; k <= menu_planner::LastDayKey; ++k) {
        std::string day = testing::RecordBytes(k, menu_planner::DayRecordUsedBytes);
        day[day.size() - 1] = mark;
        day.resize(menu_planner::DayRecordLength, '\0');
        bytes += day;
    }
    bytes.resize(static_cast<std::size_t>(menu_planner::FullYearFileBytes));
    return bytes;
}

class RestoreCommitTest : public testing::BackupFixture {
protected:
    // A cookbook 2 of 30 records on the drive, and an older one of 8 with a
    // journal of an unfinished change in the program folder. newSet is the
    // folder after a restore, oldSet before it.
    void MakeCookbookSets() {
        testing::MakeCookbook(program, 2, 30, 30);
        ScriptedUser backer(&drive, {});
        ASSERT_EQ(BackupCookbook(folder, 2, drive.path(), backer, disk).result, Result::Completed);
        testing::MakeCookbook(program, 2, 5, 8);
        WriteBytes(recipes::JournalPathFor(program / "Recipe2.db2"), "an unfinished change of the old file");
        WriteBytes(program / "GColor4.Fil", "not of the cookbook");
        oldSet = Snapshot(program);
        ScriptedUser user(&drive, {{Answer::Yes}});
        ASSERT_EQ(RestoreCookbook(folder, 2, drive.path(), user).result, Result::Completed);
        newSet = Snapshot(program);
        ASSERT_NE(newSet, oldSet);
        Reset(program, oldSet);
    }
    void MakeStorageSets() {
        for (const auto& file : StorageSet(food_storage::StorageKind::Basic)) {
            WriteBytes(drive.path() / file.copyName, "new " + file.programName);
            WriteBytes(program / file.programName, "old " + file.programName);
        }
        WriteBytes(program / "EmerE1.Fil", "another kind");
        oldSet = Snapshot(program);
        ScriptedUser user(&drive, {{Answer::Yes}});
        ASSERT_EQ(RestoreStorage(folder, food_storage::StorageKind::Basic, drive.path(), user).result,
                  Result::Completed);
        newSet = Snapshot(program);
        Reset(program, oldSet);
    }

    // A year backed up, then planned further: the restore brings back the
    // year as it was backed up.
    void MakeYearSets() {
        WriteBytes(program / " 2004.Mnu", YearBytes('b'));
        ScriptedUser backer(&drive, {});
        ASSERT_EQ(BackupYear(folder, 2004, drive.path(), backer, disk).result, Result::Completed);
        WriteBytes(program / " 2004.Mnu", YearBytes('c'));
        WriteBytes(program / " 2005.Mnu", "another year");
        oldSet = Snapshot(program);
        ScriptedUser user(&drive, {{Answer::Yes}});
        ASSERT_EQ(RestoreYear(folder, 2004, drive.path(), user).result, Result::Completed);
        newSet = Snapshot(program);
        ASSERT_NE(newSet, oldSet);
        Reset(program, oldSet);
    }

    // Runs the restore in a child killed at each durable step in turn, and
    // settles after each kill as the next start would.
    void KillAtEveryStep(const std::function<void()>& restore) {
        int oldAfterKill = 0;
        int finishedAfterKill = 0;
        bool finished = false;
        for (int stopAt = 1; stopAt < 1000 && !finished; ++stopAt) {
            Reset(program, oldSet);
            finished = basic::testing::RunUntilKilled(restore, stopAt);
            const Settled settled = FinishInterruptedRestore(folder);
            const Files now = Snapshot(program);
            EXPECT_TRUE(now == oldSet || now == newSet) << "after step " << stopAt;
            if (finished) break;
            oldAfterKill += now == oldSet;
            finishedAfterKill += settled == Settled::Finished && now == newSet;
        }
        EXPECT_TRUE(finished);
        EXPECT_GT(oldAfterKill, 0);
        EXPECT_GT(finishedAfterKill, 2);  // kills between the moves, finished at the next start
    }

    Files oldSet;
    Files newSet;
};

TEST_F(RestoreCommitTest, ACookbookRestoreKilledAtAnyStepIsSettledToTheWholeOldOrNewCookbook) {
    MakeCookbookSets();
    KillAtEveryStep([&] {
        ScriptedUser user(&drive, {{Answer::Yes}});
        static_cast<void>(RestoreCookbook(folder, 2, drive.path(), user));
    });
}

TEST_F(RestoreCommitTest, AStorageRestoreKilledAtAnyStepIsSettledToTheWholeOldOrNewTable) {
    MakeStorageSets();
    KillAtEveryStep([&] {
        ScriptedUser user(&drive, {{Answer::Yes}});
        static_cast<void>(RestoreStorage(folder, food_storage::StorageKind::Basic, drive.path(), user));
    });
}

TEST_F(RestoreCommitTest, AYearRestoreKilledAtAnyStepIsSettledToTheWholeOldOrNewYear) {
    MakeYearSets();
    KillAtEveryStep([&] {
        ScriptedUser user(&drive, {{Answer::Yes}});
        static_cast<void>(RestoreYear(folder, 2004, drive.path(), user));
    });
}

TEST_F(RestoreCommitTest, ARestoreKilledWhileAFailedMoveIsUndoneIsSettledToAWholeCookbook) {
    MakeCookbookSets();
    KillAtEveryStep([&] {
        FailingRenames renames;
        renames.failAt = 30;
        ScriptedUser user(&drive, {{Answer::Yes}, {Answer::Ok}});
        static_cast<void>(RestoreCookbook(folder, 2, drive.path(), user, renames));
    });
}

TEST_F(RestoreCommitTest, AMoveThatFailsPutsTheWholeOldCookbookBackWithItsJournal) {
    MakeCookbookSets();
    // 23 files each moved aside and in, then the journal aside.
    const struct {
        int failAt;
        bool failLater;
        Outcome outcome;
    } cases[] = {
        {1, false, {Result::Failed, NothingRestored}},  {2, false, {Result::Failed, NothingRestored}},
        {30, false, {Result::Failed, NothingRestored}}, {47, false, {Result::Failed, NothingRestored}},
        {30, true, {Result::Failed, "Restore Failed"}},  // the way back fails too: settled later
    };
    for (const auto& c : cases) {
        Reset(program, oldSet);
        FailingRenames renames;
        renames.failAt = c.failAt;
        renames.failLater = c.failLater;
        ScriptedUser user(&drive, {{Answer::Yes}, {Answer::Ok}});
        EXPECT_EQ(RestoreCookbook(folder, 2, drive.path(), user, renames), c.outcome) << c.failAt;
        EXPECT_EQ(user.prompts.back().title, "Disk Error");
        EXPECT_EQ(user.prompts.back().text.rfind("Unable to replace the Recipe files in Pantrivo Program!", 0), 0u);
        if (c.failLater) {
            EXPECT_TRUE(fs::exists(program / StagingFolderName));
            EXPECT_EQ(FinishInterruptedRestore(folder), Settled::RolledBack);
        }
        EXPECT_EQ(Snapshot(program), oldSet) << c.failAt;
    }
}

TEST_F(RestoreCommitTest, EveryStepFirstRemovesAStagingFolderThatNeverReachedItsReplaceStep) {
    testing::MakeCookbook(program, 1, 3, 3);
    WriteBytes(program / " 2004.Mnu", std::string(700, ' '));
    const std::function<Outcome(ScriptedUser&)> steps[] = {
        [&](ScriptedUser& user) { return BackupCookbook(folder, 1, drive.path(), user, disk); },
        [&](ScriptedUser& user) { return BackupYear(folder, 2004, drive.path(), user, disk); },
        [&](ScriptedUser& user) { return RestoreYear(folder, 2004, root / "nowhere", user); },
        [&](ScriptedUser& user) { return RestoreCookbook(folder, 1, root / "nowhere", user); },
        [&](ScriptedUser& user) {
            return RestoreStorage(folder, food_storage::StorageKind::Basic, root / "nowhere", user);
        },
        [&](ScriptedUser& user) {
            return BackupStorage(folder, food_storage::StorageKind::Basic, drive.path(), user, disk);
        },
    };
    for (const auto& step : steps) {
        fs::create_directories(program / StagingFolderName);
        WriteBytes(program / StagingFolderName / "Recipe2.db2", "half a restore");
        ScriptedUser user(&drive, {{Answer::Ok}});
        static_cast<void>(step(user));
        EXPECT_FALSE(fs::exists(program / StagingFolderName));
    }
    EXPECT_EQ(FinishInterruptedRestore(folder), Settled::Nothing);
    fs::create_directories(program / StagingFolderName);
    EXPECT_EQ(FinishInterruptedRestore(folder), Settled::Discarded);
}

TEST_F(RestoreCommitTest, AListThisProgramDidNotWriteIsLeftAloneAndStopsTheNextStep) {
    testing::MakeCookbook(program, 1, 3, 3);
    fs::create_directories(program / StagingFolderName);
    const std::string list = "Pantrivo restore commit list\nforward\n../x\tRecipe2.db1\nend\n";
    WriteBytes(program / StagingFolderName / "commit.lst", list);
    const Files before = Snapshot(program);
    EXPECT_EQ(FinishInterruptedRestore(folder), Settled::Unsettled);
    ScriptedUser user(&drive, {{Answer::Ok}});
    EXPECT_EQ(BackupCookbook(folder, 1, drive.path(), user, disk), (Outcome{Result::Failed, BackupFailed}));
    EXPECT_EQ(user.prompts.at(0).title, "Disk Error");
    EXPECT_EQ(Snapshot(program), before);
    EXPECT_EQ(ReadBytes(program / StagingFolderName / "commit.lst"), list);
}

}  // namespace
}  // namespace backup
