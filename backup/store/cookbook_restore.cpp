#include <algorithm>
#include <vector>

#include "backup/store/cookbook_backup.h"
#include "backup/store/disk_info.h"
#include "backup/store/restore_commit.h"
#include "backup/store/target_folder.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"
#include "recipes/store/record_journal.h"

namespace backup {
namespace {

// How a set names its files: the current format names them after the
// cookbook, the older one (cookbook 1 only) names each disk's copy after
// the disk and wrote 15-byte information records.
struct SetFormat {
    int recordLength = DiskInfoRecordLength;
    std::string infoName;
    std::string copyPrefix;  // followed by the cookbook or the disk number
    bool copyNamedByDisk = false;
    bool hasTotal = true;    // record 5 of disk 1 holds the number of records

    std::string CopyName(int cookbook, long disk) const {
        return copyPrefix + std::to_string(copyNamedByDisk ? disk : cookbook);
    }
};

struct DiskRead {
    std::string tag;
    long number = 0;
    long next = 0;
    long count = 0;
    long total = 0;
};

std::optional<DiskRead> ReadDisk(const std::filesystem::path& source, const SetFormat& format) {
    const auto info =
        ReadDiskInfo(basic::ProgramFolder(source).Resolve(format.infoName), format.recordLength);
    if (!info) return std::nullopt;
    return DiskRead{basic::LTrim((*info)[0]), DiskInfoNumber((*info)[1]), DiskInfoNumber((*info)[2]),
                    DiskInfoNumber((*info)[3]), DiskInfoNumber((*info)[4])};
}

Outcome NothingChanged(BackupUser& user, const std::string& text) {
    user.Ask(FailurePrompt(Lines({text, "Nothing was restored: the Recipe files in Pantrivo Program are unchanged."})));
    return {Result::Failed, NothingRestored};
}

// The bar keeps the first disk's count as its maximum; each disk counts its
// own records on it from 22, the first 21 steps being the index files'.
void ShowRecordProgress(BackupUser& user, long onDisk, long maximum) {
    constexpr long indexSteps = recipes::RecipeTypeCount - 1;
    if (onDisk > indexSteps) user.Progress(std::min(onDisk, maximum), maximum);
}

// Appends the disk's count records to the staged data file, each block read
// back as it is written; false when the disk does not hold them all.
bool StageRecords(const std::filesystem::path& copyFile, long count, DiskWriter& staged,
                  const basic::RandomAccessFile& stagedReader, long stagedBefore, BackupUser& user, long maximum) {
    const long length = recipes::RecipeRecordLength;
    const auto size = basic::FileLen(copyFile);
    if (!size || *size < static_cast<std::uintmax_t>(count) * static_cast<std::uintmax_t>(length)) return false;
    const auto copy = basic::RandomAccessFile::OpenForReading(copyFile, length);
    if (!copy) return false;
    constexpr long perBlock = 512;
    std::string block;
    std::string again;
    for (long j = 1; j <= count; j += perBlock) {
        const long n = std::min(perBlock, count - j + 1);
        copy->GetBlockInto(j, n, block);
        if (staged.Write(block) != block.size()) return false;
        stagedReader.GetBlockInto(stagedBefore + j, n, again);
        if (again != block) return false;
        ShowRecordProgress(user, j + n - 1, maximum);
    }
    return true;
}

Outcome RestoreSet(const basic::ProgramFolder& folder, int cookbook, const std::filesystem::path& source,
                   BackupUser& user, const SetFormat& format, DiskFiles& files) {
    auto disk = ReadDisk(source, format);
    if (!disk || disk->tag != "Recipe" || disk->number != 1) {
        user.Ask({"Disk Error",
                  Lines({"Unable to find Backup Disk #1 or Backup files!",
                         "Please insert Disk #1 into selected Drive and Try again."}),
                  Icon::Critical, Buttons::Ok, Answer::Ok});
        return {Result::NotFound, ""};
    }
    if (user.Ask(DeleteFilesQuestion("Recipe")) != Answer::Yes) return {Result::Declined, NothingRestored};
    user.Status("Restoring Recipe Files");

    RestoreStaging staging(folder.dir(), files);
    if (!staging.ok()) return NothingChanged(user, "Unable to make a folder in Pantrivo Program for the restore!");
    std::vector<std::string> names;
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) names.push_back(recipes::RecipeIndexFileName(type, cookbook));
    if (!staging.CopyIn(source, names[0])) {
        user.Ask({"Disk Error", "Unable to access Disk. Make sure Disk is in Drive!", Icon::Information, Buttons::Ok,
                  Answer::Ok});
        user.Progress(0, 0);
        return {Result::Failed, NothingRestored};
    }
    const long firstCount = std::max(1L, disk->count);
    for (std::size_t k = 1; k < names.size(); ++k) {
        if (!staging.CopyIn(source, names[k])) return NothingChanged(user, "Unable to read " + names[k] + " from the Backup Disk!");
        user.Progress(std::min(static_cast<long>(k), firstCount), firstCount);
    }

    const std::string dataName = recipes::RecipeDataFileName(cookbook);
    auto staged = files.Open(staging / dataName, true);
    const auto stagedReader = basic::RandomAccessFile::OpenForReading(staging / dataName, recipes::RecipeRecordLength);
    if (!staged || !stagedReader) return NothingChanged(user, "Unable to write " + dataName + " in Pantrivo Program!");
    const long total = format.hasTotal ? disk->total : -1;
    long expected = disk->next;
    long restored = 0;
    for (;;) {
        const std::string copyName = format.CopyName(cookbook, disk->number);
        if (!StageRecords(basic::ProgramFolder(source).Resolve(copyName), disk->count, *staged, *stagedReader,
                          restored, user, firstCount)) {
            return NothingChanged(user, "Unable to read all " + std::to_string(disk->count) + " records of " +
                                            copyName + " on Backup Disk #" + std::to_string(disk->number) + "!");
        }
        restored += disk->count;
        if (disk->number == disk->next) break;
        // The next disk of the set, asked for until it is in the drive.
        for (;;) {
            if (user.Ask(InsertRestoreDiskPrompt(static_cast<int>(expected))) != Answer::Ok) {
                user.Progress(0, 0);
                return {Result::Cancelled, NothingRestored};
            }
            disk = ReadDisk(source, format);
            if (disk && disk->tag == "Recipe" && disk->number == expected) break;
        }
        expected = disk->next;
    }
    if (!staged->Finish()) return NothingChanged(user, "Unable to write " + dataName + " in Pantrivo Program!");
    if (total >= 0 && restored != total)
        return NothingChanged(user, "The Backup Disks hold " + std::to_string(restored) + " records, not the " +
                                        std::to_string(total) + " the backup was made with!");

    // A journal of an unfinished change belongs to the old data file: it
    // goes with it, and comes back with it when the old set does.
    const auto journal = recipes::JournalPathFor(folder.Resolve(dataName)).filename();
    names.push_back(dataName);
    std::vector<StagedFile> moves;
    for (const auto& name : names) moves.push_back({name, name});
    user.Progress(0, 0);
    switch (staging.Commit(moves, {basic::TextFromPath(journal)})) {
    case Settled::Finished: return {Result::Completed, RestorationCompleted};
    case Settled::Unsettled:
        user.Ask(FailurePrompt(Lines({"Unable to replace the Recipe files in Pantrivo Program! The restore is not complete.",
                                      "Pantrivo completes or undoes it at its next backup or restore."})));
        return {Result::Failed, "Restore Failed"};
    default: return NothingChanged(user, "Unable to replace the Recipe files in Pantrivo Program!");
    }
}

}  // namespace

Outcome RestoreCookbook(const basic::ProgramFolder& folder, int cookbook, const std::filesystem::path& source,
                        BackupUser& user, DiskFiles& disk) {
    if (IsProgramFolder(source, folder.dir())) return RefuseProgramFolder(user, true);
    if (auto ended = SettleBeforeStep(folder, user, true, disk)) return *ended;
    SetFormat current;
    current.infoName = CookbookDiskInfoName(cookbook);
    current.copyPrefix = "Recipe2.bk";
    if (cookbook == 1) {
        // A set without the format mark is of the older format.
        const auto info = ReadDiskInfo(basic::ProgramFolder(source).Resolve(current.infoName));
        if (!info || basic::Trim((*info)[5]) != FormatMark) {
            SetFormat older;
            older.recordLength = OldDiskInfoRecordLength;
            older.infoName = current.infoName;
            older.copyPrefix = "Recipe2.bk";
            older.copyNamedByDisk = true;
            older.hasTotal = false;
            return RestoreSet(folder, cookbook, source, user, older, disk);
        }
    }
    return RestoreSet(folder, cookbook, source, user, current, disk);
}

}  // namespace backup
