#include "backup/store/cookbook_backup.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "backup/store/disk_info.h"
#include "backup/store/restore_commit.h"
#include "backup/store/spanning_copy.h"
#include "backup/store/target_folder.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/records.h"
#include "recipes/store/cookbook_reader.h"
#include "recipes/store/index_file.h"
#include "recipes/store/recipe_lists.h"
#include "recipes/store/recipe_record.h"

namespace backup {
namespace {

struct CookbookSources {
    std::array<std::string, recipes::RecipeTypeCount> indexes;  // a missing index is ""
    long highestRecord = 0;
    std::optional<std::string> problem;
};

CookbookSources ReadSources(const basic::ProgramFolder& folder, int cookbook) {
    CookbookSources sources;
    for (int type = 1; type <= recipes::RecipeTypeCount; ++type) {
        const auto name = recipes::RecipeIndexFileName(type, cookbook);
        const auto path = folder.Resolve(name);
        std::string& bytes = sources.indexes[static_cast<std::size_t>(type - 1)];
        if (basic::FileLen(path)) {
            auto read = basic::ReadWholeFile(path, recipes::index_file::MaxFileBytes);
            if (!read) {
                sources.problem = name;
                continue;
            }
            bytes = std::move(*read);
        }
        for (std::size_t at = 0; at < bytes.size(); at += recipes::IndexRecordLength) {
            const auto entry = basic::RecordStringView(std::string_view(bytes).substr(at, recipes::IndexRecordLength));
            if (!entry) continue;
            if (const auto number = recipes::EntryRecordNumber(*entry))
                sources.highestRecord = std::max(sources.highestRecord, *number);
        }
    }
    // A data file that is there but cannot be read would go to the disks as
    // blank records; only a data file never made may stand for blank ones.
    const auto dataName = recipes::RecipeDataFileName(cookbook);
    const auto dataPath = folder.Resolve(dataName);
    std::error_code error;
    if (std::filesystem::exists(dataPath, error) &&
        (!std::filesystem::is_regular_file(dataPath, error) ||
         !basic::RandomAccessFile::OpenForReading(dataPath, recipes::RecipeRecordLength)))
        sources.problem = dataName;
    return sources;
}

std::string Count(long n) { return std::to_string(n); }

struct CookbookTarget {
    int cookbook;
    std::filesystem::path folder;
    DiskFiles& disk;

    std::filesystem::path Existing(const std::string& name) const {
        return basic::ProgramFolder(folder).Resolve(name);
    }
    std::filesystem::path Fresh(const std::string& name) const {
        // A copy of another spelling would stand beside the new one.
        disk.Remove(Existing(name));
        return folder / basic::PathFromText(name);
    }
    std::filesystem::path Info() const { return folder / basic::PathFromText(CookbookDiskInfoName(cookbook)); }
    bool StartInfo() const {
        return WriteWhole(disk, Fresh(CookbookDiskInfoName(cookbook)), EncodeDiskInfo({"Recipe", "", "", "", "", FormatMark}));
    }
    // Only the exact files of the set: other files stay whatever they are named.
    void RemoveInfo() const { disk.Remove(Existing(CookbookDiskInfoName(cookbook))); }
    void RemoveCopy() const { disk.Remove(Existing(CookbookCopyName(cookbook))); }
    void RemoveIndexes() const {
        for (int type = 1; type <= recipes::RecipeTypeCount; ++type)
            disk.Remove(Existing(recipes::RecipeIndexFileName(type, cookbook)));
    }
};

// The first disk: its information file started and all 22 index files, each
// read back. Asks for a new blank disk until one takes them.
std::optional<Outcome> WriteFirstDisk(const CookbookTarget& target, const CookbookSources& sources,
                                      BackupUser& user) {
    for (int firstType = 2;; firstType = 1) {
        user.Progress(0, recipes::RecipeTypeCount);
        if (target.StartInfo()) {
            bool ok = true;
            for (int type = firstType; ok && type <= recipes::RecipeTypeCount; ++type) {
                const auto name = recipes::RecipeIndexFileName(type, target.cookbook);
                ok = WriteWhole(target.disk, target.Fresh(name), sources.indexes[static_cast<std::size_t>(type - 1)]);
                // The bar counts the 21 copies that follow the first index file.
                if (ok && type > 1) user.Progress(type - 1, recipes::RecipeTypeCount);
            }
            if (ok) return std::nullopt;
            target.RemoveIndexes();
        }
        // A disk too small for its information file keeps the test copy.
        target.RemoveInfo();
        if (user.Ask(NewBlankDiskPrompt()) != Answer::Ok) return Outcome{Result::Cancelled, BackupTerminated};
    }
}

}  // namespace

std::string CookbookDiskInfoName(int cookbook) { return "DiskInfo.bk" + std::to_string(cookbook); }
std::string CookbookCopyName(int cookbook) { return "Recipe2.bk" + std::to_string(cookbook); }

std::optional<std::string> CookbookSourceProblem(const basic::ProgramFolder& folder, int cookbook) {
    auto problem = ReadSources(folder, cookbook).problem;
    if (problem) return "Unable to read " + *problem + " in Pantrivo Program!";
    return std::nullopt;
}

Outcome RefuseProgramFolder(BackupUser& user, bool restoring) {
    user.Ask(FailurePrompt("The Pantrivo Program folder cannot hold its own backup files!"));
    return restoring ? Outcome{Result::Failed, NothingRestored} : Outcome{Result::Failed, BackupFailed};
}

Outcome BackupCookbook(const basic::ProgramFolder& folder, int cookbook, const std::filesystem::path& targetFolder,
                       BackupUser& user, DiskFiles& disk) {
    if (IsProgramFolder(targetFolder, folder.dir())) return RefuseProgramFolder(user, false);
    if (auto ended = SettleBeforeStep(folder, user, false)) return *ended;
    const CookbookSources sources = ReadSources(folder, cookbook);
    if (sources.problem) {
        user.Ask(FailurePrompt(*CookbookSourceProblem(folder, cookbook)));
        return {Result::Failed, BackupFailed};
    }
    const CookbookTarget target{cookbook, targetFolder, disk};
    target.RemoveInfo();
    target.RemoveCopy();
    target.RemoveIndexes();

    // The test copy: the first index file.
    const auto first = recipes::RecipeIndexFileName(1, cookbook);
    if (!WriteWhole(disk, target.Fresh(first), sources.indexes[0])) {
        const Answer answer = user.Ask({"Disk Error",
                                        Lines({"Unable to access Disk or Disk is Full!",
                                               "Make sure Disk is in Drive and Not Write Protected!"}),
                                        Icon::Information, Buttons::OkCancel, Answer::Ok});
        if (answer != Answer::Ok) return {Result::Cancelled, BackupTerminated};
        return {Result::ChooseAgain, ""};
    }
    user.Status("Making Recipe Backup Disk #1");
    if (auto ended = WriteFirstDisk(target, sources, user)) return *ended;

    SpanningCopy copy;
    copy.source = folder.Resolve(recipes::RecipeDataFileName(cookbook));
    copy.recordLength = recipes::RecipeRecordLength;
    copy.total = sources.highestRecord;
    copy.copyFile = targetFolder / basic::PathFromText(CookbookCopyName(cookbook));
    copy.startDisk = [&](int, long) {
        target.RemoveCopy();
        return target.StartInfo();  // in place of the disk's old information file
    };
    copy.finishDisk = [&](int diskNumber, int next, long, long count) {
        return RewriteStart(disk, target.Info(),
                            EncodeDiskInfo({"Recipe", Count(diskNumber), Count(next), Count(count),
                                            diskNumber == 1 ? Count(sources.highestRecord) : "", FormatMark}));
    };
    copy.writingStatus = [](int diskNumber) { return "Making Recipe Backup Disk #" + std::to_string(diskNumber); };
    Outcome outcome = RunSpanningCopy(copy, disk, user);
    user.Progress(0, 0);
    return outcome;
}

}  // namespace backup
