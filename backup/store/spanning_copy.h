#pragma once
#include <filesystem>
#include <functional>
#include <string>

#include "backup/store/backup_user.h"
#include "backup/store/disk_files.h"
#include "backup/store/outcome.h"

// The record copy of a backup that spans disks: records go one after the
// other into a copy file of the same name on each disk, until a write falls
// short (the disk is full); the record that did not fit becomes the first of
// the next disk. Every disk is read back before the next one is asked for.
namespace backup {

struct SpanningCopy {
    std::filesystem::path source;  // records past its end (or of a missing file) are zero bytes
    int recordLength = 0;
    long total = 0;                // records 1 .. total are copied
    std::filesystem::path copyFile;
    // Deletes the family's files on a newly inserted disk (disk 2 on) and
    // writes the start of its information file; false when the disk cannot
    // take even that.
    std::function<bool(int disk, long first)> startDisk;
    // Writes the disk's information file in full and reads it back: next is
    // the disk that follows (disk itself on the last one); the disk holds
    // count records from record first.
    std::function<bool(int disk, int next, long first, long count)> finishDisk;
    // The status line while a disk is written.
    std::function<std::string(int disk)> writingStatus;
};

// Runs the copy; disk 1 is in the drive and started. Completed only when
// every disk was written and read back whole.
Outcome RunSpanningCopy(const SpanningCopy& copy, DiskFiles& disk, BackupUser& user);

// The failure message and its outcome: names the file that could not be
// written and read back.
Outcome BackupFailure(BackupUser& user, const std::filesystem::path& file);

}  // namespace backup
