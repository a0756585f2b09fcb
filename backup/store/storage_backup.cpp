#include "backup/store/storage_backup.h"

#include "backup/store/cookbook_backup.h"
#include "backup/store/restore_commit.h"
#include "backup/store/target_folder.h"
#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"

namespace backup {
namespace {

using food_storage::StorageKind;

// Storage files are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxStorageFileBytes = 1 << 20;

struct KindWords {
    const char* question;  // what the restore's question calls the files
    const char* status;
};

KindWords WordsOf(StorageKind kind) {
    switch (kind) {
    case StorageKind::Basic: return {"Basic", "Restoring Basic Food Storage Files"};
    case StorageKind::Emergency: return {"Emerg.", "Restoring Emergency Food Storage Files"};
    case StorageKind::Additional: break;
    }
    return {"Addt'l.", "Restoring Additional Food Storage Files"};
}

void RemoveCopies(DiskFiles& disk, const std::filesystem::path& target, const std::vector<StorageCopy>& set) {
    for (const auto& file : set) disk.Remove(basic::ProgramFolder(target).Resolve(file.copyName));
}

}  // namespace

std::vector<StorageCopy> StorageSet(StorageKind kind) {
    switch (kind) {
    case StorageKind::Basic:
        return {{"FdsB1.Fil", "FdsB1.Fds"}, {"FdsB2.Fil", "FdsB2.Fds"}, {"FdsB3.Fil", "FdsB3.Fds"},
                {"FdsB4.Fil", "FdsB4.Fds"}};
    case StorageKind::Emergency:
        return {{"EmerE1.Fil", "EmerE1.EmE"}, {"EmerE3.Fil", "EmerE3.EmE"}, {"EmerE4.Fil", "EmerE4.EmE"}};
    case StorageKind::Additional: break;
    }
    return {{"AddA1.Fil", "AddA1.AdA"}, {"AddA3.Fil", "AddA3.AdA"}, {"AddA4.Fil", "AddA4.AdA"}};
}

std::optional<std::string> StorageSourceProblem(const basic::ProgramFolder& folder, StorageKind kind) {
    for (const auto& file : StorageSet(kind))
        if (!basic::ReadWholeFile(folder.Resolve(file.programName), kMaxStorageFileBytes))
            return Lines({"Unable to find " + file.programName + " in Pantrivo Program!",
                          "Save the Food Storage table before making its backup."});
    return std::nullopt;
}

Outcome BackupStorage(const basic::ProgramFolder& folder, StorageKind kind, const std::filesystem::path& target,
                      BackupUser& user, DiskFiles& disk) {
    if (IsProgramFolder(target, folder.dir())) return RefuseProgramFolder(user, false);
    if (auto ended = SettleBeforeStep(folder, user, false)) return *ended;
    if (const auto problem = StorageSourceProblem(folder, kind)) {
        user.Ask(FailurePrompt(*problem));
        return {Result::Failed, BackupFailed};
    }
    const auto set = StorageSet(kind);
    for (;;) {
        RemoveCopies(disk, target, set);
        bool ok = true;
        for (const auto& file : set) {
            const auto bytes = basic::ReadWholeFile(folder.Resolve(file.programName), kMaxStorageFileBytes);
            ok = bytes && WriteWhole(disk, target / basic::PathFromText(file.copyName), *bytes) && ok;
        }
        if (ok) {
            basic::SyncFolderOf(target / "x");
            return {Result::Completed, BackupComplete};
        }
        RemoveCopies(disk, target, set);
        if (user.Ask(NewBlankDiskPrompt()) != Answer::Ok) {
            user.Ask(BackupCancelledPrompt());
            user.Status("");
            return {Result::Cancelled, BackupTerminated};
        }
    }
}

Outcome RestoreStorage(const basic::ProgramFolder& folder, StorageKind kind, const std::filesystem::path& source,
                       BackupUser& user, DiskFiles& disk) {
    if (IsProgramFolder(source, folder.dir())) return RefuseProgramFolder(user, true);
    if (auto ended = SettleBeforeStep(folder, user, true, disk)) return *ended;
    const auto set = StorageSet(kind);
    const KindWords words = WordsOf(kind);
    for (;;) {
        if (user.Ask(DeleteFilesQuestion(words.question)) != Answer::Yes) return {Result::Declined, NothingRestored};
        user.Status(words.status);
        RestoreStaging staging(folder.dir(), disk);
        bool ok = staging.ok();
        for (const auto& file : set) {
            ok = ok && staging.CopyIn(source, file.copyName);
            if (!ok) break;
        }
        if (!ok) {
            // The program's files are as they were; the user may insert
            // the right disk and answer the question again.
            user.Ask(RestoreDiskErrorPrompt());
            user.Status("");
            continue;
        }
        std::vector<StagedFile> staged;
        for (const auto& file : set) staged.push_back({file.copyName, file.programName});
        switch (staging.Commit(staged)) {
        case Settled::Finished: return {Result::Completed, RestorationCompleted};
        case Settled::Unsettled:
            user.Ask(FailurePrompt(Lines({"Unable to replace the Food Storage files in Pantrivo Program!",
                                          "Pantrivo completes or undoes the restore at its next backup or restore."})));
            return {Result::Failed, "Restore Failed"};
        default:
            user.Ask(FailurePrompt(Lines({"Unable to replace the Food Storage files in Pantrivo Program!",
                                          "Nothing was restored: the Food Storage files are unchanged."})));
            return {Result::Failed, NothingRestored};
        }
    }
}

}  // namespace backup
