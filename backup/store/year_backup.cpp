#include "backup/store/year_backup.h"

#include <algorithm>

#include "backup/store/cookbook_backup.h"
#include "backup/store/disk_info.h"
#include "backup/store/restore_commit.h"
#include "backup/store/spanning_copy.h"
#include "backup/store/target_folder.h"
#include "menu_planner/store/year_menu_file.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/random_access_file.h"
#include "platform/basic/text.h"

namespace backup {
namespace {

using menu_planner::DayRecordLength;
using menu_planner::LastDayKey;

constexpr const char* kTag = "MPlan";
constexpr long kPastLastRecord = LastDayKey + 1;  // 432

// Record 4 and 5 are written with a blank before the number.
std::string Blank(long n) { return " " + std::to_string(n); }

struct YearTarget {
    int year;
    std::filesystem::path folder;
    DiskFiles& disk;

    std::filesystem::path Info() const { return folder / basic::PathFromText(YearDiskInfoName(year)); }
    void Remove(const std::string& name) const { disk.Remove(basic::ProgramFolder(folder).Resolve(name)); }
    bool StartInfo(const DiskInfo& info) const {
        Remove(YearDiskInfoName(year));
        return WriteWhole(disk, Info(), EncodeDiskInfo(info));
    }
};

Outcome NothingChanged(BackupUser& user, const std::string& text) {
    user.Ask(FailurePrompt(Lines({text, "Nothing was restored: the Menu Planner file is unchanged."})));
    return {Result::Failed, NothingRestored};
}

struct YearDisk {
    std::string tag;
    std::string number;  // as text, as the first disk is tested
    long next = 0;
    long firstNotHere = 0;
};

std::optional<YearDisk> ReadYearDisk(const std::filesystem::path& source, int year) {
    const auto info = ReadDiskInfo(basic::ProgramFolder(source).Resolve(YearDiskInfoName(year)));
    if (!info) return std::nullopt;
    return YearDisk{basic::Trim((*info)[0]), basic::Trim((*info)[1]), DiskInfoNumber((*info)[2]),
                    DiskInfoNumber((*info)[3])};
}

}  // namespace

std::string YearDiskInfoName(int year) { return "Disk" + std::to_string(year) + ".Mbk"; }
std::string YearCopyName(int year) { return " " + std::to_string(year) + ".Mb1"; }

std::optional<std::string> YearSourceProblem(const basic::ProgramFolder& folder, int year) {
    const auto path = folder.Resolve(menu_planner::YearMenuFileName(year));
    if (!basic::FileLen(path) || !basic::RandomAccessFile::OpenForReading(path, DayRecordLength))
        return "Unable to find the Menu Planner file of " + std::to_string(year) + " in Pantrivo Program!";
    return std::nullopt;
}

Outcome BackupYear(const basic::ProgramFolder& folder, int year, const std::filesystem::path& targetFolder,
                   BackupUser& user, DiskFiles& disk) {
    if (IsProgramFolder(targetFolder, folder.dir())) return RefuseProgramFolder(user, false);
    if (auto ended = SettleBeforeStep(folder, user, false)) return *ended;
    if (const auto problem = YearSourceProblem(folder, year)) {
        user.Ask(FailurePrompt(*problem));
        return {Result::Failed, BackupFailed};
    }
    const YearTarget target{year, targetFolder, disk};
    while (!target.StartInfo({kTag, "", "", "", "", FormatMark})) {
        disk.Remove(target.Info());
        if (user.Ask(NewBlankDiskPrompt()) != Answer::Ok) return {Result::Cancelled, BackupTerminated};
    }
    // The old copy goes only once the disk has taken the information file.
    target.Remove(YearCopyName(year));
    SpanningCopy copy;
    copy.source = folder.Resolve(menu_planner::YearMenuFileName(year));
    copy.recordLength = DayRecordLength;
    copy.total = LastDayKey;
    copy.copyFile = targetFolder / basic::PathFromText(YearCopyName(year));
    copy.startDisk = [&](int diskNumber, long first) {
        const auto n = std::to_string(diskNumber);
        target.Remove(YearCopyName(year));
        return target.StartInfo({kTag, n, n, Blank(first), "", FormatMark});
    };
    copy.finishDisk = [&](int diskNumber, int next, long first, long count) {
        return RewriteStart(disk, target.Info(),
                            EncodeDiskInfo({kTag, std::to_string(diskNumber), std::to_string(next),
                                            Blank(first + count), Blank(year), FormatMark}));
    };
    copy.writingStatus = [](int diskNumber) { return "Making Menu Plan Backup Disk #" + std::to_string(diskNumber); };
    Outcome outcome = RunSpanningCopy(copy, disk, user);
    user.Progress(0, 0);
    return outcome;
}

Outcome RestoreYear(const basic::ProgramFolder& folder, int year, const std::filesystem::path& source,
                    BackupUser& user) {
    if (IsProgramFolder(source, folder.dir())) return RefuseProgramFolder(user, true);
    if (auto ended = SettleBeforeStep(folder, user, true)) return *ended;
    auto disk = ReadYearDisk(source, year);
    if (!disk || disk->tag != kTag || disk->number != "1") {
        user.Ask(RestoreDiskErrorPrompt());
        user.Status("");
        return {Result::NotFound, ""};
    }
    if (user.Ask(DeleteFilesQuestion("Menu Planner")) != Answer::Yes) return {Result::Declined, NothingRestored};
    user.Status("Restoring Menu Planner Files");

    // The whole year is gathered first: 431 records, each as the planner
    // writes it, the last without the unused end of its slot.
    std::string yearBytes;
    yearBytes.reserve(static_cast<std::size_t>(LastDayKey) * DayRecordLength);
    long expected = disk->next;
    long record = 1;
    for (;;) {
        const long last = std::min(disk->firstNotHere, kPastLastRecord) - 1;
        const long count = last - record + 1;
        if (count > 0) {
            const auto copyName = YearCopyName(year);
            const auto copyFile = basic::ProgramFolder(source).Resolve(copyName);
            const auto size = basic::FileLen(copyFile);
            const auto bytes = size && *size >= static_cast<std::uintmax_t>(count) * DayRecordLength
                                   ? basic::ReadWholeFile(copyFile, *size)
                                   : std::nullopt;
            if (!bytes)
                return NothingChanged(user, "Unable to read all " + std::to_string(count) + " records of" + copyName +
                                                " on Backup Disk #" + disk->number + "!");
            yearBytes.append(*bytes, 0, static_cast<std::size_t>(count) * DayRecordLength);
            record = last + 1;
        }
        user.Progress(record - 1, LastDayKey);
        if (record > LastDayKey) break;
        if (disk->number == std::to_string(disk->next))
            return NothingChanged(user, "The last Backup Disk ends before December 31!");
        // The next disk of the set, asked for until it is in the drive.
        for (;;) {
            if (user.Ask(InsertRestoreDiskPrompt(static_cast<int>(expected))) != Answer::Ok) {
                user.Progress(0, 0);
                return {Result::Cancelled, NothingRestored};
            }
            disk = ReadYearDisk(source, year);
            if (disk && disk->tag == kTag && disk->number == std::to_string(expected)) break;
        }
        expected = disk->next;
    }
    yearBytes.resize(static_cast<std::size_t>(menu_planner::FullYearFileBytes));
    user.Progress(0, 0);
    // Staged and moved in by the same replace step as the other restores, so
    // an interruption is settled the same way at the next start.
    const auto name = menu_planner::YearMenuFileName(year);
    RestoreStaging staging(folder.dir());
    if (!staging.ok() || !WriteWhole(RealDisk(), staging / name, yearBytes))
        return NothingChanged(user, "Unable to write the Menu Planner file of " + std::to_string(year) + "!");
    switch (staging.Commit({{name, name}})) {
    case Settled::Finished: return {Result::Completed, RestorationCompleted};
    case Settled::Unsettled:
        user.Ask(FailurePrompt(
            Lines({"Unable to replace the Menu Planner file in Pantrivo Program! The restore is not complete.",
                   "Pantrivo completes or undoes it at its next backup or restore."})));
        return {Result::Failed, "Restore Failed"};
    default: return NothingChanged(user, "Unable to write the Menu Planner file of " + std::to_string(year) + "!");
    }
}

}  // namespace backup
