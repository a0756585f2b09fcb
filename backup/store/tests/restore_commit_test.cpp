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
using Backup = std::function<void(const fs::path& target)>;
using Restore = std::function<void(const basic::ProgramFolder& into, const fs::path& source)>;

// Every entry of the folder; a folder shows as "<folder>".
Files Snapshot(const fs::path& dir) {
    Files files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
    return files;
}

// The names of the files in which two snapshots differ, for a failure's message.
std::string Differing(const Files& a, const Files& b) {
    std::string names;
    for (const auto& [name, bytes] : a)
        if (!b.contains(name) || b.at(name) != bytes) names += " '" + name + "'";
    for (const auto& [name, bytes] : b)
        if (!a.contains(name)) names += " '" + name + "'";
    return names;
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

// Agrees to replace the program's files, and gives up when asked for
// another disk.
struct AgreeingUser final : BackupUser {
    Answer Ask(const Prompt& prompt) override {
        if (prompt.buttons == Buttons::YesNoCancel) return Answer::Yes;
        return prompt.buttons == Buttons::OkCancel ? Answer::Cancel : Answer::Ok;
    }
};

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

    // Runs a backup from the program folder in a child killed at each
    // durable step in turn, over a target holding a complete earlier backup
    // of other content. After each kill the program folder is as it was, and
    // a restore from the target into another folder either gives exactly the
    // set the backup was writing or refuses and changes nothing: a disk is
    // restorable only once its last record was written and read back.
    void KillBackupAtEveryStep(const Backup& backup, const Restore& restore) {
        const Files source = Snapshot(program);
        const fs::path other = root / "other";
        fs::create_directories(other);
        const basic::ProgramFolder into(other);
        const fs::path clean = root / "clean";
        fs::create_directories(clean);
        backup(clean);
        Reset(other, oldSet);
        restore(into, clean);
        const Files restored = Snapshot(other);
        Reset(other, oldSet);
        ASSERT_NE(restored, oldSet);
        const Files earlier = Snapshot(drive.path());
        ASSERT_NE(earlier, Files{});

        int firstRestorable = 0;
        int refused = 0;
        int stopAt = 1;
        bool finished = false;
        for (; stopAt < 2000 && !finished; ++stopAt) {
            Reset(drive.path(), earlier);
            Reset(other, oldSet);
            finished = basic::testing::RunUntilKilled([&] { backup(drive.path()); }, stopAt);
            EXPECT_TRUE(Snapshot(program) == source) << "after step " << stopAt;
            restore(into, drive.path());
            const Files now = Snapshot(other);
            if (now == restored) {
                if (firstRestorable == 0) firstRestorable = stopAt;
            } else {
                EXPECT_TRUE(now == oldSet) << "after step " << stopAt << ":" << Differing(now, oldSet)
                                           << "; from the whole set:" << Differing(now, restored);
                EXPECT_EQ(firstRestorable, 0) << "refused after step " << stopAt << " though whole after "
                                              << firstRestorable;
                ++refused;
            }
        }
        const int steps = stopAt - 1;
        EXPECT_TRUE(finished);
        EXPECT_GT(refused, 3);
        ASSERT_GT(firstRestorable, 0);
        // Only the disk information file's counts and the syncs after them.
        EXPECT_GE(firstRestorable, steps - 3) << steps << " steps";
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

TEST_F(RestoreCommitTest, ABackupKilledAtAnyStepLeavesTheProgramAloneAndNoDiskThatPassesForWhole) {
    const struct {
        const char* name;
        std::function<void()> makeEarlier;  // in the program folder, backed up first
        std::function<void()> makeSource;   // what the killed backup reads
        Backup backup;
        Restore restore;
    } cases[] = {
        {"cookbook", [&] { testing::MakeCookbook(program, 2, 6, 6); },
         [&] { testing::MakeCookbook(program, 2, 40, 40); },
         [&](const fs::path& target) {
             AgreeingUser user;
             static_cast<void>(BackupCookbook(folder, 2, target, user, disk));
         },
         [&](const basic::ProgramFolder& into, const fs::path& source) {
             AgreeingUser user;
             static_cast<void>(RestoreCookbook(into, 2, source, user));
         }},
        {"year", [&] { WriteBytes(program / " 2004.Mnu", YearBytes('e')); },
         [&] { WriteBytes(program / " 2004.Mnu", YearBytes('n')); },
         [&](const fs::path& target) {
             AgreeingUser user;
             static_cast<void>(BackupYear(folder, 2004, target, user, disk));
         },
         [&](const basic::ProgramFolder& into, const fs::path& source) {
             AgreeingUser user;
             static_cast<void>(RestoreYear(into, 2004, source, user));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root / "other");
        fs::remove_all(root / "clean");
        Reset(program, {});
        Reset(drive.path(), {});
        c.makeEarlier();
        c.backup(drive.path());
        // The folder a restore goes into: its own older content.
        oldSet = {{"Recipe2.db2", "a data file of before"}, {" 2004.Mnu", "a year of before"}, {"GColor4.Fil", "kept"}};
        c.makeSource();
        KillBackupAtEveryStep(c.backup, c.restore);
    }
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
