#include "backup/store/spanning_copy.h"

#include <algorithm>
#include <optional>

#include "platform/basic/atomic_write.h"
#include "platform/basic/path_text.h"
#include "platform/basic/random_access_file.h"

namespace backup {
namespace {

// Records are moved a block at a time; a short write still tells how many
// whole records reached the disk.
constexpr long kBlockBytes = 1 << 20;

struct DiskWritten {
    long count = 0;   // whole records that reached the disk
    bool ok = true;   // synced and read back
};

DiskWritten WriteDisk(const SpanningCopy& copy, const basic::RandomAccessFile* source, long first, DiskFiles& disk,
                      BackupUser& user) {
    DiskWritten result;
    auto writer = disk.Open(copy.copyFile, true);
    if (!writer) return result;  // a disk that takes nothing holds no record
    // Each block is read back from the disk as soon as it is written.
    const auto written = basic::RandomAccessFile::OpenForReading(copy.copyFile, copy.recordLength);
    result.ok = written.has_value();
    const long perBlock = std::max(1L, kBlockBytes / copy.recordLength);
    const auto length = static_cast<std::size_t>(copy.recordLength);
    std::string block;
    std::string found;
    for (long k = first; result.ok && k <= copy.total;) {
        const long count = std::min(perBlock, copy.total - k + 1);
        if (source)
            source->GetBlockInto(k, count, block);
        else
            block.assign(static_cast<std::size_t>(count) * length, '\0');
        const long whole = static_cast<long>(writer->Write(block) / length);
        written->GetBlockInto(k - first + 1, whole, found);
        result.ok = std::string_view(found) == std::string_view(block).substr(0, found.size());
        result.count += whole;
        if (whole < count) break;
        k += count;
        user.Progress(k - 1, copy.total);
    }
    return {result.count, writer->Finish() && result.ok};
}

}  // namespace

Outcome BackupFailure(BackupUser& user, const std::filesystem::path& file) {
    user.Ask(FailurePrompt(Lines({"Unable to write " + basic::TextFromPath(file.filename()) + " completely",
                                  "in Path: " + basic::TextFromPath(file.parent_path()),
                                  "The backup is not complete!"})));
    return {Result::Failed, BackupFailed};
}

Outcome RunSpanningCopy(const SpanningCopy& copy, DiskFiles& disk, BackupUser& user) {
    const auto source = basic::RandomAccessFile::OpenForReading(copy.source, copy.recordLength);
    const basic::RandomAccessFile* from = source ? &*source : nullptr;
    int diskNumber = 1;
    long first = 1;
    user.Status(copy.writingStatus(diskNumber));
    for (;;) {
        user.Progress(first - 1, copy.total);
        const DiskWritten written = WriteDisk(copy, from, first, disk, user);
        if (!written.ok) return BackupFailure(user, copy.copyFile);
        const bool last = first + written.count > copy.total;
        const int next = last ? diskNumber : diskNumber + 1;
        if (!copy.finishDisk(diskNumber, next, first, written.count)) return BackupFailure(user, copy.copyFile);
        basic::SyncFolderOf(copy.copyFile);  // the names, before the disk leaves the drive
        if (last) return {Result::Completed, BackupComplete};
        first += written.count;
        diskNumber = next;
        user.Progress(0, 0);
        // A new disk: asked for until one takes its information file, or
        // the user gives up.
        for (Prompt prompt = NextBackupDiskPrompt(diskNumber);; prompt = NewBlankDiskPrompt()) {
            if (user.Ask(prompt) != Answer::Ok) return {Result::Cancelled, BackupTerminated};
            user.Status("Deleting Old Files");
            if (copy.startDisk(diskNumber, first)) break;
        }
        user.Status(copy.writingStatus(diskNumber));
    }
}

}  // namespace backup
