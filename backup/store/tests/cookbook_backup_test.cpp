#include <gtest/gtest.h>

#include "backup/store/cookbook_backup.h"
#include "backup/store/disk_info.h"
#include "backup/store/tests/backup_test_disks.h"
#include "platform/testing/test_folder.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/record_journal.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using basic::testing::ReadBytes;
using basic::testing::WriteBytes;
using testing::MakeCookbook;
using testing::RecordBytes;
using testing::InfoRecords;
using testing::ScriptedUser;
using Step = ScriptedUser::Step;

constexpr long L = recipes::RecipeRecordLength;

std::string Records(long from, long to) {
    std::string bytes;
    for (long k = from; k <= to; ++k) bytes += RecordBytes(k, L);
    return bytes;
}

class CookbookBackupTest : public testing::BackupFixture {
protected:


    std::uintmax_t IndexBytes(int cookbook) {
        std::uintmax_t total = 0;
        for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
            total += fs::file_size(program / recipes::RecipeIndexFileName(type, cookbook));
        return total;
    }
    std::string ProgramFiles(int cookbook) {
        std::string all;
        for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
            all += ReadBytes(program / recipes::RecipeIndexFileName(type, cookbook)) + "|";
        return all + ReadBytes(program / recipes::RecipeDataFileName(cookbook));
    }
};

TEST_F(CookbookBackupTest, OneDiskHoldsTheIndexesTheRecordsUpToTheHighestAndItsInformation) {
    MakeCookbook(program, 3, 57, 60);
    ScriptedUser user(&drive, {});
    EXPECT_EQ(BackupCookbook(folder, 3, drive.path(), user, disk), (Outcome{Result::Completed, "Backup Complete"}));
    EXPECT_TRUE(user.prompts.empty());
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        const auto name = recipes::RecipeIndexFileName(type, 3);
        EXPECT_EQ(drive.Read(1, name), ReadBytes(program / name)) << name;
    }
    EXPECT_EQ(drive.Read(1, "Recipe2.bk3"), Records(1, 57));
    const std::string info = drive.Read(1, "DiskInfo.bk3");
    ASSERT_EQ(info.size(), 180u);
    const std::pair<std::size_t, std::string> expected[] = {{0, std::string("\x06\x00Recipe", 8)},
                                                            {30, std::string("\x01\x00" "1", 3)},
                                                            {60, std::string("\x01\x00" "1", 3)},
                                                            {90, std::string("\x02\x00" "57", 4)},
                                                            {120, std::string("\x02\x00" "57", 4)},
                                                            {150, std::string("\x02\x00T1", 4)}};
    for (const auto& [offset, bytes] : expected) EXPECT_EQ(info.substr(offset, bytes.size()), bytes) << offset;
    EXPECT_EQ(user.statuses.front(), "Making Recipe Backup Disk #1");
    // The 21 index copies after the test copy count 1 to 21 of 22.
    std::vector<std::pair<long, long>> indexSteps;
    for (long i = 0; i <= 21; ++i) indexSteps.emplace_back(i, 22);
    ASSERT_GE(user.progress.size(), indexSteps.size());
    EXPECT_EQ(std::vector(user.progress.begin(), user.progress.begin() + 22), indexSteps);
}

TEST_F(CookbookBackupTest, ThreeDisksOf120And130And40RecordsRestoreInOrderAndDisk3TooEarlyIsAskedAgain) {
    MakeCookbook(program, 2, 290, 290);
    drive.Limit(1, IndexBytes(2) + 180 + 120 * L + 100);
    drive.Limit(2, 180 + 130 * L + 7);
    ScriptedUser user(&drive, {{Answer::Ok, 2}, {Answer::Ok, 3}});
    EXPECT_EQ(BackupCookbook(folder, 2, drive.path(), user, disk).result, Result::Completed);
    ASSERT_EQ(user.prompts.size(), 2u);
    EXPECT_EQ(user.prompts[0], NextBackupDiskPrompt(2));
    EXPECT_EQ(user.prompts[1], NextBackupDiskPrompt(3));
    EXPECT_EQ(user.statuses,
              (std::vector<std::string>{"Making Recipe Backup Disk #1", "Making Recipe Backup Disk #1",
                                        "Deleting Old Files", "Making Recipe Backup Disk #2", "Deleting Old Files",
                                        "Making Recipe Backup Disk #3"}));
    EXPECT_EQ(user.prompts[0].text,
              "Disk is Full.\rPlease Insert Backup Disk #2\rCAUTION: Wait till Disk Drive light goes out and Be sure "
              "New Disk is inserted before Clicking OK");
    EXPECT_EQ(InfoRecords(drive.Read(1, "DiskInfo.bk2")), (std::vector<std::string>{"Recipe", "1", "2", "120", "290", "T1"}));
    EXPECT_EQ(InfoRecords(drive.Read(2, "DiskInfo.bk2")), (std::vector<std::string>{"Recipe", "2", "3", "130", "", "T1"}));
    EXPECT_EQ(InfoRecords(drive.Read(3, "DiskInfo.bk2")), (std::vector<std::string>{"Recipe", "3", "3", "40", "", "T1"}));
    EXPECT_EQ(drive.Read(1, "Recipe2.bk2").substr(0, 120 * L), Records(1, 120));
    EXPECT_EQ(drive.Read(2, "Recipe2.bk2").substr(0, 130 * L), Records(121, 250));
    EXPECT_EQ(drive.Read(3, "Recipe2.bk2"), Records(251, 290));

    // The restore: disk 3 offered when 2 is asked for brings the same request.
    const std::string before = ProgramFiles(2);
    WriteBytes(program / recipes::RecipeDataFileName(2), "changed since");
    drive.Insert(1);
    ScriptedUser restorer(&drive, {{Answer::Yes}, {Answer::Ok, 3}, {Answer::Ok, 2}, {Answer::Ok, 3}});
    EXPECT_EQ(RestoreCookbook(folder, 2, drive.path(), restorer), (Outcome{Result::Completed, "Restoration Completed"}));
    ASSERT_EQ(restorer.prompts.size(), 4u);
    EXPECT_EQ(restorer.prompts[0].text,
              "This utility will first Delete all existing Recipe files\rlocated in Pantrivo Program!\r\rProceed?");
    EXPECT_EQ(restorer.prompts[0].preselected, Answer::No);
    EXPECT_EQ(restorer.prompts[1], InsertRestoreDiskPrompt(2));
    EXPECT_EQ(restorer.prompts[2], InsertRestoreDiskPrompt(2));
    EXPECT_EQ(restorer.prompts[3], InsertRestoreDiskPrompt(3));
    // The bar's maximum stays disk 1's count; each disk counts its own
    // records on it, so disk 3 takes it back to 40.
    std::vector<std::pair<long, long>> progress;
    for (long k = 1; k <= 21; ++k) progress.emplace_back(k, 120);
    progress.insert(progress.end(), {{120, 120}, {120, 120}, {40, 120}, {0, 0}});
    EXPECT_EQ(restorer.progress, progress);
    EXPECT_EQ(ProgramFiles(2), before);
    EXPECT_FALSE(fs::exists(program / ".pantrivo-restore"));
}

TEST_F(CookbookBackupTest, AFirstDiskTooSmallForTheIndexesIsReplacedAndCancelTerminatesTheBackup) {
    MakeCookbook(program, 1, 40, 40);
    const auto first = fs::file_size(program / "Appenfil.db1");
    // Too small for the information file, the small disk loses it and keeps
    // the test copy; too small for the fifth index file, it loses every
    // index copy too. The new disk always ends up with all 22.
    const struct {
        std::uintmax_t limit;
        std::vector<std::string> left;
        std::vector<long> indexSteps;  // before the new disk
    } cases[] = {
        {first + 100, {"Appenfil.db1"}, {0}},
        {first + 180 + 30, {}, {0, 1, 2, 3}},
    };
    int small = 1;
    for (const auto& c : cases) {
        drive.Insert(small);
        drive.Limit(small, c.limit);
        ScriptedUser user(&drive, {{Answer::Ok, small + 1}});
        EXPECT_EQ(BackupCookbook(folder, 1, drive.path(), user, disk).result, Result::Completed);
        ASSERT_EQ(user.prompts.size(), 1u);
        EXPECT_EQ(user.prompts[0], NewBlankDiskPrompt());
        EXPECT_EQ(drive.Names(small), c.left);
        EXPECT_EQ(drive.Read(small + 1, "Appenfil.db1"), ReadBytes(program / "Appenfil.db1"));
        EXPECT_EQ(drive.Names(small + 1).size(), 24u);
        // The new disk's pass copies all 22, the first not counted.
        std::vector<std::pair<long, long>> steps;
        for (long i : c.indexSteps) steps.emplace_back(i, 22);
        for (long i = 0; i <= 21; ++i) steps.emplace_back(i, 22);
        ASSERT_GE(user.progress.size(), steps.size());
        EXPECT_EQ(std::vector(user.progress.begin(), user.progress.begin() + static_cast<long>(steps.size())), steps);
        small += 2;
    }
    drive.Insert(1);
    ScriptedUser user(&drive, {{Answer::Cancel}});
    EXPECT_EQ(BackupCookbook(folder, 1, drive.path(), user, disk), (Outcome{Result::Cancelled, "Backup Terminated by User"}));
    EXPECT_EQ(drive.Names(1), std::vector<std::string>{"Appenfil.db1"});  // what was written stays
}

TEST_F(CookbookBackupTest, CancelAtANextDiskPromptTerminatesTheBackup) {
    MakeCookbook(program, 1, 50, 50);
    drive.Limit(1, IndexBytes(1) + 180 + 10 * L);
    ScriptedUser user(&drive, {{Answer::Cancel}});
    EXPECT_EQ(BackupCookbook(folder, 1, drive.path(), user, disk), (Outcome{Result::Cancelled, "Backup Terminated by User"}));
    EXPECT_EQ(user.prompts.at(0), NextBackupDiskPrompt(2));
    EXPECT_EQ(user.prompts.at(0).buttons, Buttons::OkCancel);
}

TEST_F(CookbookBackupTest, AWriteProtectedTargetAsksAgainOrTerminates) {
    MakeCookbook(program, 1, 5, 5);
    drive.Limit(1, 0);
    for (const auto& [answer, result] : {std::pair{Answer::Ok, Result::ChooseAgain}, std::pair{Answer::Cancel, Result::Cancelled}}) {
        ScriptedUser user(&drive, {{answer}});
        EXPECT_EQ(BackupCookbook(folder, 1, drive.path(), user, disk).result, result);
        EXPECT_EQ(user.prompts.at(0).text,
                  "Unable to access Disk or Disk is Full!\rMake sure Disk is in Drive and Not Write Protected!");
    }
}

TEST_F(CookbookBackupTest, ADiskThatDoesNotReadBackWhatWasWrittenIsAFailureNotASuccess) {
    MakeCookbook(program, 1, 5, 5);
    disk.corrupt = true;
    ScriptedUser user(&drive, {{Answer::Ok}, {Answer::Cancel}});
    const Outcome outcome = BackupCookbook(folder, 1, drive.path(), user, disk);
    EXPECT_NE(outcome.status, "Backup Complete");
    EXPECT_NE(outcome.result, Result::Completed);
}

TEST_F(CookbookBackupTest, ACopyFileThatFailsToReadBackNamesTheFailure) {
    MakeCookbook(program, 1, 5, 5);
    struct CorruptCopies final : DiskFiles {
        std::unique_ptr<DiskWriter> Open(const fs::path& file, bool empty) override {
            auto real = RealDisk().Open(file, empty);
            if (!real || file.filename() != "Recipe2.bk1") return real;
            struct Flip final : DiskWriter {
                std::unique_ptr<DiskWriter> real;
                std::size_t Write(std::string_view bytes) override {
                    std::string changed(bytes);
                    changed[0] = 'x';
                    return real->Write(changed);
                }
                bool Finish() override { return real->Finish(); }
            };
            auto flip = std::make_unique<Flip>();
            flip->real = std::move(real);
            return flip;
        }
        bool Remove(const fs::path& file) override { return RealDisk().Remove(file); }
        bool Rename(const fs::path& from, const fs::path& to) override { return RealDisk().Rename(from, to); }
    } corrupt;
    ScriptedUser user(&drive, {{Answer::Ok}});
    EXPECT_EQ(BackupCookbook(folder, 1, drive.path(), user, corrupt), (Outcome{Result::Failed, "Backup Failed"}));
    ASSERT_EQ(user.prompts.size(), 1u);
    EXPECT_NE(user.prompts[0].text.find("Recipe2.bk1"), std::string::npos);
}

TEST_F(CookbookBackupTest, ADataFileThatCannotBeReadIsNamedAndNothingIsWritten) {
    MakeCookbook(program, 2, 4, 4);
    fs::remove(program / recipes::RecipeDataFileName(2));
    fs::create_directory(program / recipes::RecipeDataFileName(2));  // there, but no file to read
    WriteBytes(drive.path() / "Recipe2.bk2", "the last good backup");
    ScriptedUser user(&drive, {{Answer::Ok}});
    EXPECT_EQ(BackupCookbook(folder, 2, drive.path(), user, disk), (Outcome{Result::Failed, "Backup Failed"}));
    ASSERT_EQ(user.prompts.size(), 1u);
    EXPECT_NE(user.prompts[0].text.find(recipes::RecipeDataFileName(2)), std::string::npos);
    EXPECT_EQ(ReadBytes(drive.path() / "Recipe2.bk2"), "the last good backup");
    EXPECT_TRUE(CookbookSourceProblem(folder, 2).has_value());
}

TEST_F(CookbookBackupTest, TheBackupDeletesOnlyTheExactFilesOfItsSet) {
    MakeCookbook(program, 4, 3, 3);
    WriteBytes(drive.path() / "Notes.db4", "mine");
    WriteBytes(drive.path() / "Letter.bk4", "mine too");
    WriteBytes(drive.path() / "RECIPE2.BK4", "an older copy in capitals");
    ScriptedUser user(&drive, {});
    EXPECT_EQ(BackupCookbook(folder, 4, drive.path(), user, disk).result, Result::Completed);
    EXPECT_EQ(ReadBytes(drive.path() / "Notes.db4"), "mine");
    EXPECT_EQ(ReadBytes(drive.path() / "Letter.bk4"), "mine too");
    EXPECT_FALSE(fs::exists(drive.path() / "RECIPE2.BK4"));
    EXPECT_EQ(drive.Read(1, "Recipe2.bk4"), Records(1, 3));
}

TEST_F(CookbookBackupTest, ARestoreThatCannotReadEveryDiskLeavesTheCookbookWhole) {
    MakeCookbook(program, 2, 30, 30);
    drive.Limit(1, IndexBytes(2) + 180 + 20 * L);
    ScriptedUser user(&drive, {{Answer::Ok, 2}});
    ASSERT_EQ(BackupCookbook(folder, 2, drive.path(), user, disk).result, Result::Completed);
    MakeCookbook(program, 2, 3, 3);
    const std::string before = ProgramFiles(2);
    drive.Insert(1);

    // Cancel at the request for disk 2; then disk 2 with its copy cut short.
    ScriptedUser cancelling(&drive, {{Answer::Yes}, {Answer::Cancel}});
    EXPECT_EQ(RestoreCookbook(folder, 2, drive.path(), cancelling), (Outcome{Result::Cancelled, "Nothing Restored"}));
    EXPECT_EQ(ProgramFiles(2), before);
    drive.Insert(2);
    fs::resize_file(drive.path() / "Recipe2.bk2", 5 * L);
    drive.Insert(1);
    ScriptedUser shortDisk(&drive, {{Answer::Yes}, {Answer::Ok, 2}, {Answer::Ok}});
    EXPECT_EQ(RestoreCookbook(folder, 2, drive.path(), shortDisk), (Outcome{Result::Failed, "Nothing Restored"}));
    EXPECT_EQ(shortDisk.prompts.back().title, "Disk Error");
    EXPECT_EQ(ProgramFiles(2), before);
    EXPECT_FALSE(fs::exists(program / ".pantrivo-restore"));
}

TEST_F(CookbookBackupTest, AWrongFirstDiskOrADeclinedQuestionChangesNothing) {
    MakeCookbook(program, 5, 10, 10);
    ScriptedUser backer(&drive, {});
    ASSERT_EQ(BackupCookbook(folder, 5, drive.path(), backer, disk).result, Result::Completed);
    const std::string before = ProgramFiles(5);
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        ScriptedUser user(&drive, {{answer}});
        EXPECT_EQ(RestoreCookbook(folder, 5, drive.path(), user), (Outcome{Result::Declined, "Nothing Restored"}));
    }
    WriteBytes(drive.path() / "DiskInfo.bk5", EncodeDiskInfo({"Recipe", "2", "2", "10", "", "T1"}));
    ScriptedUser user(&drive, {{Answer::Ok}});
    EXPECT_EQ(RestoreCookbook(folder, 5, drive.path(), user).result, Result::NotFound);
    EXPECT_EQ(user.prompts.at(0).text,
              "Unable to find Backup Disk #1 or Backup files!\rPlease insert Disk #1 into selected Drive and Try again.");
    EXPECT_EQ(ProgramFiles(5), before);
}

TEST_F(CookbookBackupTest, ARestoreRemovesTheOldDataFilesJournalAndKeepsOtherFiles) {
    MakeCookbook(program, 6, 8, 8);
    ScriptedUser backer(&drive, {});
    ASSERT_EQ(BackupCookbook(folder, 6, drive.path(), backer, disk).result, Result::Completed);
    const auto journal = recipes::JournalPathFor(program / "Recipe2.db6");
    WriteBytes(journal, "an unfinished change of the old file");
    WriteBytes(program / "Other.db6", "not of the cookbook");
    ScriptedUser user(&drive, {{Answer::Yes}});
    EXPECT_EQ(RestoreCookbook(folder, 6, drive.path(), user).result, Result::Completed);
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_EQ(ReadBytes(program / "Other.db6"), "not of the cookbook");
    EXPECT_EQ(ReadBytes(program / "Recipe2.db6"), Records(1, 8));
}

// The older format of cookbook 1: 15-byte information records, no format
// mark, each disk's copy named after the disk.
class OldFormatRestoreTest : public CookbookBackupTest {
protected:
    void MakeOldDisk(int number, int next, long first, long count) {
        drive.Insert(number);
        WriteBytes(drive.path() / "DiskInfo.bk1",
                   EncodeDiskInfo({" Recipe", std::to_string(number), std::to_string(next), std::to_string(count), "", ""},
                                  OldDiskInfoRecordLength)
                       .substr(0, 5 * OldDiskInfoRecordLength));
        WriteBytes(drive.path() / ("Recipe2.bk" + std::to_string(number)), Records(first, first + count - 1));
        if (number == 1)
            for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
                WriteBytes(drive.path() / recipes::RecipeIndexFileName(type, 1), "index " + std::to_string(type));
    }
};

TEST_F(OldFormatRestoreTest, TwoDisksRestoreInOrderAndDisk1AgainIsAskedAgain) {
    MakeOldDisk(2, 2, 11, 4);
    MakeOldDisk(1, 2, 1, 10);
    ScriptedUser user(&drive, {{Answer::Yes}, {Answer::Ok}, {Answer::Ok, 2}});
    EXPECT_EQ(RestoreCookbook(folder, 1, drive.path(), user).result, Result::Completed);
    ASSERT_EQ(user.prompts.size(), 3u);
    EXPECT_EQ(user.prompts[1], InsertRestoreDiskPrompt(2));
    EXPECT_EQ(user.prompts[2], InsertRestoreDiskPrompt(2));
    EXPECT_EQ(ReadBytes(program / "Recipe2.db1"), Records(1, 14));
    EXPECT_EQ(ReadBytes(program / "Vegenfil.db1"), "index 22");
    // Disk 1 holds 10 records: the index copies take the bar to its
    // maximum, where it stays until it is hidden.
    std::vector<std::pair<long, long>> progress;
    for (long k = 1; k <= 21; ++k) progress.emplace_back(std::min(k, 10L), 10);
    progress.emplace_back(0, 0);
    EXPECT_EQ(user.progress, progress);
}

TEST_F(OldFormatRestoreTest, NoInformationFileOrALowerCaseTagIsRefusedAndCreatesNothing) {
    MakeCookbook(program, 1, 4, 4);
    const std::string before = ProgramFiles(1);
    ScriptedUser user(&drive, {{Answer::Ok}});
    EXPECT_EQ(RestoreCookbook(folder, 1, drive.path(), user).result, Result::NotFound);
    EXPECT_EQ(user.prompts.at(0).title, "Disk Error");
    EXPECT_TRUE(drive.Names(1).empty());

    WriteBytes(drive.path() / "DiskInfo.bk1", EncodeDiskInfo({"recipe", "1", "1", "4", "", ""}, OldDiskInfoRecordLength));
    ScriptedUser lower(&drive, {{Answer::Ok}});
    EXPECT_EQ(RestoreCookbook(folder, 1, drive.path(), lower).result, Result::NotFound);
    EXPECT_EQ(ProgramFiles(1), before);
}

TEST(DiskInfoNumberTest, CountsAreReadAsWholeNumbersBeyond16Bits) {
    EXPECT_EQ(DiskInfoNumber("40000"), 40000);
    EXPECT_EQ(DiskInfoNumber(" 432"), 432);
    EXPECT_EQ(DiskInfoNumber(""), 0);
    EXPECT_EQ(DiskInfoNumber("x"), 0);
}

}  // namespace
}  // namespace backup
