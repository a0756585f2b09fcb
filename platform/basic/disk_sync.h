#pragma once

// The one place the store asks the system to put written bytes on the disk.
// The fuzz build (PANTRIVO_FUZZ) makes these no-ops that succeed: its runs
// write thousands of small files a second in a throwaway folder, where a sync
// only costs time and tells nothing about the readers.
namespace basic::disk_sync {

// The file's data and its size (fsync); false when the system refuses.
[[nodiscard]] bool File(int fd);

// The bytes of one range of the file, written and waited for.
[[nodiscard]] bool Range(int fd, long long offset, long long length);

}  // namespace basic::disk_sync
